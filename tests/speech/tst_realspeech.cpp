// SPDX-License-Identifier: GPL-3.0-or-later
// The real speech engine against a speech-dispatcher of the test's own,
// with the eSpeak NG voices and a silent sound device: a Dutch, a Russian
// and a Greek text are each spoken to their end.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "speech/qtspeechengine.h"
#include "speech/speaker.h"

namespace {

const char* const ModuleDir = "/usr/lib/speech-dispatcher-modules";

bool WriteFile(const QString& Path, const QByteArray& Text)
{
    QFile File(Path);
    return File.open(QIODevice::WriteOnly) && File.write(Text) == Text.size();
}

} // namespace

class TestRealSpeech : public QObject {
    Q_OBJECT

private:
    QTemporaryDir Dir;
    QProcess Service;
    QString Skipped;

    // Starts a private speech-dispatcher; empty when it runs, else why not.
    QString StartService()
    {
        const QString Program = QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher"));
        if (Program.isEmpty())
            return QStringLiteral("speech-dispatcher is not installed");
        if (!QFile::exists(QDir(QLatin1StringView(ModuleDir)).filePath(QStringLiteral("sd_espeak-ng"))))
            return QStringLiteral("speech-dispatcher-espeak-ng is not installed");
        if (TQtSpeechEngine::EngineNames().value(0) != u"speechd")
            return QStringLiteral("qt6-speech-speechd-plugin is not installed");
        const QDir Root(Dir.path());
        if (!Root.mkpath(QStringLiteral("conf/modules")) || !Root.mkpath(QStringLiteral("log")) ||
            !Root.mkpath(QStringLiteral("run")))
            return QStringLiteral("no room for the service's files");
        // The silent ALSA device: no sound card is needed, and none is heard.
        if (!WriteFile(Root.filePath(QStringLiteral("conf/speechd.conf")),
                       "AudioOutputMethod \"alsa\"\nAudioALSADevice \"null\"\n"
                       "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
                       "DefaultModule espeak-ng\nDefaultLanguage \"nl\"\n") ||
            !WriteFile(Root.filePath(QStringLiteral("conf/modules/espeak-ng.conf")), {}))
            return QStringLiteral("the service's configuration could not be written");
        const QString Socket = Root.filePath(QStringLiteral("run/speechd.sock"));
        Service.setProcessChannelMode(QProcess::MergedChannels);
        Service.start(Program, {QStringLiteral("--run-single"), QStringLiteral("--config-dir"), Root.filePath(QStringLiteral("conf")),
                                QStringLiteral("--socket-path"), Socket, QStringLiteral("--timeout"), QStringLiteral("0"),
                                QStringLiteral("--log-dir"), Root.filePath(QStringLiteral("log")), QStringLiteral("--pid-file"),
                                Root.filePath(QStringLiteral("run/speechd.pid"))});
        if (!Service.waitForStarted(10000))
            return QStringLiteral("speech-dispatcher did not start: ") + Service.errorString();
        if (!QTest::qWaitFor([&] { return QFile::exists(Socket) || Service.state() == QProcess::NotRunning; }, 20000) ||
            !QFile::exists(Socket))
            return QStringLiteral("speech-dispatcher did not open its socket: ") + QString::fromLocal8Bit(Service.readAll());
        // The client library finds the service here instead of the user's.
        qputenv("SPEECHD_ADDRESS", ("unix_socket:" + Socket).toLocal8Bit());
        return {};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Dir.isValid());
        Skipped = StartService();
    }

    void cleanupTestCase()
    {
        if (Service.state() == QProcess::NotRunning)
            return;
        Service.terminate();
        if (!Service.waitForFinished(10000)) {
            Service.kill();
            Service.waitForFinished(5000);
        }
    }

    void eachLanguageIsSpokenToItsEnd_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QString>("Language");
        QTest::newRow("Dutch") << QStringLiteral("de hond") << QStringLiteral("nl");
        QTest::newRow("Russian") << QStringLiteral("собака") << QStringLiteral("ru");
        QTest::newRow("Greek") << QStringLiteral("ο σκύλος") << QStringLiteral("el");
    }

    void eachLanguageIsSpokenToItsEnd()
    {
        if (!Skipped.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no speech service for this test: ") + Skipped));
        QFETCH(QString, Text);
        QFETCH(QString, Language);
        TSpeaker Speaker;
        auto Created = std::make_unique<TQtSpeechEngine>();
        TQtSpeechEngine* Engine = Created.get();
        Speaker.SetEngine(std::move(Created));
        QVERIFY(QTest::qWaitFor([&] { return Engine->State() != TSpeechEngine::TState::Starting; }, 60000));
        QCOMPARE(Speaker.Why(), QString());
        QCOMPARE(Engine->EngineName(), QStringLiteral("speechd"));
        QVERIFY2(Speaker.Why(Language).isEmpty(), qPrintable(Speaker.Why(Language)));

        QList<TSpeechEngine::TState> Seen;
        connect(Engine, &TSpeechEngine::StateChanged, this, [&] { Seen << Engine->State(); });
        QVERIFY(Speaker.Say(Text, Language));
        QVERIFY2(QTest::qWaitFor([&] { return Seen.contains(TSpeechEngine::TState::Speaking); }, 20000),
                 "the text was never spoken");
        QVERIFY2(QTest::qWaitFor([&] { return Engine->State() == TSpeechEngine::TState::Ready; }, 30000),
                 "the text was not spoken to its end");
        QVERIFY(!Seen.contains(TSpeechEngine::TState::Unavailable));
    }
};

QTEST_GUILESS_MAIN(TestRealSpeech)
#include "tst_realspeech.moc"
