// SPDX-License-Identifier: GPL-3.0-or-later
// Says texts through a speech engine: a language is asked for by its tag
// ("nl", "ru", "en-GB") and goes to the engine's voice that fits it best;
// a new text stops the one still being spoken.
#pragma once

#include <QObject>
#include <memory>

#include "speech/speechengine.h"

class TSpeaker : public QObject {
    Q_OBJECT
public:
    explicit TSpeaker(QObject* Parent = nullptr);

    // Takes the engine over; without one there is no speech.
    void SetEngine(std::unique_ptr<TSpeechEngine> Engine);
    [[nodiscard]] TSpeechEngine* Engine() const { return Current; }

    // False, and nothing is said, when Why(Language) is not empty or the
    // text is empty.
    bool Say(const QString& Text, const QString& Language);
    void Stop();

    // Empty when Language can be spoken now; otherwise, in Dutch, why not
    // and what to install. An empty Language asks only after the engine.
    [[nodiscard]] QString Why(const QString& Language = {}) const;
    // The engine's voice language that fits Language; a C locale for none.
    [[nodiscard]] QLocale VoiceFor(const QString& Language) const;
    // The language tags of the installed voices, each once.
    [[nodiscard]] QStringList Languages() const;

signals:
    // The engine came, went, started or stopped speaking.
    void Changed();

private:
    TSpeechEngine* Current = nullptr;
};
