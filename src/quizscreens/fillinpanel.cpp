// SPDX-License-Identifier: GPL-3.0-or-later
#include "quizscreens/fillinpanel.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

#include "ui/commandguard.h"
#include "app/frmmain.h"
#include "ui/memo.h"
#include "ui/tablefont.h"
#include "ui/uistyle.h"
#include "formats/wintext.h"
#include "editor/codepage.h"

namespace {

const QColor RightColour(0, 255, 255);
const QColor MisspelledColour(255, 255, 0);
const QColor WrongColour(255, 0, 0);
const QColor ShownColour(192, 192, 192);

const QString GoOnPrompt = QStringLiteral("druk op de spatiebalk...");

// Text without the blanks and control characters at either end.
std::string Trimmed(const std::string& Text)
{
    const auto IsBlank = [](char C) { return static_cast<unsigned char>(C) <= 32; };
    std::size_t First = 0;
    std::size_t Last = Text.size();
    while (First < Last && IsBlank(Text[First]))
        ++First;
    while (Last > First && IsBlank(Text[Last - 1]))
        --Last;
    return Text.substr(First, Last - First);
}

QToolButton* MakeButton(QWidget* Parent, const char* Name, const QString& Caption, int Left,
                        const QString& Hint)
{
    auto* Button = new QToolButton(Parent);
    Button->setObjectName(QString::fromLatin1(Name));
    Button->setText(Caption);
    Button->setToolTip(Hint);
    Button->setGeometry(Left, 12, 101, 30);
    Button->setFocusPolicy(Qt::NoFocus);
    return Button;
}

} // namespace

TFillInPanel::TFillInPanel(TfrmMain& Main) : QFrame(Main.centralWidget()), Main(Main)
{
    ShapePanel(this, QStringLiteral("pnlInvoer"), 529, 146);
    invlblPrompt1 = MakeLabel(this, QStringLiteral("invlblPrompt1"), QStringLiteral("Type het antwoord:"),
                              ArialPixels(13, true));
    invlblPrompt1->move(24, 40);
    btnToonHint = MakeButton(this, "btnToonHint", QStringLiteral("Geef &hints"), 292,
        QStringLiteral("Als je het antwoord niet weet, kun je 1 of meer keren hierop klikken. Je krijgt dan "
                       "steeds meer letters van het antwoord te zien en je krijgt dezelfde vraag nogmaals"));
    btnToonAntwoord = MakeButton(this, "btnToonAntwoord", QStringLiteral("&Ik weet het niet"), 404,
        QStringLiteral("Als je het antwoord niet weet, kun je hierop klikken, of op de ENTER toets drukken "
                       "zonder iets in te vullen. Het antwoord wordt dan getoond en je krijgt dezelfde vraag "
                       "nogmaals"));
    ConnectCommand(btnToonHint, &QToolButton::clicked, this, &TFillInPanel::btnToonHintClick);
    ConnectCommand(btnToonAntwoord, &QToolButton::clicked, this, &TFillInPanel::btnToonAntwoordClick);
    memInvoer = new TMemo(this);
    memInvoer->setObjectName(QStringLiteral("memInvoer"));
    memInvoer->setGeometry(24, 64, 481, 49);
    memInvoer->SetMaxLength(MaxTextLength);
    memInvoer->setFrameShape(QFrame::StyledPanel);
}

QString TFillInPanel::AccentNotice()
{
    return QStringLiteral("Accenttoetsen zijn als in Word: Ctrl + ' \" ` ^ ~ , : gevolgd door een letter");
}

void TFillInPanel::ShowQuestion()
{
    Main.SetPrompt(QStringLiteral("Type het antwoord en sluit af met Enter (Esc=stoppen)"), AccentNotice());
    SetInputColour(WindowColour());
    const TTableFont& Font = Main.QuestionList.AFont();
    ApplyColumnFont(memInvoer, Font);
    SetTextColour(memInvoer, QColor::fromRgb(Font.Color));
    memInvoer->SetText(QString());
    memInvoer->setFocus();
}

