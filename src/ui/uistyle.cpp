// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/uistyle.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPalette>

#include "ui/errordisplay.h"
#include "ui/noticebox.h"


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

void ShowNotice(QWidget* Parent, const QString& Name, const QString& Text)
{
    TNoticeBox Box(QMessageBox::NoIcon, QString::fromLatin1(ProgramTitle), Text, Parent);
    Box.setObjectName(Name);
    Box.exec();
}

QIcon SpellingIcon()
{
    QPixmap Picture(16, 16);
    Picture.fill(Qt::transparent);
    QPainter Painter(&Picture);
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setPen(Qt::black);
    Painter.setFont(ArialPixels(9, true));
    Painter.drawText(QRect(0, 0, 16, 11), Qt::AlignCenter, QStringLiteral("abc"));
    QPainterPath Wave(QPointF(1, 13));
    for (int X = 1; X < 15; X += 2)
        Wave.lineTo(X + 1, X % 4 == 1 ? 15 : 12);
    Painter.setPen(QPen(QColor(220, 0, 0), 1.2));
    Painter.drawPath(Wave);
    Painter.end();
    return QIcon(Picture);
}

void StyleToolbarButtons(QWidget* Container)
{
    Container->setStyleSheet(QStringLiteral(
        "QToolButton { color: black; background-color: #ececec; padding: 0px;"
        "  border: 1px solid; border-color: white #404040 #404040 white; }"
        "QToolButton:hover { background-color: #ffffff; }"
        "QToolButton:checked, QToolButton:pressed { background-color: #9c9cb4; padding: 1px 0px 0px 1px;"
        "  border: 2px solid; border-color: #202020 white white #202020; }"
        "QToolButton:disabled { color: #8a8aa0; background-color: #4c4c86;"
        "  border: 1px solid; border-color: #6a6aa0 #303060 #303060 #6a6aa0; }"));
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
