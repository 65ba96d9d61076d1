// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/layoutscale.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QScopedValueRollback>
#include <QTableView>
#include <algorithm>
#include <cmath>

namespace {

// A fitted text never gets smaller than this share of its scaled font.
constexpr double SmallestFitShare = 0.2;
constexpr double FitStep = 0.05;

int Round(double Value) { return static_cast<int>(std::lround(Value)); }

bool InLayout(const QWidget* Control)
{
    const QWidget* Parent = Control->parentWidget();
    return Parent && Parent->layout() && Parent->layout()->indexOf(Control) >= 0;
}

} // namespace

TLayoutScale::TLayoutScale(QWidget* Client, QSize DesignSize) : QObject(Client), Client(Client), Design(DesignSize) {}

double TLayoutScale::FactorFor(QSize Size, QSize DesignSize)
{
    if (DesignSize.isEmpty())
        return 1.0;
    const double ByWidth = static_cast<double>(Size.width()) / DesignSize.width();
    const double ByHeight = static_cast<double>(Size.height()) / DesignSize.height();
    return std::max(1.0, std::min(ByWidth, ByHeight));
}

int TLayoutScale::Scaled(int DesignLength) const { return Round(DesignLength * Current); }

QSize TLayoutScale::DesignSizeOf(const QWidget* Control) const
{
    const auto Found = Designs.constFind(const_cast<QWidget*>(Control));
    return Found == Designs.constEnd() ? Control->size() : Found->Geometry.size();
}

void TLayoutScale::Apply(double Factor)
{
    QList<QWidget*> Added;
    RecordTree(Client, Added);
    if (Factor == Current) {
        // Controls made since the last change of size join the scale.
        if (Current != 1.0)
            for (QWidget* Control : Added)
                ApplyTo(Control, Designs.value(Control));
        return;
    }
    Current = Factor;
    for (auto Item = Designs.constBegin(); Item != Designs.constEnd(); ++Item)
        ApplyTo(Item.key(), Item.value());
}

void TLayoutScale::Stretch(QWidget* Panel, int Height)
{
    const auto Found = Designs.constFind(Panel);
    if (Current == 1.0 || Found == Designs.constEnd())
        return;
    const int Wanted = std::max(Round(Found->Geometry.height() * Current), Height);
    if (Panel->height() != Wanted)
        Panel->resize(Panel->width(), Wanted);
}

void TLayoutScale::FitText(QLabel* Label)
{
    FittedFor.insert(Label, QString());
    connect(Label, &QObject::destroyed, this, [this, Label] { FittedFor.remove(Label); });
    if (Record(Label) && Current != 1.0)
        ApplyTo(Label, Designs.value(Label));
}

void TLayoutScale::RecordTree(QWidget* Parent, QList<QWidget*>& Added)
{
    for (QWidget* Control : Parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (Control->isWindow())
            continue;
        if (Record(Control))
            Added.append(Control);
        // A scroll area is one control: its viewport and bars follow it.
        if (!qobject_cast<QAbstractScrollArea*>(Control))
            RecordTree(Control, Added);
    }
}

bool TLayoutScale::Record(QWidget* Control)
{
    if (Designs.contains(Control))
        return false;
    TDesign Item;
    Item.Geometry = Control->geometry();
    Item.Font = Control->font();
    Item.Placed = Control->parentWidget() == Client || InLayout(Control);
    if (const auto* Button = qobject_cast<QAbstractButton*>(Control))
        Item.IconSize = Button->iconSize();
    if (const auto* Grid = qobject_cast<QTableView*>(Control))
        for (int Column = 0; Column < Grid->horizontalHeader()->count(); ++Column)
            Item.Columns.append(Grid->horizontalHeader()->sectionSize(Column));
    Designs.insert(Control, Item);
    Control->installEventFilter(this);
    connect(Control, &QObject::destroyed, this, [this, Control] { Designs.remove(Control); });
    return true;
}

