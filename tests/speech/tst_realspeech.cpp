// SPDX-License-Identifier: GPL-3.0-or-later
// The real speech engine against a speech-dispatcher of the test's own,
// with the eSpeak NG voices and a silent sound device: a Dutch, a Russian
// and a Greek text are each spoken to their end.
#include <QTest>

#include "speech/privatespeechservice.h"
#include "speech/qtspeechengine.h"
#include "speech/speaker.h"

class TestRealSpeech : public QObject {
    Q_OBJECT

private:
    TPrivateSpeechService Service;
    QString Skipped;

private slots:
    void initTestCase() { Skipped = Service.Start(); }

    void cleanupTestCase() { Service.Stop(); }

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
