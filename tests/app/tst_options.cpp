// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz options: ticks and toolbar buttons, the exclusion of sample and
// table order, the sample size question and switching during a quiz.
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "quizscreens/fillinpanel.h"
#include "app/frmmain.h"
#include "app/quizoptions.h"
#include "quizscreens/resultspanel.h"
#include "formats/wintext.h"
#include "files/dialogscript.h"
#include "files/mainfixture.h"

namespace {

QStringList Numbered(int Count)
{
    QStringList Lines;
    for (int Entry = 1; Entry <= Count; ++Entry)
        Lines << QStringLiteral("vraag%1 = antwoord%1").arg(Entry);
    return Lines;
}

void Open(TMainFixture& Fixture, int Entries)
{
    Fixture.Start();
    Fixture.Main->CarryOutCommandLine({Fixture.WriteTable(QStringLiteral("tabel.MT4"), Numbered(Entries))});
}

// The ticks of the six options, in menu order, as a word of 0 and 1.
QString Ticks(const TfrmMain& Main)
{
    QString Word;
    for (const QAction* Item : {Main.mnuOmgekeerd, Main.mnuRepeteren, Main.mnuTolerant, Main.mnuSteekproef,
                                Main.mnuIntelliMC, Main.mnuSequential})
        Word += Item->isChecked() ? u'1' : u'0';
    return Word;
}

// The down states of the five option buttons.
QString ButtonsDown(const TfrmMain& Main)
{
    QString Word;
    for (const QToolButton* Button :
         {Main.btnOmgekeerd, Main.btnRepeteren, Main.btnTolerant, Main.btnSteekproef, Main.btnSequential})
        Word += Button->isChecked() ? u'1' : u'0';
    return Word;
}

// Answers the sample size question with Text (cancels it when Text is
// null) and reports the proposed size.
TDialogScript& AnswerSampleSize(TDialogScript& Script, const QString& Text, QString* Proposed)
{
    return Script.Then(QStringLiteral("QInputDialog"), [Text, Proposed](QWidget* Widget) {
        auto* Box = qobject_cast<QInputDialog*>(Widget);
        *Proposed = Box->windowTitle() + u'|' + Box->labelText() + u'|' + Box->textValue();
        if (Text.isNull()) {
            Box->reject();
            return;
        }
        Box->setTextValue(Text);
        Box->accept();
    });
}

void Type(TfrmMain& Main, char Key)
{
    QWidget* Focus = QApplication::focusWidget();
    QTest::keyClick(Focus ? Focus : &Main, Key);
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void InitialTicksAndEnabling();
    void MenuButtonAndShortcutFlipTheSameTick();
    void TogglesAreIndependent();
    void SampleAndTableOrderExcludeEachOther();
    void SampleSizeQuestion_data();
    void SampleSizeQuestion();
    void SwitchingTheSampleOffAsksNothing();
    void ReverseDuringTraining();
    void ToggleKeepsTheRoundInEveryMode_data();
    void ToggleKeepsTheRoundInEveryMode();
    void ShortcutsWhileTypingAnAnswer();
    void ToggleAfterTheLastAnswerStartsANewRound();
    void ToggleOutsideAQuizChangesNoState();
    void OptionChangeRefreshesTheStatusBar();
    void OptionsMenuShowsTicksNotPictures();
    void ToolbarShowsDownAndDisabledButtonsPlainly();
};

void TestOptions::InitialTicksAndEnabling()
{
    TMainFixture Fixture;
    Fixture.Start();
    TfrmMain& Main = *Fixture.Main;
    QCOMPARE(Ticks(Main), QStringLiteral("000000")); // similar alternatives: off without settings
    QCOMPARE(ButtonsDown(Main), QStringLiteral("00000"));
    QVERIFY(!Main.mnuOmgekeerd->isEnabled());
    QVERIFY(!Main.btnSteekproef->isEnabled());
    QCOMPARE(Main.btnSteekproef->text(), QStringLiteral("20"));
    QCOMPARE(Main.btnSequential->text(), QStringLiteral("1|2|3"));
    Main.CarryOutCommandLine({Fixture.WriteTable(QStringLiteral("tabel.MT4"), Numbered(2))});
    QVERIFY(Main.mnuOmgekeerd->isEnabled());
    QVERIFY(Main.mnuIntelliMC->isEnabled());
    QVERIFY(Main.btnSequential->isEnabled());
}

void TestOptions::MenuButtonAndShortcutFlipTheSameTick()
{
    TMainFixture Fixture;
    Open(Fixture, 5);
    TfrmMain& Main = *Fixture.Main;
    Main.mnuOmgekeerd->trigger();
    QCOMPARE(Ticks(Main), QStringLiteral("100000"));
    QCOMPARE(ButtonsDown(Main), QStringLiteral("10000"));
    QTest::mouseClick(Main.btnOmgekeerd, Qt::LeftButton);
    QCOMPARE(Ticks(Main), QStringLiteral("000000"));
    QCOMPARE(ButtonsDown(Main), QStringLiteral("00000"));
    QTest::keyClick(&Main, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(Ticks(Main), QStringLiteral("010000"));
    QTest::keyClick(&Main, Qt::Key_L, Qt::ControlModifier);
    QTest::keyClick(&Main, Qt::Key_G, Qt::ControlModifier);
    QTest::keyClick(&Main, Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(Ticks(Main), QStringLiteral("011011"));
    QCOMPARE(ButtonsDown(Main), QStringLiteral("01101"));
    QTest::keyClick(&Main, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(Ticks(Main), QStringLiteral("111011"));
    QCOMPARE(ButtonsDown(Main), QStringLiteral("11101"));
}

void TestOptions::TogglesAreIndependent()
{
    TMainFixture Fixture;
    Open(Fixture, 5);
    TfrmMain& Main = *Fixture.Main;
    Main.QuizOptions->ToggleSequential();
    QCOMPARE(ButtonsDown(Main), QStringLiteral("00001"));
    QTest::mouseClick(Main.btnTolerant, Qt::LeftButton);
    QCOMPARE(ButtonsDown(Main), QStringLiteral("00101"));
    QTest::mouseClick(Main.btnTolerant, Qt::LeftButton);
    QCOMPARE(ButtonsDown(Main), QStringLiteral("00001"));
    QTest::mouseClick(Main.btnRepeteren, Qt::LeftButton);
    QCOMPARE(ButtonsDown(Main), QStringLiteral("01001"));
    QVERIFY(!Main.btnTraining->isChecked());
}

void TestOptions::SampleAndTableOrderExcludeEachOther()
{
    TMainFixture Fixture;
    Open(Fixture, 5);
    TfrmMain& Main = *Fixture.Main;
    QTest::mouseClick(Main.btnSequential, Qt::LeftButton);
    QCOMPARE(Ticks(Main), QStringLiteral("000001"));
    {
        QString Proposed;
        TDialogScript Script;
        AnswerSampleSize(Script, QStringLiteral("3"), &Proposed);
        QTest::mouseClick(Main.btnSteekproef, Qt::LeftButton);
        QVERIFY2(Script.Finished(), qPrintable(Script.Report()));
    }
    QCOMPARE(Ticks(Main), QStringLiteral("000100"));
    QCOMPARE(ButtonsDown(Main), QStringLiteral("00010"));
    QCOMPARE(Main.QuestionList.SampleSize, 3);

    // Table order back on switches the sample off without asking.
    TDialogScript NoQuestion;
    Main.mnuSequential->trigger();
    QCOMPARE(Ticks(Main), QStringLiteral("000001"));
    QCOMPARE(ButtonsDown(Main), QStringLiteral("00001"));
    QVERIFY2(NoQuestion.Finished(), qPrintable(NoQuestion.Report()));
}

void TestOptions::SampleSizeQuestion_data()
{
    QTest::addColumn<int>("Entries");
    QTest::addColumn<QString>("Typed"); // null: cancelled
    QTest::addColumn<QString>("Proposed");
    QTest::addColumn<int>("Size");
    QTest::addColumn<int>("Rest");
    QTest::newRow("proposes 20") << 30 << "20" << "20" << 20 << 20;
    QTest::newRow("proposes a smaller table's size") << 12 << "12" << "12" << 12 << 12;
    QTest::newRow("larger than the table") << 30 << "50" << "20" << 30 << 30;
    QTest::newRow("own size") << 30 << "7" << "20" << 7 << 7;
    QTest::newRow("cancelled") << 30 << QString() << "20" << 20 << 20;
    QTest::newRow("not a number") << 8 << "veel" << "8" << 8 << 8;
    QTest::newRow("zero") << 8 << "0" << "8" << 0 << 0;
}

void TestOptions::SampleSizeQuestion()
{
    QFETCH(int, Entries);
    QFETCH(QString, Typed);
    QFETCH(QString, Proposed);
    QFETCH(int, Size);
    QFETCH(int, Rest);
    TMainFixture Fixture;
    Open(Fixture, Entries);
    TfrmMain& Main = *Fixture.Main;
    QString Asked;
    TDialogScript Script;
    AnswerSampleSize(Script, Typed, &Asked);
    QTest::keyClick(&Main, Qt::Key_K, Qt::ControlModifier);
    QVERIFY2(Script.Finished(), qPrintable(Script.Report()));
    QCOMPARE(Asked, QStringLiteral("Bepaal grootte van steekproef|Aantal vragen:|") + Proposed);
    QVERIFY(Main.mnuSteekproef->isChecked());
    QVERIFY(Main.btnSteekproef->isChecked());
    QCOMPARE(Main.QuestionList.SampleSize, Size);
    Main.mnuTraining->trigger();
    QCOMPARE(Main.QuestionList.Rest, Rest);
}

void TestOptions::SwitchingTheSampleOffAsksNothing()
{
    TMainFixture Fixture;
    Open(Fixture, 25);
    TfrmMain& Main = *Fixture.Main;
    for (int Time = 0; Time < 2; ++Time) {
        QString Asked;
        TDialogScript Script;
        AnswerSampleSize(Script, QStringLiteral("5"), &Asked);
        Main.mnuSteekproef->trigger();
        QVERIFY2(Script.Finished(), qPrintable(Script.Report()));
        QVERIFY(Main.mnuSteekproef->isChecked());
        QCOMPARE(Asked.section(u'|', 2), QStringLiteral("20")); // asked again, proposing 20 again

        TDialogScript NoQuestion;
        Main.mnuSteekproef->trigger();
        QVERIFY(!Main.mnuSteekproef->isChecked());
        QVERIFY(!Main.btnSteekproef->isChecked());
        QVERIFY2(NoQuestion.Finished(), qPrintable(NoQuestion.Report()));
    }
}

void TestOptions::ReverseDuringTraining()
{
    TMainFixture Fixture;
    Open(Fixture, 6);
    TfrmMain& Main = *Fixture.Main;
    TQuestionlist& List = Main.QuestionList;
    Main.mnuTraining->trigger();
    Type(Main, ' ');
    Type(Main, 'G');
    Type(Main, ' ');
    Type(Main, 'F');
    Type(Main, ' ');
    QCOMPARE(Main.State, msTrainingAnswer);
    const QDateTime Started = Main.QuizStartTime;
    QVERIFY(Main.lblVraagTekst->text().startsWith(QStringLiteral("vraag")));

    QTest::mouseClick(Main.btnOmgekeerd, Qt::LeftButton);
    QCOMPARE(Main.State, msTrainingQuestion);
    QVERIFY(Main.lblVraagTekst->text().startsWith(QStringLiteral("antwoord")));
    QCOMPARE(Main.lblAntwoordTekst->text(), QString());
    QCOMPARE(List.RightAnswers, 1);
    QCOMPARE(List.WrongAnswers, 1);
    QCOMPARE(List.Rest, 4); // the dropped question stays in the round
    QCOMPARE(Main.QuizStartTime, Started);
    QVERIFY(Main.btnTraining->isChecked());
}

void TestOptions::ToggleKeepsTheRoundInEveryMode_data()
{
    QTest::addColumn<int>("Mode");
    QTest::addColumn<QString>("Keys"); // what is typed before the toggle
    QTest::addColumn<int>("Before");
    QTest::newRow("training answer") << int(msTrainingQuestion) << " " << int(msTrainingAnswer);
    QTest::newRow("choice question") << int(msChoiceQuestion) << "" << int(msChoiceQuestion);
    QTest::newRow("choice answered") << int(msChoiceQuestion) << "1" << int(msChoiceAnswered);
    QTest::newRow("fill-in question") << int(msFillInQuestion) << "ant" << int(msFillInQuestion);
    QTest::newRow("fill-in answered") << int(msFillInQuestion) << "nee\r" << int(msFillInAnswered);
}

void TestOptions::ToggleKeepsTheRoundInEveryMode()
{
    QFETCH(int, Mode);
    QFETCH(QString, Keys);
    QFETCH(int, Before);
    TMainFixture Fixture;
    Open(Fixture, 8);
    TfrmMain& Main = *Fixture.Main;
    TQuestionlist& List = Main.QuestionList;
    Main.StartQuiz(Mode);
    for (const QChar Key : Keys)
        Type(Main, static_cast<char>(Key.unicode()));
    QCOMPARE(Main.State, Before);
    const int Right = List.RightAnswers;
    const int Wrong = List.WrongAnswers;
    const int Rest = List.Rest;
    const QDateTime Started = Main.QuizStartTime;
    for (QAction* Item : {Main.mnuOmgekeerd, Main.mnuTolerant, Main.mnuIntelliMC, Main.mnuSequential}) {
        Item->trigger();
        QCOMPARE(Main.State, Mode);
        QCOMPARE(List.RightAnswers, Right);
        QCOMPARE(List.WrongAnswers, Wrong);
        QCOMPARE(List.Rest, Rest);
        QCOMPARE(Main.QuizStartTime, Started);
    }
    QVERIFY(Main.timTijd->isActive());
    if (Mode == msFillInQuestion) {
        QCOMPARE(Main.pnlInvoer->findChild<QWidget*>(QStringLiteral("memInvoer")), QApplication::focusWidget());
        QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("Type het antwoord en sluit af met Enter (Esc=stoppen)"));
    }
}

void TestOptions::ShortcutsWhileTypingAnAnswer()
{
    TMainFixture Fixture;
    Open(Fixture, 6);
    TfrmMain& Main = *Fixture.Main;
    Main.mnuInvulvragen->trigger();
    QWidget* Memo = QApplication::focusWidget();
    QCOMPARE(Memo->objectName(), QStringLiteral("memInvoer"));
    QTest::keyClicks(Memo, QStringLiteral("ant"));
    // Ctrl+A reverses instead of selecting the typed text.
    QTest::keyClick(Memo, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(Main.mnuOmgekeerd->isChecked());
    QCOMPARE(Main.State, msFillInQuestion);
    QVERIFY(Main.lblVraagTekst->text().startsWith(QStringLiteral("antwoord")));
    QCOMPARE(QApplication::focusWidget(), Memo);

    QString Asked;
    TDialogScript Script;
    AnswerSampleSize(Script, QStringLiteral("4"), &Asked);
    QTest::keyClick(Memo, Qt::Key_K, Qt::ControlModifier);
    QVERIFY2(Script.Finished(), qPrintable(Script.Report()));
    QVERIFY(Main.mnuSteekproef->isChecked());
    QCOMPARE(Main.QuestionList.SampleSize, 4);
    QCOMPARE(Main.State, msFillInQuestion);
}

void TestOptions::ToggleAfterTheLastAnswerStartsANewRound()
{
    TMainFixture Fixture;
    Open(Fixture, 2);
    TfrmMain& Main = *Fixture.Main;
    TQuestionlist& List = Main.QuestionList;
    Main.mnuSequential->trigger();
    Main.mnuInvulvragen->trigger();
    for (const QString& Answer : {QStringLiteral("antwoord1"), QStringLiteral("fout")}) {
        QTest::keyClicks(QApplication::focusWidget(), Answer);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (List.Rest > 0)
            Type(Main, ' ');
    }
    QCOMPARE(Main.State, msFillInAnswered);
    QCOMPARE(List.Rest, 0);
    QCOMPARE(List.Sessions, 1);

    Main.mnuTolerant->trigger();
    QCOMPARE(Main.State, msFillInQuestion);
    QCOMPARE(List.Rest, 2);
    QCOMPARE(List.RightAnswers, 0);
    QCOMPARE(List.WrongAnswers, 0);
    QVERIFY(!Main.pnlKlaar->isVisible());
}

void TestOptions::ToggleOutsideAQuizChangesNoState()
{
    TMainFixture Fixture;
    Open(Fixture, 4);
    TfrmMain& Main = *Fixture.Main;
    QCOMPARE(Main.State, msIdle);
    Main.mnuOmgekeerd->trigger();
    Main.mnuSequential->trigger();
    QCOMPARE(Main.State, msIdle);
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("Kies memorantmethode: Training, Meerkeuze, of Invullen"));
    QVERIFY(Main.mnuOmgekeerd->isChecked());
    QCOMPARE(Main.QuestionList.RightAnswers + Main.QuestionList.WrongAnswers, 0);
}

// Repeating errors puts the wrong answers back into the round at once; the
// status bar says so right away, not at the next key.
void TestOptions::OptionChangeRefreshesTheStatusBar()
{
    TMainFixture Fixture;
    Open(Fixture, 6);
    TfrmMain& Main = *Fixture.Main;
    Main.mnuInvulvragen->trigger();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("fout"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(Main.QuestionList.WrongAnswers, 1);
    QCOMPARE(Main.StatusPanels[1]->text(), QStringLiteral("rest: 5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(Main.mnuRepeteren->isChecked());
    QCOMPARE(Main.QuestionList.Rest, 6);
    QCOMPARE(Main.StatusPanels[1]->text(), QStringLiteral("rest: 6"));
}

// A ticked option shows a tick in its menu, an unticked one nothing: the
// pictures of the toolbar buttons stay out of the menu.
void TestOptions::OptionsMenuShowsTicksNotPictures()
{
    TMainFixture Fixture;
    Open(Fixture, 6);
    TfrmMain& Main = *Fixture.Main;
    Main.mnuOmgekeerd->trigger();
    QCOMPARE(Ticks(Main), QStringLiteral("100000"));
    QMenu* Menu = Main.mnuOpties;
    Menu->popup(Main.mapToGlobal(QPoint(20, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(Menu));
    Menu->setActiveAction(nullptr);
    const QImage Image = Menu->grab().toImage();
    Menu->close();
    // The square at the left of an item, where a tick goes.
    const auto TickPlace = [&](const QAction* Item) {
        const QRect Row = Menu->actionGeometry(const_cast<QAction*>(Item));
        return Image.copy(Row.left() + 1, Row.top() + 1, Row.height() - 2, Row.height() - 2);
    };
    const QImage Blank = TickPlace(Main.mnuIntelliMC); // unticked, and no picture of its own
    QVERIFY(!Blank.isNull());
    QCOMPARE(Blank.pixel(Blank.width() / 2, Blank.height() / 2), Blank.pixel(1, 1));
    for (const QAction* Unticked : {Main.mnuRepeteren, Main.mnuTolerant, Main.mnuSteekproef, Main.mnuSequential})
        QVERIFY2(TickPlace(Unticked) == Blank, qPrintable(Unticked->objectName()));
    QVERIFY(TickPlace(Main.mnuOmgekeerd) != Blank);
}

// The mean grey value (0 black .. 255 white) of how Button looks now.
double Brightness(QWidget* Button)
{
    const QImage Image = Button->grab().toImage();
    double Sum = 0;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            Sum += qGray(Image.pixel(X, Y));
    return Sum / std::max(1, Image.width() * Image.height());
}

void TestOptions::ToolbarShowsDownAndDisabledButtonsPlainly()
{
    TMainFixture Fixture;
    Open(Fixture, 3); // too few entries for multiple choice
    TfrmMain& Main = *Fixture.Main;
    const double Up = Brightness(Main.btnRepeteren);
    Main.mnuRepeteren->trigger();
    QVERIFY(Main.btnRepeteren->isChecked());
    const double Down = Brightness(Main.btnRepeteren);
    QVERIFY2(Up - Down > 30, qPrintable(QStringLiteral("up %1, down %2").arg(Up).arg(Down)));

    QVERIFY(!Main.btnMeerkeuze->isEnabled());
    QVERIFY(Main.btnInvullen->isEnabled());
    const double Enabled = Brightness(Main.btnInvullen);
    const double Disabled = Brightness(Main.btnMeerkeuze);
    QVERIFY2(Enabled - Disabled > 60, qPrintable(QStringLiteral("enabled %1, disabled %2").arg(Enabled).arg(Disabled)));
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
