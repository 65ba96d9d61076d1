// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/fakespeechengine.h"

TFakeSpeechEngine::TFakeSpeechEngine(QList<QLocale> Languages, TState State, QObject* Parent)
    : TSpeechEngine(Parent), Voices(std::move(Languages)), CurrentState(State)
{
}

void TFakeSpeechEngine::Say(const QString& Text, const QLocale& Language)
{
    Spoken.push_back({Text, Language});
    CurrentState = TState::Speaking; // until the test ends it
}

void TFakeSpeechEngine::Stop()
{
    ++Stops;
    if (CurrentState == TState::Speaking)
        CurrentState = TState::Ready;
}

void TFakeSpeechEngine::SetState(TState State, const QString& Problem)
{
    CurrentState = State;
    ProblemText = Problem;
    emit StateChanged();
}

void TFakeSpeechEngine::SetLanguages(const QList<QLocale>& Languages)
{
    Voices = Languages;
    emit StateChanged();
}
