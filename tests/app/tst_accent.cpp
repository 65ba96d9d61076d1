// SPDX-License-Identifier: GPL-3.0-or-later
// Accent keys typed through real key events into the fill-in memo, the
// editor's memos and the quiz keys.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "app/accentkeys.h"
#include "quizscreens/fillinpanel.h"
#include "app/frmmain.h"
#include "ui/memo.h"
#include "editor/btaccent.h"
#include "files/mainfixture.h"

namespace {

// One key stroke: an accent key or a typed character, with modifiers.
struct TStroke {
    Qt::Key Key = Qt::Key_unknown; // a key without a Latin-1 character
    char Typed = 0;                // or a character key
    Qt::KeyboardModifiers Modifiers;
};

TStroke Ctrl(Qt::Key Key) { return {Key, 0, Qt::ControlModifier}; }
TStroke CtrlShift(Qt::Key Key) { return {Key, 0, Qt::ControlModifier | Qt::ShiftModifier}; }
TStroke Char(char C)
{
    const bool Upper = C >= 'A' && C <= 'Z';
    return {Qt::Key_unknown, C, Upper ? Qt::ShiftModifier : Qt::NoModifier};
}
const TStroke Shift{Qt::Key_Shift, 0, Qt::ShiftModifier};

struct TCase {
    const char* Name;
    std::vector<TStroke> Strokes;
    QString Expected;
};

// The examples of the accent keys, including the keys of international
// layouts, which report dead keys.
const std::vector<TCase>& Cases()
{
    static const std::vector<TCase> List{
        {"Ctrl+' e", {Ctrl(Qt::Key_Apostrophe), Char('e')}, QStringLiteral("\u00E9")},
        {"Ctrl+' Shift+E", {Ctrl(Qt::Key_Apostrophe), Shift, Char('E')}, QStringLiteral("\u00C9")},
        {"Ctrl+: u", {CtrlShift(Qt::Key_Colon), Char('u')}, QStringLiteral("\u00FC")},
        {"Ctrl+Shift+; u", {CtrlShift(Qt::Key_Semicolon), Char('u')}, QStringLiteral("\u00FC")},
        {"Ctrl+\" u", {CtrlShift(Qt::Key_QuoteDbl), Char('u')}, QStringLiteral("\u00FC")},
        {"Ctrl+~ e", {CtrlShift(Qt::Key_AsciiTilde), Char('e')}, QStringLiteral("\u0153")},
        {"Ctrl+~ E", {CtrlShift(Qt::Key_AsciiTilde), Shift, Char('E')}, QStringLiteral("\u0152")},
        {"Ctrl+, a", {Ctrl(Qt::Key_Comma), Char('a')}, QStringLiteral("\u00E5")},
        {"Ctrl+, c", {Ctrl(Qt::Key_Comma), Char('c')}, QStringLiteral("\u00E7")},
        {"Ctrl+` y", {Ctrl(Qt::Key_QuoteLeft), Char('y')}, QStringLiteral("y")},
        {"Ctrl+` a", {Ctrl(Qt::Key_QuoteLeft), Char('a')}, QStringLiteral("\u00E0")},
        {"Ctrl+6 o", {Ctrl(Qt::Key_6), Char('o')}, QStringLiteral("\u00F4")},
        {"Ctrl+Shift+6 o", {CtrlShift(Qt::Key_AsciiCircum), Char('o')}, QStringLiteral("o")},
        {"Ctrl+' 1 e", {Ctrl(Qt::Key_Apostrophe), Char('1'), Char('e')}, QStringLiteral("1e")},
        {"Ctrl+' d", {Ctrl(Qt::Key_Apostrophe), Char('d')}, QStringLiteral("d")},
        {"Ctrl+' b s", {Ctrl(Qt::Key_Apostrophe), Char('b'), Ctrl(Qt::Key_6), Char('s')},
         QStringLiteral("\u00DF\u00DF")},
        {"Ctrl+' Ctrl+~ a", {Ctrl(Qt::Key_Apostrophe), CtrlShift(Qt::Key_AsciiTilde), Char('a')},
         QStringLiteral("\u00E1")},
        {"Ctrl+' Left n", {Ctrl(Qt::Key_Apostrophe), {Qt::Key_Left, 0, {}}, Char('n')}, QStringLiteral("\u00F1")},
        {"dead acute e", {Ctrl(Qt::Key_Dead_Acute), Char('e')}, QStringLiteral("\u00E9")},
        {"dead diaeresis Y", {CtrlShift(Qt::Key_Dead_Diaeresis), Shift, Char('Y')}, QStringLiteral("\u0178")},
        {"plain apostrophe", {{Qt::Key_unknown, '\'', {}}, Char('e')}, QStringLiteral("'e")},
    };
    return List;
}

void TypeStroke(QWidget* Target, const TStroke& Stroke)
{
    if (Stroke.Typed != 0)
        QTest::keyClick(Target, Stroke.Typed, Stroke.Modifiers);
    else if (Stroke.Key == Qt::Key_Shift)
        QTest::keyPress(Target, Qt::Key_Shift, Qt::ShiftModifier);
    else if (Stroke.Key >= Qt::Key_Dead_Grave && Stroke.Key <= Qt::Key_Dead_Longsolidusoverlay) {
        // Dead keys are beyond the test library's key table.
        QKeyEvent Press(QEvent::KeyPress, Stroke.Key, Stroke.Modifiers);
        QApplication::sendEvent(Target, &Press);
        QKeyEvent Release(QEvent::KeyRelease, Stroke.Key, Stroke.Modifiers);
        QApplication::sendEvent(Target, &Release);
    } else
        QTest::keyClick(Target, Stroke.Key, Stroke.Modifiers);
}

// Types every case into Memo, emptying it before each, and reports the
// cases that gave another text.
QStringList TypeCases(QPlainTextEdit* Memo)
{
    QStringList Failures;
    for (const TCase& Case : Cases()) {
        Memo->clear();
        for (const TStroke& Stroke : Case.Strokes)
            TypeStroke(Memo, Stroke);
        QTest::keyRelease(Memo, Qt::Key_Shift);
        if (Memo->toPlainText() != Case.Expected)
            Failures << QStringLiteral("%1 gave \"%2\" instead of \"%3\"")
                            .arg(QString::fromLatin1(Case.Name), Memo->toPlainText(), Case.Expected);
    }
    return Failures;
}

void Open(TMainFixture& Fixture, const QStringList& Lines)
{
    Fixture.Start();
    Fixture.Main->CarryOutCommandLine({Fixture.WriteTable(QStringLiteral("tabel.MT4"), Lines)});
}

const QStringList Table{QStringLiteral("een = one"), QStringLiteral("twee = two"), QStringLiteral("drie = three"),
                        QStringLiteral("vier = four"), QStringLiteral("vijf = five")};

} // namespace

