// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's speech synthesiser through Qt TextToSpeech, the
// speech-dispatcher engine first. Connecting to the service and listing its
// voices can take seconds, so the synthesiser lives in a thread of its own:
// every call here only posts the work there and returns at once.
#pragma once

#include <QStringList>

#include "speech/speechengine.h"

class QThread;
class TSpeechWorker;

class TQtSpeechEngine : public TSpeechEngine {
    Q_OBJECT
public:
    // Starts connecting at once; State() is Starting until it is done.
    // Engine: a synthesiser plugin by name; empty for the preferred one.
    explicit TQtSpeechEngine(const QString& Engine = {}, QObject* Parent = nullptr);
    ~TQtSpeechEngine() override;

    void Say(const QString& Text, const QLocale& Language) override;
    void Stop() override;
    [[nodiscard]] TState State() const override { return CurrentState; }
    [[nodiscard]] QList<QLocale> Languages() const override { return Voices; }
    [[nodiscard]] QString Problem() const override { return ProblemText; }

    // The synthesiser plugins installed, the preferred one first.
    [[nodiscard]] static QStringList EngineNames();
    // The name of the engine in use, once started.
    [[nodiscard]] QString EngineName() const { return Name; }

private:
    friend class TSpeechWorker;
    void Started(const QString& Engine, const QList<QLocale>& Languages);
    void Failed(const QString& Problem);
    void Reported(TState State);

    QThread* Thread;
    TSpeechWorker* Worker;
    TState CurrentState = TState::Starting;
    QList<QLocale> Voices;
    QString Name;
    QString ProblemText;
};
