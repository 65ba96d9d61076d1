// SPDX-License-Identifier: GPL-3.0-or-later
#include "quizscreens/trainingpanel.h"

#include <QToolButton>

#include "ui/commandguard.h"
#include "ui/mainstate.h"
#include "ui/quizdoor.h"
#include "ui/uistyle.h"
#include "formats/wintext.h"
#include "table/questionlist.h"

namespace {

QToolButton* MakeButton(QWidget* Parent, const char* Name, const QString& Caption, int Left, int Top,
                        const QColor& Colour)
{
    auto* Button = new QToolButton(Parent);
    Button->setObjectName(QString::fromLatin1(Name));
    Button->setText(Caption);
    Button->setGeometry(Left, Top, 185, 30);
    Button->setFont(ArialPixels(16, true));
    Button->setFocusPolicy(Qt::NoFocus);
    SetTextColour(Button, Colour);
    return Button;
}

} // namespace

TTrainingPanel::TTrainingPanel(QWidget* Parent, TQuizDoor& Door) : QFrame(Parent), Door(Door)
{
    ShapePanel(this, QStringLiteral("pnlTraining"), 529, 146);
    btnAntwoord = MakeButton(this, "btnAntwoord", QStringLiteral("&Antwoord tonen"), 172, 20, Qt::black);
    btnFout = MakeButton(this, "btnFout", QStringLiteral("Antwoord is &Fout"), 52, 64, MaroonColour());
    btnGoed = MakeButton(this, "btnGoed", QStringLiteral("Antwoord is &Goed"), 296, 64, QColor(0, 128, 0));
    ConnectCommand(btnAntwoord, &QToolButton::clicked, this, &TTrainingPanel::btnAntwoordClick);
    ConnectCommand(btnFout, &QToolButton::clicked, this, &TTrainingPanel::btnFoutClick);
    ConnectCommand(btnGoed, &QToolButton::clicked, this, &TTrainingPanel::btnGoedClick);
}

void TTrainingPanel::SetButtonStates(int State)
{
    btnAntwoord->setEnabled(State == msTrainingQuestion);
    btnFout->setEnabled(State == msTrainingAnswer);
    btnGoed->setEnabled(State == msTrainingAnswer);
}

void TTrainingPanel::SendKey(char Key) { Door.HandleQuizKey(Key); }

void TTrainingPanel::btnAntwoordClick() { SendKey(' '); }
void TTrainingPanel::btnFoutClick() { SendKey('F'); }
void TTrainingPanel::btnGoedClick() { SendKey('G'); }

int TTrainingPanel::TrainingRevealKey(char& Key)
{
    if (Key != ' ')
        return msTrainingQuestion;
    const TQuestionlist& List = Door.Table();
    Door.ShowAnswerLine(ColumnToQt(List.CurrentAnswer(), List.AFont().Charset));
    Door.SetPrompt(QStringLiteral("Geef zelf aan of jouw gedachte klopt met het antwoord"),
                   QStringLiteral("F=fout  G=goed  Esc=sessie afbreken"));
    emit AnswerShown();
    return msTrainingAnswer;
}

// The verdict counts; the next question, or the results after the last one,
// follow from the state returned.
int TTrainingPanel::TrainingJudgeKey(char& Key)
{
    if (Key >= 'a' && Key <= 'z')
        Key = static_cast<char>(Key - 'a' + 'A');
    if (Key != 'G' && Key != 'F')
        return msTrainingAnswer;
    TQuestionlist& List = Door.Table();
    List.RegisterResult(Key == 'G' ? arRight : arWrong);
    if (List.Rest > 0)
        return msTrainingQuestion;
    Key = ' ';
    return msFinished;
}