class TestAccent : public QObject {
    Q_OBJECT
private slots:
    void init() { AccentFilter.PendingAccent = 0; }
    void VirtualKeysOfTheUsLayout();
    void IntoTheFillInMemo();
    void AccentedAnswerIsJudgedRight();
    void IntoTheEditorMemos();
    void InFrontOfTheQuizKeys();
};

void TestAccent::VirtualKeysOfTheUsLayout()
{
    const auto Code = [](Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::ControlModifier) {
        const QKeyEvent Event(QEvent::KeyPress, Key, Modifiers);
        return TAccentKeys::VirtualKey(&Event);
    };
    QCOMPARE(Code(Qt::Key_QuoteLeft), VK_OEM_3);
    QCOMPARE(Code(Qt::Key_AsciiTilde), VK_OEM_3);
    QCOMPARE(Code(Qt::Key_Apostrophe), VK_OEM_7);
    QCOMPARE(Code(Qt::Key_QuoteDbl), VK_OEM_7);
    QCOMPARE(Code(Qt::Key_6), VK_6);
    QCOMPARE(Code(Qt::Key_Semicolon), VK_OEM_1);
    QCOMPARE(Code(Qt::Key_Colon), VK_OEM_1);
    QCOMPARE(Code(Qt::Key_Comma), VK_OEM_COMMA);
    QCOMPARE(Code(Qt::Key_E), int('E'));
    QCOMPARE(Code(Qt::Key_Shift), 0);
    QCOMPARE(Code(Qt::Key_F1), 0);

    // Without Ctrl an accent key is an ordinary key.
    QKeyEvent Plain(QEvent::KeyPress, Qt::Key_Apostrophe, Qt::NoModifier, QStringLiteral("'"));
    TAccentKeys Keys;
    QVERIFY(!Keys.KeyDown(&Plain));
    QKeyEvent WithCtrl(QEvent::KeyPress, Qt::Key_Apostrophe, Qt::ControlModifier);
    QVERIFY(Keys.KeyDown(&WithCtrl));
    char Letter = 'o';
    Keys.KeyPress(Letter, 1252);
    QCOMPARE(Letter, '\xF3');
}