QFont TLayoutScale::ScaledFont(const QFont& Font, double By) const
{
    QFont Result = Font;
    if (Font.pixelSize() > 0)
        Result.setPixelSize(std::max(1, Round(Font.pixelSize() * By)));
    else if (Font.pointSizeF() > 0)
        Result.setPointSizeF(Font.pointSizeF() * By);
    return Result;
}

// Corners are scaled rather than sizes, so that controls that touch in the
// design still touch, and never overlap, at any factor.
QRect TLayoutScale::ScaledRect(const QRect& Rect) const
{
    const int Left = Round(Rect.x() * Current);
    const int Top = Round(Rect.y() * Current);
    const int Right = Round((Rect.x() + Rect.width()) * Current);
    const int Bottom = Round((Rect.y() + Rect.height()) * Current);
    return {Left, Top, Right - Left, Bottom - Top};
}

void TLayoutScale::ApplyTo(QWidget* Control, const TDesign& Item)
{
    const QScopedValueRollback<bool> Guard(Applying, true);
    Control->setFont(ScaledFont(Item.Font, Current));
    const QRect Scaled = ScaledRect(Item.Geometry);
    if (Control->parentWidget() == Client)
        Control->resize(Scaled.size());
    else if (!Item.Placed)
        Control->setGeometry(Scaled);
    if (auto* Button = qobject_cast<QAbstractButton*>(Control); Button && Item.IconSize.isValid())
        Button->setIconSize(Item.IconSize * Current);
    if (auto* Grid = qobject_cast<QTableView*>(Control))
        for (int Column = 0; Column < Item.Columns.size(); ++Column)
            Grid->horizontalHeader()->resizeSection(Column, Round(Item.Columns[Column] * Current));
    if (auto* Label = qobject_cast<QLabel*>(Control); Label && FittedFor.contains(Label)) {
        FittedFor[Label].clear();
        Fit(Label);
    }
}

bool TLayoutScale::TextFits(const QLabel* Label, const QFont& Font)
{
    const QRect Room = Label->contentsRect();
    if (Label->text().isEmpty())
        return true;
    const QRect Needed = QFontMetrics(Font).boundingRect(QRect(0, 0, Room.width(), 1 << 20),
                                                         Label->alignment() | Qt::TextWordWrap, Label->text());
    return Needed.width() <= Room.width() && Needed.height() <= Room.height();
}

void TLayoutScale::Fit(QLabel* Label)
{
    const QString Key = QString::number(Label->width()) + u'|' + Label->text();
    if (Current == 1.0 || FittedFor.value(Label) == Key)
        return;
    FittedFor[Label] = Key;
    const QScopedValueRollback<bool> Guard(Applying, true);
    const QFont DesignFont = Designs.value(Label).Font;
    QFont Font = ScaledFont(DesignFont, Current);
    for (double Share = 1.0; Share > SmallestFitShare && !TextFits(Label, Font); Share -= FitStep)
        Font = ScaledFont(DesignFont, Current * (Share - FitStep));
    if (Font != Label->font())
        Label->setFont(Font);
}

bool TLayoutScale::eventFilter(QObject* Watched, QEvent* Event)
{
    auto* Control = static_cast<QWidget*>(Watched);
    if (Event->type() == QEvent::FontChange && !Applying && Designs.contains(Control)) {
        // The program gave the control another font: that is its design now.
        TDesign& Item = Designs[Control];
        Item.Font = Control->font();
        if (Current != 1.0) {
            const QScopedValueRollback<bool> Guard(Applying, true);
            Control->setFont(ScaledFont(Item.Font, Current));
        }
        if (auto* Label = qobject_cast<QLabel*>(Control); Label && FittedFor.contains(Label))
            FittedFor[Label].clear();
    } else if (Event->type() == QEvent::Paint) {
        // A new text is fitted before it is drawn.
        if (auto* Label = qobject_cast<QLabel*>(Control); Label && FittedFor.contains(Label))
            Fit(Label);
    }
    return QObject::eventFilter(Watched, Event);
}
