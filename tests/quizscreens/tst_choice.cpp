// SPDX-License-Identifier: GPL-3.0-or-later
// The multiple-choice screen, driven by keys and clicks as a user would.
#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>

#include "quizscreens/choicepanel.h"
#include "app/frmmain.h"
#include "quizscreens/resultspanel.h"
#include "ui/uistyle.h"
#include "formats/wintext.h"
#include "files/dialogscript.h"
#include "files/mainfixture.h"

namespace {

const QString ChoicePrompt = QStringLiteral("Kies juiste antwoord: 1, 2, 3, 4  (Esc=stoppen)");
const QString AbortQuestion = QStringLiteral("Deze memorant-sessie afbreken?");

const QStringList SixEntries{QStringLiteral("een = one"), QStringLiteral("twee = two"),
                             QStringLiteral("drie = three"), QStringLiteral("vier = four"),
                             QStringLiteral("vijf = five"), QStringLiteral("zes = six")};

void Open(TMainFixture& Fixture, const QStringList& Lines)
{
    Fixture.Start();
    Fixture.Main->CarryOutCommandLine({Fixture.WriteTable(QStringLiteral("tabel.MT4"), Lines)});
}

void TypeKey(TfrmMain& Main, char Key)
{
    QWidget* Focus = QApplication::focusWidget();
    QTest::keyClick(Focus ? Focus : &Main, Key);
}

void TypeKey(TfrmMain& Main, Qt::Key Key)
{
    QWidget* Focus = QApplication::focusWidget();
    QTest::keyClick(Focus ? Focus : &Main, Key);
}

QString ColourName(const QColor& Colour)
{
    if (Colour == QColor(0, 255, 255))
        return QStringLiteral("right");
    if (Colour == QColor(255, 0, 0))
        return QStringLiteral("chosen");
    if (Colour == QColor(255, 255, 0))
        return QStringLiteral("hover");
    if (Colour == ButtonFaceColour())
        return QStringLiteral("plain");
    return Colour.name();
}

QLabel* Alternative(TfrmMain& Main, int Row)
{
    return Main.pnlMeerkeuze->findChild<QLabel*>(QStringLiteral("lblAntwoord%1").arg(Row));
}

// The colours of the four alternatives, row 1 first.
QStringList RowColours(TfrmMain& Main)
{
    QStringList Names;
    for (int Row = 1; Row <= 4; ++Row)
        Names << ColourName(Alternative(Main, Row)->palette().color(QPalette::Window));
    return Names;
}

QStringList ExpectedColours(char Right, char Chosen)
{
    QStringList Names;
    for (char Row = '1'; Row <= '4'; ++Row)
        Names << (Row == Right ? QStringLiteral("right")
                  : Row == Chosen ? QStringLiteral("chosen")
                                  : QStringLiteral("plain"));
    return Names;
}

QStringList Alternatives(TfrmMain& Main)
{
    QStringList Texts;
    for (int Row = 1; Row <= 4; ++Row)
        Texts << Alternative(Main, Row)->text();
    return Texts;
}

// A row that holds a wrong alternative.
char WrongRow(const TQuestionlist& List) { return List.MCRightChoice == '1' ? '2' : '1'; }

} // namespace

class TestChoice : public QObject {
    Q_OBJECT
private slots:
    void WholeRoundByKeys();
    void WholeRoundByMouse();
    void OtherKeysDoNothing();
    void HoverOnlyWhileAsking();
    void EscapeAnsweredNo();
    void EscapeAnsweredYes();
    void TooFewAlternatives();
    void SoundAlikeShownAsWrongButCounted();
};

void TestChoice::WholeRoundByKeys()
{
    TMainFixture Fixture;
    Open(Fixture, SixEntries);
    TfrmMain& Main = *Fixture.Main;
    TQuestionlist& List = Main.QuestionList;
    Main.mnuMeerkeuzevragen->trigger();
    QCOMPARE(Main.State, msChoiceQuestion);
    QVERIFY(Main.pnlMeerkeuze->isVisible());

    // Digits, letters in both cases; right and wrong picks alternate.
    for (int Question = 0; Question < 6; ++Question) {
        QCOMPARE(Main.lblPrompt1->text(), QString());
        QCOMPARE(Main.lblPrompt2->text(), ChoicePrompt);
        QCOMPARE(RowColours(Main), ExpectedColours(0, 0));
        const QString Answer = WinToQt(List.CurrentAnswer());
        QVERIFY(Alternatives(Main).contains(Answer));
        QCOMPARE(Alternative(Main, List.MCRightChoice - '0')->text(), Answer);
        QCOMPARE(Main.lblAntwoordTekst->text(), QString());

        const char Right = List.MCRightChoice;
        const bool PickRight = Question % 2 == 0;
        const char Row = PickRight ? Right : WrongRow(List);
        const char Key = Question < 2 ? Row : static_cast<char>((Question < 4 ? 'a' : 'A') + Row - '1');
        TypeKey(Main, Key);

        QCOMPARE(Main.State, msChoiceAnswered);
        QCOMPARE(Main.lblAntwoordTekst->text(), Answer);
        if (PickRight) {
            QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("%1 = GOED").arg(Row));
            QCOMPARE(RowColours(Main), ExpectedColours(Right, 0));
        } else {
            QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("%1 = onjuist, het moest %2 zijn").arg(Row).arg(Right));
            QCOMPARE(RowColours(Main), ExpectedColours(Right, Row));
        }
        QCOMPARE(Main.lblPrompt2->text(), QStringLiteral("druk op de spatiebalk..."));
        QCOMPARE(List.RightAnswers, Question / 2 + 1);
        QCOMPARE(List.WrongAnswers, (Question + 1) / 2);
        if (Question < 5) {
            TypeKey(Main, ' ');
            QCOMPARE(Main.State, msChoiceQuestion);
        }
    }
    QCOMPARE(List.Rest, 0);
    QCOMPARE(Main.State, msChoiceAnswered); // the verdict stays until the next key
    TypeKey(Main, 'x');
    QCOMPARE(Main.State, msFinished);
    QVERIFY(Main.pnlKlaar->isVisible());
    QCOMPARE(List.Sessions, 1);
}

