// SPDX-License-Identifier: GPL-3.0-or-later
// Speaking through the real window with a recording engine: what is said,
// when and in which language, in the three quiz modes and the editor.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/frmmain.h"
#include "app/mainwindowfixture.h"
#include "app/statuspanels.h"
#include "app/speechcommands.h"
#include "quizscreens/fillinpanel.h"
#include "speech/dlgtaaluitspreken.h"
#include "speech/fakespeechengine.h"
#include "speech/speaker.h"
#include "ui/memo.h"

namespace {

const QString Nl = QStringLiteral("nl");
const QString En = QStringLiteral("en");

QString WriteBytes(const QTemporaryDir& Dir, const QString& Name, const QByteArray& Bytes)
{
    QFile File(Dir.filePath(Name));
    if (!File.open(QIODevice::WriteOnly))
        return {};
    File.write(Bytes);
    return File.fileName();
}

// Chooses the languages in the next "Taal voor uitspreken" dialog.
void ChooseLanguages(const QString& Question, const QString& Answer, bool* Shown = nullptr)
{
    WhenModal([=](QWidget* Modal) {
        auto* Dialog = qobject_cast<TDlgTaalUitspreken*>(Modal);
        if (Shown)
            *Shown = Dialog != nullptr;
        if (!Dialog) {
            Modal->close();
            return;
        }
        Dialog->cmbVraagTaal->setCurrentIndex(Dialog->cmbVraagTaal->findData(Question));
        Dialog->cmbAntwoordTaal->setCurrentIndex(Dialog->cmbAntwoordTaal->findData(Answer));
        QTest::mouseClick(Dialog->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
}

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private:
    QTemporaryDir Dir;
    TFakeSpeechEngine* Engine = nullptr;

    // A window on a table of four entries, asked in order, with a recording
    // engine that has Dutch, English, Russian and Greek voices.
    std::unique_ptr<TfrmMain> WindowOn(const QString& File)
    {
        auto Window = StartMainWindow({File});
        Window->mnuSequential->setChecked(true);
        auto Fake = std::make_unique<TFakeSpeechEngine>(
            QList<QLocale>{QLocale(QLocale::Dutch, QLocale::Netherlands), QLocale(QLocale::English, QLocale::UnitedKingdom),
                           QLocale(QLocale::Russian, QLocale::Russia), QLocale(QLocale::Greek, QLocale::Greece)});
        Engine = Fake.get();
        Window->Speech->UseEngine(std::move(Fake));
        return Window;
    }

    std::unique_ptr<TfrmMain> WindowOnWesternTable()
    {
        auto Window = WindowOn(WriteTable(Dir, QStringLiteral("les.MT4"), 4));
        Window->Speech->SetColumnLanguage(0, Nl);
        Window->Speech->SetColumnLanguage(1, En);
        return Window;
    }

    [[nodiscard]] QStringList Said() const
    {
        QStringList Lines;
        for (const TSpokenText& Spoken : Engine->Spoken)
            Lines << Spoken.Text + u'/' + Spoken.Language.name().section(u'_', 0, 0);
        return Lines;
    }

    static void Press(TfrmMain& Window, Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&Window, Key, Modifiers);
    }

    // Starts Mode and answers the first question right, in the way of the
    // mode: reveal, pick the right row, type the answer.
    static void AnswerFirstQuestion(TfrmMain& Window, int Mode, const QString& Answer)
    {
        if (Mode == msTrainingQuestion) {
            Press(Window, Qt::Key_Space);
        } else if (Mode == msChoiceQuestion) {
            const char Row = Window.QuestionList.MCRightChoice;
            Press(Window, static_cast<Qt::Key>(Qt::Key_0 + (Row - '0')));
        } else {
            QTest::keyClicks(Window.pnlInvoer->memInvoer, Answer);
            Press(Window, Qt::Key_Return);
        }
    }

    // The key that goes on to the next question.
    static void GoOn(TfrmMain& Window, int Mode)
    {
        Press(Window, Mode == msTrainingQuestion ? Qt::Key_G : Qt::Key_Space);
    }

    static void Start(TfrmMain& Window, int Mode)
    {
        const Qt::Key Key = Mode == msTrainingQuestion ? Qt::Key_T : Mode == msChoiceQuestion ? Qt::Key_M : Qt::Key_I;
        Press(Window, Key, Qt::ControlModifier);
    }

private slots:
    void init() { QVERIFY(Dir.isValid()); }

    void automaticSpeechInEveryMode_data()
    {
        QTest::addColumn<int>("Mode");
        QTest::addColumn<bool>("Reverse");
        for (const auto& [Name, Mode] : {std::pair{"training", msTrainingQuestion}, std::pair{"choice", msChoiceQuestion},
                                         std::pair{"fill-in", msFillInQuestion}}) {
            QTest::addRow("%s", Name) << Mode << false;
            QTest::addRow("%s reversed", Name) << Mode << true;
        }
    }

    void automaticSpeechInEveryMode()
    {
        QFETCH(int, Mode);
        QFETCH(bool, Reverse);
        auto Window = WindowOnWesternTable();
        Window->mnuOmgekeerd->setChecked(Reverse);
        Window->Speech->mnuAutomatischUitspreken->setChecked(true);
        const QString Question = Reverse ? QStringLiteral("antwoord1/en") : QStringLiteral("vraag1/nl");
        const QString Answer = Reverse ? QStringLiteral("vraag1/nl") : QStringLiteral("antwoord1/en");

        Start(*Window, Mode);
        QCOMPARE(Said(), QStringList{Question});
        AnswerFirstQuestion(*Window, Mode, Answer.section(u'/', 0, 0));
        QCOMPARE(Said(), (QStringList{Question, Answer}));
        QCOMPARE(Engine->Stops, 1); // the question was still being spoken

        GoOn(*Window, Mode);
        QCOMPARE(Said().size(), 3);
        QCOMPARE(Said().last(), Reverse ? QStringLiteral("antwoord2/en") : QStringLiteral("vraag2/nl"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void withoutAutomaticSpeechOnlyTheKeysSpeak_data() { automaticSpeechInEveryMode_data(); }

    void withoutAutomaticSpeechOnlyTheKeysSpeak()
    {
        QFETCH(int, Mode);
        QFETCH(bool, Reverse);
        auto Window = WindowOnWesternTable();
        Window->mnuOmgekeerd->setChecked(Reverse);
        const QString Question = Reverse ? QStringLiteral("antwoord1/en") : QStringLiteral("vraag1/nl");
        const QString Answer = Reverse ? QStringLiteral("vraag1/nl") : QStringLiteral("antwoord1/en");

        Start(*Window, Mode);
        Press(*Window, Qt::Key_F5); // no answer shown yet: nothing to say
        QVERIFY(Said().isEmpty());
        Press(*Window, Qt::Key_F4);
        QCOMPARE(Said(), QStringList{Question});
        AnswerFirstQuestion(*Window, Mode, Answer.section(u'/', 0, 0));
        QCOMPARE(Said(), QStringList{Question});
        Press(*Window, Qt::Key_F5);
        QCOMPARE(Said(), (QStringList{Question, Answer}));
        QCOMPARE(Window->State, Mode + 1); // the keys change nothing in the quiz
    }

    void buttonsSpeakAndStandBesideTheClipboardButtons()
    {
        auto Window = WindowOnWesternTable();
        QVERIFY(!Window->Speech->btnVraagUitspreken->isVisible());
        Start(*Window, msTrainingQuestion);
        QToolButton* Button = Window->Speech->btnVraagUitspreken;
        QVERIFY(Button->isVisible());
        QCOMPARE(Button->x(), Window->btnVraagToClipboard->x());
        QVERIFY(Button->toolTip().startsWith(QStringLiteral("[F4] Vraag uitspreken")));
        QTest::mouseClick(Button, Qt::LeftButton);
        QCOMPARE(Said(), QStringList{QStringLiteral("vraag1/nl")});
        Press(*Window, Qt::Key_Space);
        QTest::mouseClick(Window->Speech->btnAntwoordUitspreken, Qt::LeftButton);
        QCOMPARE(Said().last(), QStringLiteral("antwoord1/en"));
        QCOMPARE(Window->State, msTrainingAnswer);
    }

    void firstCommandOnAWesternColumnAsksOnce()
    {
        auto Window = WindowOn(WriteTable(Dir, QStringLiteral("westers.MT4"), 4));
        QVERIFY(Window->Speech->ColumnLanguage(0).isEmpty());
        {
            // No question shown: nothing to say, nothing to ask.
            bool Asked = false;
            QTimer Watch;
            connect(&Watch, &QTimer::timeout, [&Asked] {
                if (QWidget* Modal = QApplication::activeModalWidget()) {
                    Asked = true;
                    Modal->close();
                }
            });
            Watch.start(10);
            Press(*Window, Qt::Key_F4);
            QVERIFY(!Asked);
        }
        Window->Speech->mnuAutomatischUitspreken->setChecked(true);
        Start(*Window, msTrainingQuestion);
        // Automatic speech never asks; it says so once in the status bar.
        QVERIFY(Said().isEmpty());
        QVERIFY(Window->StatusBar->currentMessage().contains(QStringLiteral("kies eerst de taal")));

        bool Asked = false;
        ChooseLanguages(QStringLiteral("nl"), QStringLiteral("en-GB"), &Asked);
        Press(*Window, Qt::Key_F4);
        QVERIFY(Asked);
        // As the window manager gives the window back its keys once the
        // dialog has gone (the offscreen platform leaves that to us).
        QVERIFY(QTest::qWaitFor([&] {
            Window->activateWindow();
            return QApplication::activeWindow() == Window.get();
        }));
        QCOMPARE(Said(), QStringList{QStringLiteral("vraag1/nl")});
        QCOMPARE(Window->Speech->ColumnLanguage(1), QStringLiteral("en-GB"));

        Press(*Window, Qt::Key_Space); // automatic, in the language chosen
        QCOMPARE(Said().last(), QStringLiteral("antwoord1/en"));
        Press(*Window, Qt::Key_F4);
        QCOMPARE(Said().size(), 3);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void cancellingTheQuestionSaysNothing()
    {
        auto Window = WindowOn(WriteTable(Dir, QStringLiteral("westers.MT4"), 4));
        Start(*Window, msTrainingQuestion);
        WhenModal([](QWidget* Modal) {
            QTest::mouseClick(Modal->findChild<QPushButton*>(QStringLiteral("btnAnnuleren")), Qt::LeftButton);
        });
        Press(*Window, Qt::Key_F4);
        QVERIFY(Said().isEmpty());
        QVERIFY(Window->Speech->ColumnLanguage(0).isEmpty());
        QCOMPARE(Window->State, msTrainingQuestion);
    }

    void otherScriptsArriveAsUnicodeInTheirLanguage()
    {
        const QString File = WriteBytes(Dir, QStringLiteral("schrift.MT4"),
                                        "[FONT:Arial,9,204] = [FONT:Arial,9,161]\r\n"
                                        "\xF1\xEE\xE1\xE0\xEA\xE0 = \xF3\xEA\xFD\xEB\xEF\xF2\r\n"
                                        "\xEA\xEE\xF8\xEA\xE0 = \xE3\xDC\xF4\xE1\r\n");
        auto Window = WindowOn(File);
        QCOMPARE(Window->Speech->ColumnLanguage(0), QStringLiteral("ru"));
        QCOMPARE(Window->Speech->ColumnLanguage(1), QStringLiteral("el"));
        Start(*Window, msTrainingQuestion);
        Press(*Window, Qt::Key_F4);
        Press(*Window, Qt::Key_Space);
        Press(*Window, Qt::Key_F5);
        QCOMPARE(Said(), (QStringList{QStringLiteral("собака/ru"), QStringLiteral("σκύλος/el")}));
        // The clipboard keys copy the same texts.
        Press(*Window, Qt::Key_F2);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("собака"));
        QCOMPARE(Engine->Spoken[1].Language.territory(), QLocale::Greece);
    }

    void kvtmlLocalesAreTheDefaults()
    {
        const QString File = WriteBytes(
            Dir, QStringLiteral("dieren.kvtml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n<identifiers>"
            "<identifier id=\"0\"><name>Engels</name><locale>en</locale></identifier>"
            "<identifier id=\"1\"><name>Nederlands</name><locale>nl</locale></identifier></identifiers>\n<entries>"
            "<entry id=\"0\"><translation id=\"0\"><text>dog</text></translation>"
            "<translation id=\"1\"><text>hond</text></translation></entry>"
            "<entry id=\"1\"><translation id=\"0\"><text>cat</text></translation>"
            "<translation id=\"1\"><text>kat</text></translation></entry></entries></kvtml>\n");
        auto Window = WindowOn(File);
        QCOMPARE(Window->Speech->ColumnLanguage(0), En);
        QCOMPARE(Window->Speech->ColumnLanguage(1), Nl);
        Window->mnuOmgekeerd->setChecked(true);
        Start(*Window, msTrainingQuestion);
        Press(*Window, Qt::Key_F4);
        QCOMPARE(Said(), QStringList{QStringLiteral("hond/nl")});
        // A choice of the learner goes before the file's.
        Window->Speech->SetColumnLanguage(1, QStringLiteral("ru"));
        Press(*Window, Qt::Key_F4);
        QCOMPARE(Said().last(), QStringLiteral("hond/ru"));
    }

    void theEditorSpeaksWhatIsTyped()
    {
        auto Window = WindowOnWesternTable();
        Press(*Window, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(Window->State, msEdit);
        Window->memVraag->SetText(QStringLiteral("getypt"));
        Press(*Window, Qt::Key_F4);
        QCOMPARE(Said(), QStringList{QStringLiteral("getypt/nl")});
        Window->mnuOmgekeerd->setChecked(true); // the editor shows the file's own columns
        Press(*Window, Qt::Key_F5);
        QCOMPARE(Said().last().section(u'/', 1), En);
    }

    void withoutSpeechTheCommandsAreOffAndSayWhy()
    {
        auto Window = StartMainWindow({WriteTable(Dir, QStringLiteral("stil.MT4"), 4)});
        Window->Speech->SetColumnLanguage(0, Nl);
        Window->Speech->mnuAutomatischUitspreken->setChecked(true);
        QAction* Speak = Window->Speech->mnuVraagUitspreken;
        QVERIFY(!Speak->isEnabled());
        QVERIFY(Speak->toolTip().contains(QStringLiteral("installeer")));
        QVERIFY(Speak->toolTip().contains(QStringLiteral("speech-dispatcher")));
        QVERIFY(!Window->Speech->mnuTaalUitspreken->isEnabled());
        Start(*Window, msTrainingQuestion);
        QCOMPARE(Window->State, msTrainingQuestion);
        QVERIFY(!Window->Speech->btnVraagUitspreken->isEnabled());
        Press(*Window, Qt::Key_F4);
        Press(*Window, Qt::Key_Space); // automatic speech: no box, the quiz goes on
        QCOMPARE(Window->State, msTrainingAnswer);
        Press(*Window, Qt::Key_G);
        QCOMPARE(Window->State, msTrainingQuestion);
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        // An engine whose service is gone, and one without the language.
        auto Gone = std::make_unique<TFakeSpeechEngine>(QList<QLocale>{}, TSpeechEngine::TState::Starting);
        TFakeSpeechEngine* Service = Gone.get();
        Window->Speech->UseEngine(std::move(Gone));
        QVERIFY(!Speak->isEnabled());
        Service->SetState(TSpeechEngine::TState::Unavailable, QStringLiteral("Geen verbinding: installeer x"));
        QVERIFY(Speak->toolTip().endsWith(QStringLiteral("Geen verbinding: installeer x")));
        Service->SetLanguages({QLocale(QLocale::German)});
        Service->SetState(TSpeechEngine::TState::Ready);
        QVERIFY(!Speak->isEnabled());
        QVERIFY(Speak->toolTip().contains(QStringLiteral("Geen stem voor het Nederlands")));
        Service->SetLanguages({QLocale(QLocale::German), QLocale(QLocale::Dutch, QLocale::Belgium)});
        QVERIFY(Speak->isEnabled());
        Press(*Window, Qt::Key_F4);
        QCOMPARE(Service->Spoken.size(), size_t(1));
        QCOMPARE(Service->Spoken[0].Language.territory(), QLocale::Belgium);
    }
};

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
