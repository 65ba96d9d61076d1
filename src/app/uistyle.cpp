// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uistyle.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPalette>


QFont ArialPixels(int Pixels, bool Bold)
{
    QFont Font(QStringLiteral("Arial"));
    Font.setPixelSize(Pixels);
    Font.setBold(Bold);
    return Font;
}

QColor NavyColour() { return {0, 0, 128}; }
QColor MaroonColour() { return {128, 0, 0}; }
QColor WindowColour() { return QApplication::palette().color(QPalette::Base); }
QColor ButtonFaceColour() { return QApplication::palette().color(QPalette::Button); }

void SetBackground(QWidget* Widget, const QColor& Colour)
{
    QPalette Palette = Widget->palette();
    Palette.setColor(QPalette::Window, Colour);
    Palette.setColor(QPalette::Base, Colour);
    Widget->setPalette(Palette);
    Widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* Widget, const QColor& Colour)
{
    // Disabled controls keep the system's grey text.
    QPalette Palette = Widget->palette();
    for (const QPalette::ColorGroup Group : {QPalette::Active, QPalette::Inactive}) {
        Palette.setColor(Group, QPalette::WindowText, Colour);
        Palette.setColor(Group, QPalette::ButtonText, Colour);
        Palette.setColor(Group, QPalette::Text, Colour);
    }
    Widget->setPalette(Palette);
}

void ShapePanel(QFrame* Panel, const QString& Name, int Width, int Height)
{
    Panel->setObjectName(Name);
    Panel->setFrameShape(QFrame::Box);
    Panel->setFrameShadow(QFrame::Sunken);
    Panel->resize(Width, Height);
}

void SetUpDialog(QWidget* Dialog, const QString& Name, const QString& Title)
{
    Dialog->setObjectName(Name);
    Dialog->setWindowTitle(Title);
    QFont Font(QStringLiteral("Arial"));
    Font.setPointSize(8);
    Dialog->setFont(Font);
}

QFrame* MakePanel(QWidget* Parent, const QString& Name, int Width, int Height)
{
    auto* Panel = new QFrame(Parent);
    ShapePanel(Panel, Name, Width, Height);
    return Panel;
}

QLabel* MakeLabel(QWidget* Parent, const QString& Name, const QString& Text, const QFont& Font)
{
    auto* Label = new QLabel(Text, Parent);
    Label->setObjectName(Name);
    Label->setFont(Font);
    Label->adjustSize();
    return Label;
}
