// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmjanee.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "ui/uistyle.h"

namespace {
constexpr int LabelLeft = 8;
constexpr int ButtonTop = 47;
constexpr int DialogHeight = 84;
} // namespace

TfrmJaNee::TfrmJaNee(QWidget* Parent)
    : QDialog(Parent, FixedDialogFlags)
{
    SetUpDialog(this, QStringLiteral("frmJaNee"), QStringLiteral("Bevestiging"));
    lblVraag = new QLabel(this);
    lblVraag->setObjectName(QStringLiteral("lblVraag"));
    lblVraag->setTextFormat(Qt::PlainText);
    lblVraag->move(LabelLeft, 16);
    btnJa = new QPushButton(QStringLiteral("&Ja"), this);
    btnJa->setObjectName(QStringLiteral("btnJa"));
    btnNee = new QPushButton(QStringLiteral("&Nee"), this);
    btnNee->setObjectName(QStringLiteral("btnNee"));
    for (QPushButton* Button : {btnJa, btnNee})
        Button->resize(77, 27);
    setTabOrder(btnJa, btnNee);
    connect(btnJa, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnNee, &QPushButton::clicked, this, [this] { done(NoResult); });
}

void TfrmJaNee::Prepare(const QString& Question, bool DefaultYes)
{
    int Width = btnJa->width() + btnNee->width() + 30;
    lblVraag->setText(Question);
    lblVraag->adjustSize();
    Width = std::max(Width, 2 * LabelLeft + lblVraag->width());
    setFixedSize(Width, DialogHeight);
    btnNee->move(Width - btnNee->width() - 10, ButtonTop);
    btnJa->move(Width - btnJa->width() - btnNee->width() - 20, ButtonTop);
    btnJa->setAutoDefault(false);
    btnNee->setAutoDefault(false);
    btnJa->setDefault(DefaultYes);
    btnNee->setDefault(!DefaultYes);
    (DefaultYes ? btnJa : btnNee)->setFocus();
    if (const QScreen* Screen = QGuiApplication::primaryScreen())
        move(Screen->availableGeometry().center() - QPoint(Width / 2, DialogHeight / 2));
}

bool AskYesNo(const QString& Question, bool DefaultYes)
{
    return AskYesNoOrDismiss(Question, DefaultYes) == TYesNoAnswer::Yes;
}

TYesNoAnswer AskYesNoOrDismiss(const QString& Question, bool DefaultYes)
{
    TfrmJaNee Dialog(QApplication::activeWindow());
    Dialog.Prepare(Question, DefaultYes);
    switch (Dialog.exec()) {
    case QDialog::Accepted: return TYesNoAnswer::Yes;
    case TfrmJaNee::NoResult: return TYesNoAnswer::No;
    default: return TYesNoAnswer::Dismissed;
    }
}
