// SPDX-License-Identifier: GPL-3.0-or-later
#include "quizscreens/choicepanel.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include "ui/commandguard.h"
#include "ui/mainstate.h"
#include "ui/quizdoor.h"
#include "ui/tablefont.h"
#include "ui/uistyle.h"
#include "formats/wintext.h"
#include "table/questionlist.h"

namespace {

const QColor RightColour(0, 255, 255);
const QColor WrongColour(255, 0, 0);
const QColor HoverColour(255, 255, 0);

constexpr int RowTops[4] = {4, 40, 76, 112};
const QString GoOnPrompt = QStringLiteral("druk op de spatiebalk...");

// The row digit of a key: 1-4 or A-D in either case; 0 for any other key.
char RowOfKey(char Key)
{
    if (Key >= 'a' && Key <= 'd')
        return static_cast<char>('1' + (Key - 'a'));
    if (Key >= 'A' && Key <= 'D')
        return static_cast<char>('1' + (Key - 'A'));
    if (Key >= '1' && Key <= '4')
        return Key;
    return 0;
}

} // namespace

TChoicePanel::TChoicePanel(QWidget* Parent, TQuizDoor& Door) : QFrame(Parent), Door(Door)
{
    ShapePanel(this, QStringLiteral("pnlMeerkeuze"), 529, 146);
    for (int Row = 0; Row < 4; ++Row) {
        QToolButton* Button = new QToolButton(this);
        Button->setObjectName(QStringLiteral("mcbtn%1").arg(Row + 1));
        Button->setText(QString::number(Row + 1));
        Button->setFont(ArialPixels(19, true));
        Button->setGeometry(4, RowTops[Row], 33, 30);
        Button->setFocusPolicy(Qt::NoFocus);
        ConnectCommand(Button, &QToolButton::clicked, this, [this, Row] { mcbtnClick(Row + 1); });
        mcbtn[Row] = Button;

        QLabel* Label = new QLabel(this);
        Label->setObjectName(QStringLiteral("lblAntwoord%1").arg(Row + 1));
        Label->setGeometry(40, RowTops[Row], 481, 30);
        Label->setAlignment(Qt::AlignCenter);
        Label->setWordWrap(true);
        Label->setTextFormat(Qt::PlainText);
        SetBackground(Label, ButtonFaceColour());
        Label->installEventFilter(this);
        lblAntwoord[Row] = Label;
    }
    for (int Line = 0; Line < 3; ++Line) {
        auto* Separator = new QFrame(this);
        Separator->setObjectName(QStringLiteral("SepLine%1").arg(Line + 1));
        Separator->setFrameShape(QFrame::HLine);
        Separator->setFrameShadow(QFrame::Sunken);
        Separator->setGeometry(6, 36 + 36 * Line, 517, 2);
    }
}

char TChoicePanel::ChoiceFromLabel(const QLabel* Label)
{
    const QString Name = Label->objectName();
    return Name.isEmpty() ? '\0' : static_cast<char>(Name.back().toLatin1());
}

void TChoicePanel::ShowQuestion()
{
    ClearColours();
    Door.SetPrompt(QString(), QStringLiteral("Kies juiste antwoord: 1, 2, 3, 4  (Esc=stoppen)"));
    const TQuestionlist& List = Door.Table();
    const TTableFont& Font = List.AFont();
    for (int Row = 0; Row < 4; ++Row) {
        ApplyColumnFont(lblAntwoord[Row], Font);
        SetTextColour(lblAntwoord[Row], QColor::fromRgb(Font.Color));
        lblAntwoord[Row]->setText(ColumnToQt(List.MCAnswer(Row + 1), Font.Charset));
    }
}

int TChoicePanel::ChoiceAnswerKey(char& Key)
{
    const char Choice = RowOfKey(Key);
    if (Choice == 0)
        return msChoiceQuestion;
    Key = 0; // the pick is no key for a control
    TQuestionlist& List = Door.Table();
    Door.ShowAnswerLine(ColumnToQt(List.CurrentAnswer(), List.AFont().Charset));
    const int Result = List.CheckMultiAnswer(Choice);
    ClearColours(); // a row under the mouse loses its hover colour
    PaintRow(List.MCRightChoice, RightColour);
    if (Result == arRight) {
        Door.SetPrompt(QChar::fromLatin1(Choice) + QStringLiteral(" = GOED"), GoOnPrompt);
    } else {
        PaintRow(Choice, WrongColour);
        Door.SetPrompt(QChar::fromLatin1(Choice) + QStringLiteral(" = onjuist, het moest %1 zijn")
                           .arg(QChar::fromLatin1(List.MCRightChoice)),
                       GoOnPrompt);
    }
    emit AnswerShown();
    return msChoiceAnswered;
}

// Any key goes on to the next question.
int TChoicePanel::ChoiceNextKey(char& Key)
{
    Key = 0;
    ClearColours();
    return msChoiceQuestion;
}

void TChoicePanel::mcbtnClick(int Row)
{
    char Key = static_cast<char>('A' + Row - 1);
    Door.HandleQuizKey(Key);
}

void TChoicePanel::lblAntwoordClick(QLabel* Label)
{
    char Key = ChoiceFromLabel(Label);
    Door.HandleQuizKey(Key);
}

void TChoicePanel::lblAntwoordMouseEnter(QLabel* Label)
{
    if (Door.CurrentState() == msChoiceQuestion)
        SetBackground(Label, HoverColour);
}

void TChoicePanel::lblAntwoordMouseExit(QLabel* Label)
{
    if (Door.CurrentState() == msChoiceQuestion)
        SetBackground(Label, ButtonFaceColour());
}

bool TChoicePanel::eventFilter(QObject* Watched, QEvent* Event)
{
    auto* Label = qobject_cast<QLabel*>(Watched);
    if (Label == nullptr)
        return QFrame::eventFilter(Watched, Event);
    switch (Event->type()) {
    case QEvent::Enter:
        lblAntwoordMouseEnter(Label);
        break;
    case QEvent::Leave:
        lblAntwoordMouseExit(Label);
        break;
    case QEvent::MouseButtonRelease: {
        const auto* Mouse = static_cast<QMouseEvent*>(Event);
        if (Mouse->button() == Qt::LeftButton && Label->rect().contains(Mouse->position().toPoint()))
            lblAntwoordClick(Label);
        return true;
    }
    default:
        break;
    }
    return QFrame::eventFilter(Watched, Event);
}

void TChoicePanel::PaintRow(char Row, const QColor& Colour)
{
    if (Row >= '1' && Row <= '4')
        SetBackground(lblAntwoord[static_cast<std::size_t>(Row - '1')], Colour);
}

void TChoicePanel::ClearColours()
{
    for (QLabel* Label : lblAntwoord)
        SetBackground(Label, ButtonFaceColour());
}
