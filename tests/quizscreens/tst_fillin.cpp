// SPDX-License-Identifier: GPL-3.0-or-later
// The fill-in screen: typed answers, the verdict colours, the answer and
// hint buttons and the step to the next question.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "quizscreens/fillinpanel.h"
#include "app/frmmain.h"
#include "ui/memo.h"
#include "ui/uistyle.h"
#include "formats/wintext.h"
#include "files/dialogscript.h"
#include "files/mainfixture.h"

namespace {

const QString GoOn = QStringLiteral("druk op de spatiebalk...");
const QString TypePrompt = QStringLiteral("Type het antwoord en sluit af met Enter (Esc=stoppen)");
const QString Notice = QStringLiteral("Accenttoetsen zijn als in Word: Ctrl + ' \" ` ^ ~ , : gevolgd door een letter");
const QString ShownPrompt = QStringLiteral("Hier is het antwoord, probeer het nog eens");
const QString HintPrompt = QStringLiteral("Hier is een hint, vraag meer hints of probeer het nog eens");

// A fill-in quiz in table order on the given entries.
void StartFillIn(TMainFixture& Fixture, const QStringList& Lines, bool Tolerant = false)
{
    Fixture.Start();
    TfrmMain& Main = *Fixture.Main;
    Main.CarryOutCommandLine({Fixture.WriteTable(QStringLiteral("tabel.MT4"), Lines)});
    Main.mnuSequential->trigger();
    if (Tolerant)
        Main.mnuTolerant->trigger();
    Main.mnuInvulvragen->trigger();
}

TMemo* Input(TfrmMain& Main) { return Main.pnlInvoer->memInvoer; }

QString InputColour(TfrmMain& Main)
{
    const QColor Colour = Input(Main)->palette().color(QPalette::Base);
    if (Colour == QColor(0, 255, 255))
        return QStringLiteral("cyan");
    if (Colour == QColor(255, 255, 0))
        return QStringLiteral("yellow");
    if (Colour == QColor(255, 0, 0))
        return QStringLiteral("red");
    if (Colour == QColor(192, 192, 192))
        return QStringLiteral("grey");
    if (Colour == WindowColour())
        return QStringLiteral("window");
    return Colour.name();
}

QWidget* KeyTarget(TfrmMain& Main)
{
    QWidget* Focus = QApplication::focusWidget();
    return Focus ? Focus : &Main;
}

// Types Text where the keyboard focus is and presses Enter.
void Answer(TfrmMain& Main, const QString& Text)
{
    QTest::keyClicks(KeyTarget(Main), Text);
    QTest::keyClick(KeyTarget(Main), Qt::Key_Return);
}

void Space(TfrmMain& Main) { QTest::keyClick(KeyTarget(Main), Qt::Key_Space); }

} // namespace

class TestFillIn : public QObject {
    Q_OBJECT
private slots:
    void QuestionLayout();
    void WholeRoundByKeys();
    void BlanksAroundTheAnswerDoNotCount();
    void VerdictColours_data();
    void VerdictColours();
    void EmptyAnswerShowsTheAnswer();
    void IDoNotKnowButton();
    void HintsCostOneWrongAnswer();
    void TypedHintRequest();
    void HintAfterAWrongAnswer();
    void OnlySpaceGoesOn();
    void ButtonsAfterTheLastAnswerEndTheRound();
    void EscapeAnsweredNo();
};

void TestFillIn::QuestionLayout()
{
    TMainFixture Fixture;
    StartFillIn(Fixture, {QStringLiteral("huis = house"), QStringLiteral("boom = tree")});
    TfrmMain& Main = *Fixture.Main;
    QCOMPARE(Main.State, msFillInQuestion);
    QVERIFY(Main.pnlInvoer->isVisible());
    QCOMPARE(Main.lblPrompt1->text(), TypePrompt);
    QCOMPARE(Main.lblPrompt2->text(), Notice);
    QCOMPARE(QApplication::focusWidget(), Input(Main));
    QCOMPARE(InputColour(Main), QStringLiteral("window"));
    QCOMPARE(Main.lblVraagTekst->text(), QStringLiteral("huis"));
    QVERIFY(Main.pnlInvoer->btnToonAntwoord->isEnabled());
    QVERIFY(Main.pnlInvoer->btnToonHint->isEnabled());

    // The memo holds at most 152 characters.
    QTest::keyClicks(Input(Main), QString(160, u'x'));
    QCOMPARE(Input(Main)->toPlainText().size(), 152);
}

