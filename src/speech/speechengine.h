// SPDX-License-Identifier: GPL-3.0-or-later
// What the program needs of a speech synthesiser: say a text in a language,
// stop, tell its state and the languages of its voices. The real one runs on
// the desktop's speech service; tests use one that records what it is told.
#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>

class TSpeechEngine : public QObject {
    Q_OBJECT
public:
    enum class TState {
        Starting,    // still connecting and listing its voices
        Ready,       // silent, takes a text
        Speaking,
        Unavailable, // no synthesiser or no service: Problem() says why
    };

    using QObject::QObject;

    // Starts Text in Language; whatever is still being spoken stops first.
    // Returns at once: the speaking happens elsewhere.
    virtual void Say(const QString& Text, const QLocale& Language) = 0;
    virtual void Stop() = 0;
    [[nodiscard]] virtual TState State() const = 0;
    // The languages of the installed voices, once the engine is Ready.
    [[nodiscard]] virtual QList<QLocale> Languages() const = 0;
    // In Dutch, for a hint: why there is no speech and what to install.
    [[nodiscard]] virtual QString Problem() const = 0;

signals:
    // State() or Languages() changed.
    void StateChanged();
};