void TestAccent::IntoTheFillInMemo()
{
    TMainFixture Fixture;
    Open(Fixture, Table);
    TfrmMain& Main = *Fixture.Main;
    Main.mnuInvulvragen->trigger();
    TMemo* Memo = Main.pnlInvoer->memInvoer;
    QCOMPARE(QApplication::focusWidget(), Memo);
    const QStringList Failures = TypeCases(Memo);
    QVERIFY2(Failures.isEmpty(), qPrintable(Failures.join(u'\n')));
    QCOMPARE(Main.State, msFillInQuestion);
}

void TestAccent::AccentedAnswerIsJudgedRight()
{
    TMainFixture Fixture;
    Fixture.Start();
    TfrmMain& Main = *Fixture.Main;
    const QString File = Fixture.Path(QStringLiteral("frans.MT4"));
    TMainFixture::Write(File, "koffie = caf\xE9\r\nhart = c\x9Cur\r\n");
    Main.CarryOutCommandLine({File});
    Main.mnuSequential->trigger();
    Main.mnuInvulvragen->trigger();
    QWidget* Memo = Main.pnlInvoer->memInvoer;
    QTest::keyClicks(Memo, QStringLiteral("caf"));
    QTest::keyClick(Memo, Qt::Key_Apostrophe, Qt::ControlModifier);
    QTest::keyClick(Memo, 'e');
    QTest::keyClick(Memo, Qt::Key_Return);
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("GOED"));
    QTest::keyClick(Memo, ' ');
    QTest::keyClick(Memo, 'c');
    QTest::keyClick(Memo, Qt::Key_AsciiTilde, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClicks(Memo, QStringLiteral("eur"));
    QCOMPARE(Main.pnlInvoer->memInvoer->toPlainText(), QStringLiteral("c\u0153ur"));
    QTest::keyClick(Memo, Qt::Key_Return);
    QCOMPARE(Main.lblPrompt1->text(), QStringLiteral("GOED"));
    QCOMPARE(Main.QuestionList.RightAnswers, 2);
}

void TestAccent::IntoTheEditorMemos()
{
    TMainFixture Fixture;
    Open(Fixture, Table);
    TfrmMain& Main = *Fixture.Main;
    Main.mnuTabelbewerken->trigger();
    QCOMPARE(Main.State, msEdit);
    for (TMemo* Memo : {Main.memVraag, Main.memAntwoord}) {
        QVERIFY(Memo->isVisible());
        Memo->setFocus();
        const QStringList Failures = TypeCases(Memo);
        QVERIFY2(Failures.isEmpty(), qPrintable(Memo->objectName() + u'\n' + Failures.join(u'\n')));
    }
}

void TestAccent::InFrontOfTheQuizKeys()
{
    TMainFixture Fixture;
    Open(Fixture, Table);
    TfrmMain& Main = *Fixture.Main;
    Main.mnuMeerkeuzevragen->trigger();
    QWidget* Target = QApplication::focusWidget() ? QApplication::focusWidget() : &Main;
    // Ctrl+' then b gives ß, which picks nothing.
    QTest::keyClick(Target, Qt::Key_Apostrophe, Qt::ControlModifier);
    QTest::keyClick(Target, 'b');
    QCOMPARE(Main.State, msChoiceQuestion);
    // A digit passes the accent unchanged and picks its row.
    QTest::keyClick(Target, Qt::Key_Apostrophe, Qt::ControlModifier);
    QTest::keyClick(Target, '2');
    QCOMPARE(Main.State, msChoiceAnswered);
    QVERIFY(Main.lblPrompt1->text().startsWith(QStringLiteral("2 = ")));
    QCOMPARE(AccentFilter.PendingAccent, '\0');
}

QTEST_MAIN(TestAccent)
#include "tst_accent.moc"
