// SPDX-License-Identifier: GPL-3.0-or-later
// A speech-dispatcher of a test's own: its own configuration, socket and
// logs in a temporary folder, the eSpeak NG voices and ALSA's silent device,
// so that no sound card is needed and the user's service is left alone.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class TPrivateSpeechService {
public:
    TPrivateSpeechService() = default;
    ~TPrivateSpeechService();
    TPrivateSpeechService(const TPrivateSpeechService&) = delete;
    TPrivateSpeechService& operator=(const TPrivateSpeechService&) = delete;

    // Starts the service and points this process's speech clients at it.
    // Empty when it runs; otherwise why it could not start.
    QString Start();
    void Stop();

private:
    QTemporaryDir Dir;
    QProcess Service;
};
