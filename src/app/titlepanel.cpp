// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/titlepanel.h"

#include <QLabel>

#include "ui/uistyle.h"

TTitlePanel::TTitlePanel(QWidget* Parent) : QFrame(Parent)
{
    setObjectName(QStringLiteral("pnlTitel"));
    resize(529, 157);
    setAutoFillBackground(true);
    SetBackground(this, QColor(14, 135, 207));
    imgTitelLogo = new QLabel(this);
    imgTitelLogo->setObjectName(QStringLiteral("imgTitelLogo"));
    imgTitelLogo->setGeometry(0, 0, 529, 157);
    imgTitelLogo->setAlignment(Qt::AlignCenter);
    auto Line = [this](const char* Name, const QString& Text, int Top, int Height, const QFont& Font,
                       const QColor& Colour) {
        QLabel* Label = MakeLabel(this, QString::fromLatin1(Name), Text, Font);
        Label->setGeometry(0, Top, 529, Height);
        Label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        SetTextColour(Label, Colour);
        return Label;
    };
    lblTitel = Line("lblTitel", QStringLiteral("Memorant voor Windows"), 9, 44, ArialPixels(32, true), MaroonColour());
    lblTitel->setWordWrap(true);
    QFont Italic = ArialPixels(32, true);
    Italic.setItalic(true);
    Label1 = Line("Label1", QStringLiteral("Brontel"), 57, 44, Italic, NavyColour());
    lblSubTitel = Line("lblSubTitel", QStringLiteral("Versie 4.5"), 107, 40, ArialPixels(29, true), MaroonColour());
}