void TestFillIn::WholeRoundByKeys()
{
    TMainFixture Fixture;
    StartFillIn(Fixture, {QStringLiteral("huis = house"), QStringLiteral("boom = tree"),
                          QStringLiteral("kat = cat")});
    TfrmMain& Main = *Fixture.Main;
    TQuestionlist& List = Main.QuestionList;

    Answer(Main, QStringLiteral("house"));
    QCOMPARE(Main.State, msFillInAnswered);
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("GOED"));
    QCOMPARE(Main.lblPrompt2->text(), GoOn);
    QCOMPARE(Main.lblAntwoordTekst->text(), QStringLiteral("house"));
    QCOMPARE(Input(Main)->toPlainText(), QStringLiteral("house")); // Enter adds no line break
    QVERIFY(!Main.pnlInvoer->btnToonAntwoord->isEnabled());
    QVERIFY(Main.pnlInvoer->btnToonHint->isEnabled());
    Space(Main);

    QCOMPARE(Main.State, msFillInQuestion);
    QCOMPARE(Main.lblVraagTekst->text(), QStringLiteral("boom"));
    QCOMPARE(Input(Main)->toPlainText(), QString());
    QCOMPARE(InputColour(Main), QStringLiteral("window"));
    QCOMPARE(Main.lblAntwoordTekst->text(), QString());
    Answer(Main, QStringLiteral("bush"));
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("onjuist"));
    QCOMPARE(Main.lblAntwoordTekst->text(), QStringLiteral("tree"));
    Space(Main);

    Answer(Main, QStringLiteral("cat"));
    QCOMPARE(List.Rest, 0);
    QCOMPARE(Main.State, msFillInAnswered);
    QCOMPARE(Main.StatusPanels[2]->text(), QStringLiteral("goed: 2"));
    QCOMPARE(Main.StatusPanels[3]->text(), QStringLiteral("fout: 1"));
    QTest::keyClick(KeyTarget(Main), Qt::Key_X);
    QCOMPARE(Main.State, msFinished);
    QCOMPARE(List.Sessions, 1);
}

void TestFillIn::BlanksAroundTheAnswerDoNotCount()
{
    TMainFixture Fixture;
    StartFillIn(Fixture, {QStringLiteral("huis = het huis"), QStringLiteral("boom = tree")});
    TfrmMain& Main = *Fixture.Main;
    Answer(Main, QStringLiteral("   het huis  "));
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("GOED"));
    Space(Main);
    // Inner blanks do count.
    Answer(Main, QStringLiteral(" tr ee "));
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("onjuist"));
    QCOMPARE(Main.QuestionList.RightAnswers, 1);
    QCOMPARE(Main.QuestionList.WrongAnswers, 1);
}

void TestFillIn::VerdictColours_data()
{
    QTest::addColumn<QString>("Typed");
    QTest::addColumn<bool>("Tolerant");
    QTest::addColumn<QString>("Prompt");
    QTest::addColumn<QString>("Colour");
    QTest::addColumn<int>("Right");
    QTest::newRow("right") << "couch" << false << "GOED" << "cyan" << 1;
    QTest::newRow("other entry") << "bench" << false << "Ik dacht aan iets anders, maar dit is ook goed" << "cyan" << 1;
    QTest::newRow("misspelled") << "Couch" << true << "Verkeerd gespeld, antwoord lijkt wel goed" << "yellow" << 1;
    QTest::newRow("case without tolerance") << "Couch" << false << "onjuist" << "red" << 0;
    QTest::newRow("wrong") << "table" << true << "onjuist" << "red" << 0;
}

void TestFillIn::VerdictColours()
{
    QFETCH(QString, Typed);
    QFETCH(bool, Tolerant);
    QFETCH(QString, Prompt);
    QFETCH(QString, Colour);
    QFETCH(int, Right);
    TMainFixture Fixture;
    StartFillIn(Fixture, {QStringLiteral("bank = couch"), QStringLiteral("bank = bench"),
                          QStringLiteral("stoel = chair")}, Tolerant);
    TfrmMain& Main = *Fixture.Main;
    Answer(Main, Typed);
    QCOMPARE(Main.lblPrompt1->text(), Prompt);
    QCOMPARE(InputColour(Main), Colour);
    QCOMPARE(Main.lblAntwoordTekst->text(), QStringLiteral("couch"));
    QCOMPARE(Main.QuestionList.RightAnswers, Right);
    QCOMPARE(Main.QuestionList.WrongAnswers, 1 - Right);
    QCOMPARE(Main.QuestionList.Rest, 2); // a typed answer is not asked again
}

