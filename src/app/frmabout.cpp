// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmabout.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include "ui/uistyle.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// The program's picture: a card of the trainer's blue with the initial.
QPixmap ProgramPicture()
{
    QPixmap Picture(105, 105);
    QPainter Painter(&Picture);
    QLinearGradient Shade(0, 0, 0, 105);
    Shade.setColorAt(0, QColor(0, 0, 160));
    Shade.setColorAt(1, QColor(14, 135, 207));
    Painter.fillRect(Picture.rect(), Shade);
    Painter.setPen(QColor(255, 255, 0));
    Painter.setFont(ArialPixels(72, true));
    Painter.drawText(Picture.rect(), Qt::AlignCenter, QStringLiteral("M"));
    return Picture;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* Parent)
    : QDialog(Parent, FixedDialogFlags)
{
    SetUpDialog(this, QStringLiteral("frmAbout"), QStringLiteral("Memorant"));
    setFixedSize(364, 350);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 105, 105);
    Image1->setScaledContents(true);
    Image1->setPixmap(ProgramPicture());

    lblProgrammanaam = MakeLabel(this, QStringLiteral("lblProgrammanaam"), QString(), ArialPixels(29, true));
    lblProgrammanaam->setGeometry(120, 8, 236, 72);
    lblProgrammanaam->setAlignment(Qt::AlignCenter);
    lblProgrammanaam->setWordWrap(true);
    SetTextColour(lblProgrammanaam, MaroonColour());

    lblVersie = MakeLabel(this, QStringLiteral("lblVersie"), QString(), ArialPixels(19));
    lblVersie->setGeometry(120, 84, 236, 26);
    lblVersie->setAlignment(Qt::AlignCenter);
    SetTextColour(lblVersie, NavyColour());

    memDescription = new QPlainTextEdit(this);
    memDescription->setObjectName(QStringLiteral("memDescription"));
    memDescription->setGeometry(120, 116, 225, 201);
    memDescription->setReadOnly(true);
    memDescription->setFrameShape(QFrame::NoFrame);
    memDescription->viewport()->setAutoFillBackground(false);
    memDescription->setStyleSheet(QStringLiteral("background: transparent;"));

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(364 - 8 - 77, 350 - 8 - 27, 77, 27);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmAbout::showEvent(QShowEvent* Event)
{
    QDialog::showEvent(Event);
    FormShow();
}

void TfrmAbout::FormShow()
{
    lblProgrammanaam->setText(ProgramNameText);
    lblVersie->setText(VersionText);
    memDescription->clear();
    memDescription->setPlainText(DescriptionText);
    btnOK->setFocus();
}
