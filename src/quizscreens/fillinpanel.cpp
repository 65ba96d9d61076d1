// SPDX-License-Identifier: GPL-3.0-or-later
#include "quizscreens/fillinpanel.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

#include "ui/commandguard.h"
#include "ui/mainstate.h"
#include "ui/memo.h"
#include "ui/quizdoor.h"
#include "ui/tablefont.h"
#include "ui/uistyle.h"
#include "formats/wintext.h"
#include "editor/codepage.h"
#include "table/questionlist.h"

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

TFillInPanel::TFillInPanel(QWidget* Parent, TQuizDoor& Door) : QFrame(Parent), Door(Door)
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
    Door.SetPrompt(QStringLiteral("Type het antwoord en sluit af met Enter (Esc=stoppen)"), AccentNotice());
    SetInputColour(WindowColour());
    const TTableFont& Font = Door.Table().AFont();
    ApplyColumnFont(memInvoer, Font);
    SetTextColour(memInvoer, QColor::fromRgb(Font.Color));
    memInvoer->SetText(QString());
    memInvoer->setFocus();
}

int TFillInPanel::FillInAnswerKey(char& Key)
{
    if (Key != '\r')
        return msFillInQuestion;
    Key = 0; // no line break in the memo
    const std::string Typed = TypedAnswer();
    if (Typed == HintRequest) {
        GiveHint();
        return msFillInAnswered;
    }
    ShowInAnswerLine(Door.Table().CurrentAnswer());
    if (Typed.empty())
        ShowAnswer();
    else
        ShowVerdict(Door.Table().CheckAnswer(Typed));
    emit AnswerShown();
    return msFillInAnswered;
}

int TFillInPanel::FillInNextKey(char& Key)
{
    // Nothing reaches the memo while a verdict shows; the space only goes on.
    const bool GoOn = Key == ' ';
    Key = 0;
    return GoOn ? msFillInQuestion : msFillInAnswered;
}

void TFillInPanel::btnToonAntwoordClick() { AnswerWith(QString()); }

void TFillInPanel::btnToonHintClick() { AnswerWith(QString::fromLatin1(HintRequest)); }

// A hint may be asked for while a verdict shows, too: the step is taken
// here, whatever the state.
void TFillInPanel::AnswerWith(const QString& Text)
{
    if (RoundIsOver())
        return;
    memInvoer->SetText(Text);
    char Key = '\r';
    Door.TakeQuizStep(FillInAnswerKey(Key));
}

bool TFillInPanel::RoundIsOver()
{
    if (Door.Table().Rest > 0)
        return false;
    char Key = ' ';
    Door.HandleQuizKey(Key);
    return true;
}

std::string TFillInPanel::TypedAnswer() const
{
    // Characters without a byte in the answer column's code page can match
    // no answer; they become question marks so that the rest is still judged.
    const int CodePage = CodePageOfCharset(Door.Table().AFont().Charset);
    int Replaced = 0;
    return Trimmed(QtToWinReplacing(memInvoer->Text(), CodePage, Replaced));
}

void TFillInPanel::ShowInAnswerLine(const std::string& Text)
{
    Door.ShowAnswerLine(ColumnToQt(Text, Door.Table().AFont().Charset));
}

void TFillInPanel::ShowVerdict(int Result)
{
    switch (Result) {
    case arRight:
        Door.SetPrompt(QStringLiteral("GOED"), GoOnPrompt);
        SetInputColour(RightColour);
        break;
    case arOtherRight:
        Door.SetPrompt(QStringLiteral("Ik dacht aan iets anders, maar dit is ook goed"), GoOnPrompt);
        SetInputColour(RightColour);
        break;
    case arMisspelled:
        Door.SetPrompt(QStringLiteral("Verkeerd gespeld, antwoord lijkt wel goed"), GoOnPrompt);
        SetInputColour(MisspelledColour);
        break;
    default:
        Door.SetPrompt(QStringLiteral("onjuist"), GoOnPrompt);
        SetInputColour(WrongColour);
        break;
    }
}

// An empty answer: the answer is shown, counted wrong once, and the same
// question comes back.
void TFillInPanel::ShowAnswer()
{
    Door.SetPrompt(QStringLiteral("Hier is het antwoord, probeer het nog eens"), GoOnPrompt);
    SetInputColour(ShownColour);
    TQuestionlist& List = Door.Table();
    List.AskAgain();
    List.RegisterResult(arWrong);
}

// One more letter of the answer; only the first hint of a question costs a
// wrong answer.
void TFillInPanel::GiveHint()
{
    TQuestionlist& List = Door.Table();
    std::string Hint;
    List.Hint(Hint);
    ShowInAnswerLine(Hint);
    List.HintLetters += 1;
    Door.SetPrompt(QStringLiteral("Hier is een hint, vraag meer hints of probeer het nog eens"), GoOnPrompt);
    SetInputColour(ShownColour);
    List.AskAgain();
    if (List.HintLetters == 1)
        List.RegisterResult(arWrong);
}

void TFillInPanel::SetInputColour(const QColor& Colour)
{
    SetBackground(memInvoer, Colour);
}
