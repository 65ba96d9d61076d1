// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/questionpanel.h"

#include <QLabel>
#include <QStyle>
#include <QToolButton>

#include "table/questionlist.h"
#include "ui/mainstate.h"
#include "ui/memo.h"
#include "ui/tablefont.h"
#include "ui/uistyle.h"

TQuestionPanel::TQuestionPanel(QWidget* Parent) : QFrame(Parent)
{
    ShapePanel(this, QStringLiteral("pnlVraagAntwoord"), 529, 113);
    CreateLines();
    CreateButtons();
}

void TQuestionPanel::CreateLines()
{
    auto Caption = [this](const char* Name, const QString& Text, int Top) {
        QLabel* Label = MakeLabel(this, QString::fromLatin1(Name), Text, ArialPixels(13, true));
        Label->setGeometry(24, Top, 481, 16);
        Label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        SetTextColour(Label, NavyColour());
        return Label;
    };
    lblVraag = Caption("lblVraag", QStringLiteral("Vraag:"), 2);
    lblAntwoord = Caption("lblAntwoord", QStringLiteral("Antwoord:"), 54);
    auto Text = [this](const char* Name, int Top) {
        QLabel* Label = MakeLabel(this, QString::fromLatin1(Name), QString(), ArialPixels(12));
        Label->setGeometry(24, Top, 481, 34);
        Label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Label->setWordWrap(true);
        Label->setAutoFillBackground(true);
        Label->setTextFormat(Qt::PlainText);
        return Label;
    };
    lblVraagTekst = Text("lblVraagTekst", 19);
    lblAntwoordTekst = Text("lblAntwoordTekst", 71);
    auto Memo = [this](const char* Name, int Top) {
        auto* Edit = new TMemo(this);
        Edit->setObjectName(QString::fromLatin1(Name));
        Edit->setGeometry(24, Top, 481, 34);
        Edit->SetMaxLength(MaxTextLength);
        Edit->setReadOnly(true);
        Edit->hide();
        return Edit;
    };
    memVraag = Memo("memVraag", 19);
    memAntwoord = Memo("memAntwoord", 71);
    lblItemNr = MakeLabel(this, QStringLiteral("lblItemNr"), QString(), ArialPixels(11));
    lblItemNr->setGeometry(4, 2, 80, 14);
}

void TQuestionPanel::CreateButtons()
{
    auto Small = [this](QToolButton*& Target, const char* Name, int Top, const QString& Hint, const QIcon& Icon) {
        Target = new QToolButton(this);
        Target->setObjectName(QString::fromLatin1(Name));
        Target->setGeometry(507, Top, 18, 20);
        Target->setToolTip(Hint);
        Target->setIcon(Icon);
        Target->setFocusPolicy(Qt::NoFocus);
        Target->setAutoRaise(true);
        Target->hide();
    };
    QStyle* Style = style();
    const QIcon FontIcon = Style->standardIcon(QStyle::SP_FileDialogDetailedView);
    Small(btnVraagFont, "btnVraagFont", 4,
          QStringLiteral("Kies lettersoort voor vraag (handig bij talen die andere letters gebruiken dan ons alfabet)"),
          FontIcon);
    Small(btnPgUp, "btnPgUp", 30, QStringLiteral("Vorige (PageUp)"), Style->standardIcon(QStyle::SP_ArrowUp));
    Small(btnPgDn, "btnPgDn", 56, QStringLiteral("Volgende (PageDown)"), Style->standardIcon(QStyle::SP_ArrowDown));
    Small(btnAntwoordFont, "btnAntwoordFont", 82,
          QStringLiteral("Kies lettersoort voor antwoord (handig bij talen die andere letters gebruiken dan ons alfabet)"),
          FontIcon);
    Small(btnVraagToClipboard, "btnVraagToClipboard", 19,
          QStringLiteral("[F2] Kopieer vraag naar klembord voor Text-to-speech software"),
          Style->standardIcon(QStyle::SP_FileDialogContentsView));
    Small(btnAntwoordToClipboard, "btnAntwoordToClipboard", 71,
          QStringLiteral("[F3] Kopieer antwoord naar klembord voor Text-to-speech software"),
          Style->standardIcon(QStyle::SP_FileDialogContentsView));
}

void TQuestionPanel::ShowState(int State)
{
    const bool Editing = State == msEdit;
    const bool Quiz = IsQuizState(State);
    const bool PanelActive = State >= msEdit && State <= msFillInAnswered;
    for (QToolButton* Button : {btnPgUp, btnPgDn, btnVraagFont, btnAntwoordFont})
        Button->setVisible(Editing);
    btnVraagToClipboard->setVisible(Quiz);
    btnAntwoordToClipboard->setVisible(Quiz);
    if (!Editing)
        lblItemNr->clear();
    lblVraag->setEnabled(PanelActive);
    lblAntwoord->setEnabled(PanelActive);
    for (TMemo* Memo : {memVraag, memAntwoord}) {
        Memo->setVisible(Editing);
        Memo->setReadOnly(!Editing);
    }
    lblVraagTekst->setVisible(!Editing);
    lblAntwoordTekst->setVisible(!Editing);
    const QColor Back = PanelActive ? WindowColour() : ButtonFaceColour();
    for (QWidget* Field : {static_cast<QWidget*>(memVraag), static_cast<QWidget*>(memAntwoord),
                           static_cast<QWidget*>(lblVraagTekst), static_cast<QWidget*>(lblAntwoordTekst)})
        SetBackground(Field, Back);
    if (!PanelActive) {
        ShowQuestionLine(QString());
        ShowAnswerLine(QString());
    }
}

void TQuestionPanel::ApplyColumnFonts(const TTableFont& Question, const TTableFont& Answer)
{
    ApplyColumnFont(memVraag, Question);
    ApplyColumnFont(lblVraagTekst, Question);
    ApplyColumnFont(memAntwoord, Answer);
    ApplyColumnFont(lblAntwoordTekst, Answer);
}

void TQuestionPanel::ShowQuestionLine(const QString& Text)
{
    memVraag->SetText(Text);
    lblVraagTekst->setText(Text);
}

void TQuestionPanel::ShowAnswerLine(const QString& Text)
{
    memAntwoord->SetText(Text);
    lblAntwoordTekst->setText(Text);
}