void TestFillIn::EmptyAnswerShowsTheAnswer()
{
    TMainFixture Fixture;
    StartFillIn(Fixture, {QStringLiteral("huis = house"), QStringLiteral("boom = tree")});
    TfrmMain& Main = *Fixture.Main;
    TQuestionlist& List = Main.QuestionList;
    Answer(Main, QStringLiteral("   "));
    QCOMPARE(Main.State, msFillInAnswered);
    QCOMPARE(Main.lblPrompt1->text(), ShownPrompt);
    QCOMPARE(Main.lblPrompt2->text(), GoOn);
    QCOMPARE(InputColour(Main), QStringLiteral("grey"));
    QCOMPARE(Main.lblAntwoordTekst->text(), QStringLiteral("house"));
    QCOMPARE(List.WrongAnswers, 1);
    QCOMPARE(Main.StatusPanels[3]->text(), QStringLiteral("fout: 1"));
    Space(Main);
    QCOMPARE(Main.lblVraagTekst->text(), QStringLiteral("huis")); // the same question again
    Answer(Main, QStringLiteral("house"));
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("GOED"));
    QCOMPARE(List.RightAnswers, 0); // answered after seeing it: not counted right
    QCOMPARE(List.Rest, 1);
    Space(Main);
    QCOMPARE(Main.lblVraagTekst->text(), QStringLiteral("boom"));
}

void TestFillIn::IDoNotKnowButton()
{
    TMainFixture Fixture;
    StartFillIn(Fixture, {QStringLiteral("huis = house"), QStringLiteral("boom = tree")});
    TfrmMain& Main = *Fixture.Main;
    QTest::keyClicks(Input(Main), QStringLiteral("hou"));
    QTest::mouseClick(Main.pnlInvoer->btnToonAntwoord, Qt::LeftButton);
    QCOMPARE(Main.State, msFillInAnswered);
    QCOMPARE(Input(Main)->toPlainText(), QString());
    QCOMPARE(Main.lblPrompt1->text(), ShownPrompt);
    QCOMPARE(Main.lblAntwoordTekst->text(), QStringLiteral("house"));
    QCOMPARE(Main.QuestionList.WrongAnswers, 1);
    QVERIFY(!Main.pnlInvoer->btnToonAntwoord->isEnabled());

    // Alt and the marked letter press it too.
    Space(Main);
    QTest::keyClick(KeyTarget(Main), Qt::Key_I, Qt::AltModifier);
    QTRY_COMPARE(Main.State, msFillInAnswered);
    QCOMPARE(Main.lblPrompt1->text(), ShownPrompt);
    QCOMPARE(Main.QuestionList.WrongAnswers, 2);
}

void TestFillIn::HintsCostOneWrongAnswer()
{
    TMainFixture Fixture;
    StartFillIn(Fixture, {QStringLiteral("huis = house"), QStringLiteral("boom = tree")});
    TfrmMain& Main = *Fixture.Main;
    TQuestionlist& List = Main.QuestionList;
    QTest::mouseClick(Main.pnlInvoer->btnToonHint, Qt::LeftButton);
    QCOMPARE(Main.State, msFillInAnswered);
    QCOMPARE(Main.lblAntwoordTekst->text(), QStringLiteral("h . . . ."));
    QCOMPARE(Main.lblPrompt1->text(), HintPrompt);
    QCOMPARE(Main.lblPrompt2->text(), GoOn);
    QCOMPARE(InputColour(Main), QStringLiteral("grey"));
    QCOMPARE(List.WrongAnswers, 1);

    QTest::mouseClick(Main.pnlInvoer->btnToonHint, Qt::LeftButton);
    QCOMPARE(Main.lblAntwoordTekst->text(), QStringLiteral("ho . . ."));
    QCOMPARE(List.WrongAnswers, 1);
    Space(Main);
    QCOMPARE(Main.lblVraagTekst->text(), QStringLiteral("huis"));
    QTest::keyClick(KeyTarget(Main), Qt::Key_H, Qt::AltModifier);
    QTRY_COMPARE(Main.lblAntwoordTekst->text(), QStringLiteral("hou . ."));
    QCOMPARE(List.WrongAnswers, 1);
    Space(Main);
    Answer(Main, QStringLiteral("house"));
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("GOED"));
    QCOMPARE(List.RightAnswers, 0);
    QCOMPARE(List.WrongAnswers, 1);
}

void TestFillIn::TypedHintRequest()
{
    TMainFixture Fixture;
    StartFillIn(Fixture, {QStringLiteral("huis = house"), QStringLiteral("boom = tree")});
    TfrmMain& Main = *Fixture.Main;
    Answer(Main, QStringLiteral(" *HINT* "));
    QCOMPARE(Main.lblPrompt1->text(), HintPrompt);
    QCOMPARE(Main.lblAntwoordTekst->text(), QStringLiteral("h . . . ."));
    QCOMPARE(Main.QuestionList.WrongAnswers, 1);
    Space(Main);
    Answer(Main, QStringLiteral("*hint*")); // judged as an answer
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("onjuist"));
    QCOMPARE(Main.lblAntwoordTekst->text(), QStringLiteral("house"));
    QCOMPARE(InputColour(Main), QStringLiteral("red"));
    QCOMPARE(Main.QuestionList.WrongAnswers, 2);
}

