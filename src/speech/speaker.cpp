// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/speaker.h"

#include "speech/columnlanguage.h"

TSpeaker::TSpeaker(QObject* Parent) : QObject(Parent) {}

void TSpeaker::SetEngine(std::unique_ptr<TSpeechEngine> Engine)
{
    delete Current;
    Current = Engine.release();
    if (Current) {
        Current->setParent(this);
        connect(Current, &TSpeechEngine::StateChanged, this, &TSpeaker::Changed);
    }
    emit Changed();
}

bool TSpeaker::Say(const QString& Text, const QString& Language)
{
    if (Text.trimmed().isEmpty() || !Why(Language).isEmpty())
        return false;
    if (Current->State() == TSpeechEngine::TState::Speaking)
        Current->Stop();
    Current->Say(Text, VoiceFor(Language));
    return true;
}

void TSpeaker::Stop()
{
    if (Current && Current->State() == TSpeechEngine::TState::Speaking)
        Current->Stop();
}

QString TSpeaker::Why(const QString& Language) const
{
    if (!Current)
        return QStringLiteral("Geen spraaksynthese: installeer de pakketten qt6-speech-speechd-plugin, "
                              "speech-dispatcher en speech-dispatcher-espeak-ng");
    switch (Current->State()) {
    case TSpeechEngine::TState::Starting:
        return QStringLiteral("De spraakdienst wordt nog gestart");
    case TSpeechEngine::TState::Unavailable:
        return Current->Problem().isEmpty() ? QStringLiteral("De spraakdienst werkt niet: installeer de pakketten "
                                                             "speech-dispatcher en speech-dispatcher-espeak-ng")
                                            : Current->Problem();
    default:
        break;
    }
    if (Language.isEmpty() || VoiceFor(Language).language() != QLocale::C)
        return {};
    return QStringLiteral("Geen stem voor het %1: installeer het pakket speech-dispatcher-espeak-ng of een "
                          "andere stem voor deze taal")
        .arg(DutchLanguageName(Language));
}

QLocale TSpeaker::VoiceFor(const QString& Language) const
{
    if (!Current || Language.isEmpty())
        return QLocale::c();
    const QLocale Wanted(Language);
    if (Wanted.language() == QLocale::C)
        return QLocale::c();
    const QList<QLocale> Voices = Current->Languages();
    for (const QLocale& Voice : Voices)
        if (Voice.bcp47Name() == Wanted.bcp47Name())
            return Voice;
    for (const QLocale& Voice : Voices)
        if (Voice.language() == Wanted.language())
            return Voice;
    return QLocale::c();
}

QStringList TSpeaker::Languages() const
{
    QStringList Tags;
    if (Current)
        for (const QLocale& Voice : Current->Languages())
            if (Voice.language() != QLocale::C && !Tags.contains(Voice.bcp47Name()))
                Tags << Voice.bcp47Name();
    return Tags;
}