void TFillInPanel::FillInAnswerKey(char& Key)
{
    if (Key != '\r')
        return;
    Key = 0; // no line break in the memo
    const std::string Typed = TypedAnswer();
    if (Typed == HintRequest) {
        GiveHint();
        return;
    }
    ShowInAnswerLine(Main.QuestionList.CurrentAnswer());
    if (Typed.empty()) {
        ShowAnswer();
        return;
    }
    ShowVerdict(Main.QuestionList.CheckAnswer(Typed));
    Main.State = msFillInAnswered;
    emit AnswerShown();
}

void TFillInPanel::FillInNextKey(char& Key)
{
    // Nothing reaches the memo while a verdict shows; the space only goes on.
    const bool GoOn = Key == ' ';
    Key = 0;
    if (!GoOn)
        return;
    Main.State = msFillInQuestion;
    Main.ShowNextQuestion();
}

void TFillInPanel::btnToonAntwoordClick()
{
    if (RoundIsOver())
        return;
    memInvoer->SetText(QString());
    char Key = '\r';
    FillInAnswerKey(Key);
}

void TFillInPanel::btnToonHintClick()
{
    if (RoundIsOver())
        return;
    memInvoer->SetText(QString::fromLatin1(HintRequest));
    char Key = '\r';
    FillInAnswerKey(Key);
}

bool TFillInPanel::RoundIsOver()
{
    if (Main.QuestionList.Rest > 0)
        return false;
    char Key = ' ';
    Main.HandleQuizKey(Key);
    return true;
}

std::string TFillInPanel::TypedAnswer() const
{
    // Characters without a byte in the answer column's code page can match
    // no answer; they become question marks so that the rest is still judged.
    const int CodePage = CodePageOfCharset(Main.QuestionList.AFont().Charset);
    int Replaced = 0;
    return Trimmed(QtToWinReplacing(memInvoer->Text(), CodePage, Replaced));
}

void TFillInPanel::ShowInAnswerLine(const std::string& Text)
{
    const QString Shown = ColumnToQt(Text, Main.QuestionList.AFont().Charset);
    Main.memAntwoord->SetText(Shown);
    Main.lblAntwoordTekst->setText(Shown);
}

void TFillInPanel::ShowVerdict(int Result)
{
    switch (Result) {
    case arRight:
        Main.SetPrompt(QStringLiteral("GOED"), GoOnPrompt);
        SetInputColour(RightColour);
        break;
    case arOtherRight:
        Main.SetPrompt(QStringLiteral("Ik dacht aan iets anders, maar dit is ook goed"), GoOnPrompt);
        SetInputColour(RightColour);
        break;
    case arMisspelled:
        Main.SetPrompt(QStringLiteral("Verkeerd gespeld, antwoord lijkt wel goed"), GoOnPrompt);
        SetInputColour(MisspelledColour);
        break;
    default:
        Main.SetPrompt(QStringLiteral("onjuist"), GoOnPrompt);
        SetInputColour(WrongColour);
        break;
    }
}

// An empty answer: the answer is shown, counted wrong once, and the same
// question comes back.
void TFillInPanel::ShowAnswer()
{
    Main.SetPrompt(QStringLiteral("Hier is het antwoord, probeer het nog eens"), GoOnPrompt);
    SetInputColour(ShownColour);
    TQuestionlist& List = Main.QuestionList;
    List.AskAgain();
    List.RegisterResult(arWrong);
    Main.State = msFillInAnswered;
    Main.UpdateCommandStates();
    emit AnswerShown();
}

// One more letter of the answer; only the first hint of a question costs a
// wrong answer.
void TFillInPanel::GiveHint()
{
    TQuestionlist& List = Main.QuestionList;
    std::string Hint;
    List.Hint(Hint);
    ShowInAnswerLine(Hint);
    List.HintLetters += 1;
    Main.SetPrompt(QStringLiteral("Hier is een hint, vraag meer hints of probeer het nog eens"), GoOnPrompt);
    SetInputColour(ShownColour);
    List.AskAgain();
    if (List.HintLetters == 1)
        List.RegisterResult(arWrong);
    Main.State = msFillInAnswered;
    Main.UpdateCommandStates();
}

void TFillInPanel::SetInputColour(const QColor& Colour)
{
    SetBackground(memInvoer, Colour);
}
