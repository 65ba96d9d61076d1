// SPDX-License-Identifier: GPL-3.0-or-later
// A speech engine that only records: each text with its language, and the
// stops. Its state and languages are set by whoever drives it.
#pragma once

#include <vector>

#include "speech/speechengine.h"

struct TSpokenText {
    QString Text;
    QLocale Language;
};

class TFakeSpeechEngine : public TSpeechEngine {
    Q_OBJECT
public:
    explicit TFakeSpeechEngine(QList<QLocale> Languages = {}, TState State = TState::Ready, QObject* Parent = nullptr);

    void Say(const QString& Text, const QLocale& Language) override;
    void Stop() override;
    [[nodiscard]] TState State() const override { return CurrentState; }
    [[nodiscard]] QList<QLocale> Languages() const override { return Voices; }
    [[nodiscard]] QString Problem() const override { return ProblemText; }

    // Plays the engine's side: the text ends, the service goes away.
    void SetState(TState State, const QString& Problem = {});
    void SetLanguages(const QList<QLocale>& Languages);

    std::vector<TSpokenText> Spoken;
    int Stops = 0;

private:
    QList<QLocale> Voices;
    TState CurrentState;
    QString ProblemText;
};
