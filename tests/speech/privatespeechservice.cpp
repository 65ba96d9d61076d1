// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/privatespeechservice.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include "speech/qtspeechengine.h"

namespace {

const char* const ModuleDir = "/usr/lib/speech-dispatcher-modules";

bool WriteFile(const QString& Path, const QByteArray& Text)
{
    QFile File(Path);
    return File.open(QIODevice::WriteOnly) && File.write(Text) == Text.size();
}

} // namespace

TPrivateSpeechService::~TPrivateSpeechService() { Stop(); }

QString TPrivateSpeechService::Start()
{
    const QString Program = QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher"));
    if (Program.isEmpty())
        return QStringLiteral("speech-dispatcher is not installed");
    if (!QFile::exists(QDir(QLatin1StringView(ModuleDir)).filePath(QStringLiteral("sd_espeak-ng"))))
        return QStringLiteral("speech-dispatcher-espeak-ng is not installed");
    if (TQtSpeechEngine::EngineNames().value(0) != u"speechd")
        return QStringLiteral("qt6-speech-speechd-plugin is not installed");
    const QDir Root(Dir.path());
    if (!Dir.isValid() || !Root.mkpath(QStringLiteral("conf/modules")) || !Root.mkpath(QStringLiteral("log")) ||
        !Root.mkpath(QStringLiteral("run")))
        return QStringLiteral("no room for the service's files");
    if (!WriteFile(Root.filePath(QStringLiteral("conf/speechd.conf")),
                   "AudioOutputMethod \"alsa\"\nAudioALSADevice \"null\"\n"
                   "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
                   "DefaultModule espeak-ng\nDefaultLanguage \"nl\"\n") ||
        !WriteFile(Root.filePath(QStringLiteral("conf/modules/espeak-ng.conf")), {}))
        return QStringLiteral("the service's configuration could not be written");
    const QString Socket = Root.filePath(QStringLiteral("run/speechd.sock"));
    Service.setProcessChannelMode(QProcess::MergedChannels);
    Service.start(Program, {QStringLiteral("--run-single"), QStringLiteral("--config-dir"),
                            Root.filePath(QStringLiteral("conf")), QStringLiteral("--socket-path"), Socket,
                            QStringLiteral("--timeout"), QStringLiteral("0"), QStringLiteral("--log-dir"),
                            Root.filePath(QStringLiteral("log")), QStringLiteral("--pid-file"),
                            Root.filePath(QStringLiteral("run/speechd.pid"))});
    if (!Service.waitForStarted(10000))
        return QStringLiteral("speech-dispatcher did not start: ") + Service.errorString();
    const bool Listening = QTest::qWaitFor(
        [&] { return QFile::exists(Socket) || Service.state() == QProcess::NotRunning; }, 20000);
    if (!Listening || !QFile::exists(Socket))
        return QStringLiteral("speech-dispatcher did not open its socket: ") + QString::fromLocal8Bit(Service.readAll());
    // The client library finds the service here instead of the user's.
    qputenv("SPEECHD_ADDRESS", ("unix_socket:" + Socket).toLocal8Bit());
    return {};
}

void TPrivateSpeechService::Stop()
{
    if (Service.state() == QProcess::NotRunning)
        return;
    Service.terminate();
    if (!Service.waitForFinished(10000)) {
        Service.kill();
        Service.waitForFinished(5000);
    }
}