void TestChoice::WholeRoundByMouse()
{
    TMainFixture Fixture;
    Open(Fixture, SixEntries);
    TfrmMain& Main = *Fixture.Main;
    TQuestionlist& List = Main.QuestionList;
    QTest::mouseClick(Main.btnMeerkeuze, Qt::LeftButton);
    QCOMPARE(Main.State, msChoiceQuestion);
    QVERIFY(Main.btnMeerkeuze->isChecked());

    for (int Question = 0; Question < 6; ++Question) {
        const char Right = List.MCRightChoice;
        const char Row = Question % 3 == 2 ? WrongRow(List) : Right;
        if (Question % 2 == 0) {
            auto* Button = Main.pnlMeerkeuze->findChild<QToolButton*>(QStringLiteral("mcbtn%1").arg(Row));
            QTest::mouseClick(Button, Qt::LeftButton);
        } else {
            QTest::mouseClick(Alternative(Main, Row - '0'), Qt::LeftButton);
        }
        QCOMPARE(Main.State, msChoiceAnswered);
        QCOMPARE(RowColours(Main), ExpectedColours(Right, Row == Right ? 0 : Row));
        // Any click goes on: a button or an alternative.
        if (Question % 2 == 0)
            QTest::mouseClick(Alternative(Main, 4), Qt::LeftButton);
        else
            QTest::mouseClick(Main.pnlMeerkeuze->findChild<QToolButton*>(QStringLiteral("mcbtn1")), Qt::LeftButton);
        QCOMPARE(Main.State, Question < 5 ? msChoiceQuestion : msFinished);
    }
    QCOMPARE(List.RightAnswers, 4);
    QCOMPARE(List.WrongAnswers, 2);
    QVERIFY(Main.pnlKlaar->isVisible());
}

void TestChoice::OtherKeysDoNothing()
{
    TMainFixture Fixture;
    Open(Fixture, SixEntries);
    TfrmMain& Main = *Fixture.Main;
    Main.mnuMeerkeuzevragen->trigger();
    const QStringList Shown = Alternatives(Main);
    for (const char Key : {'5', 'E', 'e', ' ', '0'}) {
        TypeKey(Main, Key);
        QCOMPARE(Main.State, msChoiceQuestion);
    }
    TypeKey(Main, Qt::Key_Return);
    QCOMPARE(Main.State, msChoiceQuestion);
    QCOMPARE(Alternatives(Main), Shown);
    QCOMPARE(Main.QuestionList.RightAnswers + Main.QuestionList.WrongAnswers, 0);
}

void TestChoice::HoverOnlyWhileAsking()
{
    TMainFixture Fixture;
    Open(Fixture, SixEntries);
    TfrmMain& Main = *Fixture.Main;
    TQuestionlist& List = Main.QuestionList;
    Main.mnuMeerkeuzevragen->trigger();
    QLabel* Label = Alternative(Main, 3);
    const auto Enter = [Label] {
        QEnterEvent Event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(Label, &Event);
    };
    const auto Leave = [Label] {
        QEvent Event(QEvent::Leave);
        QApplication::sendEvent(Label, &Event);
    };
    Enter();
    QCOMPARE(ColourName(Label->palette().color(QPalette::Window)), QStringLiteral("hover"));
    Leave();
    QCOMPARE(ColourName(Label->palette().color(QPalette::Window)), QStringLiteral("plain"));

    // A pick while the mouse rests on a row leaves only the verdict colours.
    Enter();
    const char Right = List.MCRightChoice;
    TypeKey(Main, Right);
    QCOMPARE(RowColours(Main), ExpectedColours(Right, 0));
    Leave();
    Enter();
    QCOMPARE(RowColours(Main), ExpectedColours(Right, 0));
}