void TestFillIn::HintAfterAWrongAnswer()
{
    TMainFixture Fixture;
    StartFillIn(Fixture, {QStringLiteral("huis = house"), QStringLiteral("boom = tree")});
    TfrmMain& Main = *Fixture.Main;
    Answer(Main, QStringLiteral("home"));
    QCOMPARE(Main.QuestionList.WrongAnswers, 1);
    QTest::mouseClick(Main.pnlInvoer->btnToonHint, Qt::LeftButton);
    QCOMPARE(Main.lblPrompt1->text(), HintPrompt);
    QCOMPARE(Main.QuestionList.WrongAnswers, 2);
    Space(Main);
    QCOMPARE(Main.lblVraagTekst->text(), QStringLiteral("huis"));
}

void TestFillIn::OnlySpaceGoesOn()
{
    TMainFixture Fixture;
    StartFillIn(Fixture, {QStringLiteral("huis = house"), QStringLiteral("boom = tree")});
    TfrmMain& Main = *Fixture.Main;
    Answer(Main, QStringLiteral("hose"));
    QTest::keyClicks(KeyTarget(Main), QStringLiteral("abc"));
    QTest::keyClick(KeyTarget(Main), Qt::Key_Return);
    QTest::keyClick(KeyTarget(Main), Qt::Key_Backspace);
    QCOMPARE(Input(Main)->toPlainText(), QStringLiteral("hose"));
    QCOMPARE(Main.State, msFillInAnswered);
    QCOMPARE(Main.QuestionList.WrongAnswers, 1);
    Space(Main);
    QCOMPARE(Main.State, msFillInQuestion);
    QCOMPARE(Input(Main)->toPlainText(), QString()); // the space itself is no input
}

void TestFillIn::ButtonsAfterTheLastAnswerEndTheRound()
{
    TMainFixture Fixture;
    StartFillIn(Fixture, {QStringLiteral("huis = house")});
    TfrmMain& Main = *Fixture.Main;
    TQuestionlist& List = Main.QuestionList;
    Answer(Main, QStringLiteral("house"));
    QCOMPARE(List.Rest, 0);
    QCOMPARE(List.Sessions, 1);
    QTest::mouseClick(Main.pnlInvoer->btnToonHint, Qt::LeftButton);
    QCOMPARE(Main.State, msFinished);
    QCOMPARE(List.Sessions, 1);
    QCOMPARE(List.WrongAnswers, 0);
    QCOMPARE(List.RightAnswers, 1);
}

void TestFillIn::EscapeAnsweredNo()
{
    TMainFixture Fixture;
    StartFillIn(Fixture, {QStringLiteral("huis = house"), QStringLiteral("boom = tree")});
    TfrmMain& Main = *Fixture.Main;
    QTest::keyClicks(Input(Main), QStringLiteral("hou"));
    {
        TDialogScript Script;
        Script.AnswerNo(QStringLiteral("Deze memorant-sessie afbreken?"));
        QTest::keyClick(KeyTarget(Main), Qt::Key_Escape);
        QVERIFY2(Script.Finished(), qPrintable(Script.Report()));
    }
    QCOMPARE(Main.State, msFillInQuestion);
    QCOMPARE(Input(Main)->toPlainText(), QStringLiteral("hou"));
    QCOMPARE(Main.lblVraagTekst->text(), QStringLiteral("huis"));
    Main.activateWindow(); // as the window manager does when the question closes
    QTRY_COMPARE(QApplication::focusWidget(), Input(Main)); // typing goes on where it was
    QTest::keyClicks(KeyTarget(Main), QStringLiteral("se"));
    QTest::keyClick(KeyTarget(Main), Qt::Key_Return);
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("GOED"));

    // In the answered state too the quiz stays as it was.
    {
        TDialogScript Script;
        Script.AnswerNo(QStringLiteral("Deze memorant-sessie afbreken?"));
        QTest::keyClick(KeyTarget(Main), Qt::Key_Escape);
        QVERIFY2(Script.Finished(), qPrintable(Script.Report()));
    }
    QCOMPARE(Main.State, msFillInAnswered);
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("GOED"));
}

QTEST_MAIN(TestFillIn)
#include "tst_fillin.moc"