void TestChoice::EscapeAnsweredNo()
{
    TMainFixture Fixture;
    Open(Fixture, SixEntries);
    TfrmMain& Main = *Fixture.Main;
    TQuestionlist& List = Main.QuestionList;
    Main.mnuMeerkeuzevragen->trigger();
    const QStringList Shown = Alternatives(Main);
    const int Current = List.CurrentIndex();
    {
        TDialogScript Script;
        Script.AnswerNo(AbortQuestion);
        TypeKey(Main, Qt::Key_Escape);
        QVERIFY2(Script.Finished(), qPrintable(Script.Report()));
    }
    QCOMPARE(Main.State, msChoiceQuestion);
    QCOMPARE(List.CurrentIndex(), Current);
    QCOMPARE(Alternatives(Main), Shown);
    QCOMPARE(Main.lblPrompt2->text(), ChoicePrompt);

    // With the verdict shown, "Nee" lets the Esc go on like any key.
    TypeKey(Main, List.MCRightChoice);
    QCOMPARE(List.RightAnswers, 1);
    {
        TDialogScript Script;
        Script.AnswerNo(AbortQuestion);
        TypeKey(Main, Qt::Key_Escape);
        QVERIFY2(Script.Finished(), qPrintable(Script.Report()));
    }
    QCOMPARE(Main.State, msChoiceQuestion);
    QCOMPARE(RowColours(Main), ExpectedColours(0, 0));
    QCOMPARE(List.RightAnswers + List.WrongAnswers, 1);
}

void TestChoice::EscapeAnsweredYes()
{
    TMainFixture Fixture;
    Open(Fixture, SixEntries);
    TfrmMain& Main = *Fixture.Main;
    Main.mnuMeerkeuzevragen->trigger();
    TypeKey(Main, WrongRow(Main.QuestionList));
    TDialogScript Script;
    Script.AnswerYes(AbortQuestion);
    TypeKey(Main, Qt::Key_Escape);
    QVERIFY2(Script.Finished(), qPrintable(Script.Report()));
    QCOMPARE(Main.State, msAborted);
    QVERIFY(!Main.pnlMeerkeuze->isVisible());
    QCOMPARE(Main.QuestionList.WrongAnswers, 1);
}

void TestChoice::TooFewAlternatives()
{
    TMainFixture Fixture;
    Open(Fixture, {QStringLiteral("a = Huis"), QStringLiteral("b = huis"), QStringLiteral("c = boom"),
                   QStringLiteral("d = vis")});
    TfrmMain& Main = *Fixture.Main;
    QVERIFY(Main.mnuMeerkeuzevragen->isEnabled());
    QString Message;
    bool Plain = false; // one OK button, no icon
    TDialogScript Script;
    Script.Then(QStringLiteral("QMessageBox"), [&Message, &Plain](QWidget* Widget) {
        auto* Box = qobject_cast<QMessageBox*>(Widget);
        Message = Box->text();
        Plain = Box->icon() == QMessageBox::NoIcon && Box->buttons().size() == 1;
        Box->accept();
    });
    Main.mnuMeerkeuzevragen->trigger();
    QVERIFY2(Script.Finished(), qPrintable(Script.Report()));
    QCOMPARE(Message, QStringLiteral("Geen 4 antwoorden voor meerkeuze vragen"));
    QVERIFY(Plain);
    QCOMPARE(Main.State, msIdle);
    QVERIFY(!Main.pnlMeerkeuze->isVisible());
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("Kies memorantmethode: Training, Meerkeuze, of Invullen"));
}

void TestChoice::SoundAlikeShownAsWrongButCounted()
{
    TMainFixture Fixture;
    Open(Fixture, {QStringLiteral("dog = hond"), QStringLiteral("x = hont"), QStringLiteral("y = kat"),
                   QStringLiteral("z = vis")});
    TfrmMain& Main = *Fixture.Main;
    TQuestionlist& List = Main.QuestionList;
    Main.mnuSequential->trigger();
    Main.mnuTolerant->trigger();
    Main.mnuMeerkeuzevragen->trigger();
    QCOMPARE(WinToQt(List.CurrentQuestion()), QStringLiteral("dog"));
    const int Row = static_cast<int>(Alternatives(Main).indexOf(QStringLiteral("hont"))) + 1;
    QVERIFY(Row >= 1);
    const char Chosen = static_cast<char>('0' + Row);
    const char Right = List.MCRightChoice;
    TypeKey(Main, Chosen);
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("%1 = onjuist, het moest %2 zijn").arg(Chosen).arg(Right));
    QCOMPARE(RowColours(Main), ExpectedColours(Right, Chosen));
    QCOMPARE(List.RightAnswers, 1);
    QCOMPARE(List.WrongAnswers, 0);
    QCOMPARE(Main.StatusPanels[2]->text(), QStringLiteral("goed: 1"));
}

QTEST_MAIN(TestChoice)
#include "tst_choice.moc"
