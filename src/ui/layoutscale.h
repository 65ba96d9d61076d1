// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a window's fixed design larger when the window is larger: every
// control inside the client area keeps its design geometry, font and icon
// size, and takes them times one factor. At the design size and below the
// factor is 1 and every control stands exactly as designed.
//
// Controls are recorded the first time the scale sees them, at the geometry
// and font their creator gave them. A font set later by the program (a
// column font, say) becomes the control's new design font. Labels named by
// FitText keep a too-long text whole on a scaled window: their font shrinks
// until the wrapped text fits.
#pragma once

#include <QFont>
#include <QHash>
#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

class QLabel;
class QWidget;

class TLayoutScale : public QObject {
    Q_OBJECT
public:
    // Scales the controls inside Client, whose design size is DesignSize.
    TLayoutScale(QWidget* Client, QSize DesignSize);

    // The factor for a client area of Size: the smaller of the width and
    // the height ratio to the design, and never below 1. Both are in the
    // toolkit's logical pixels, so the desktop's own scaling comes on top.
    [[nodiscard]] static double FactorFor(QSize Size, QSize DesignSize);
    [[nodiscard]] double FactorFor(QSize Size) const { return FactorFor(Size, Design); }

    // Brings every control to Factor times its design. Direct children of
    // the client area only get their size: the window places them.
    void Apply(double Factor);
    [[nodiscard]] double Factor() const { return Current; }
    // A design length at the current factor.
    [[nodiscard]] int Scaled(int DesignLength) const;
    // The design size of a control the scale has seen; its own size if not.
    [[nodiscard]] QSize DesignSizeOf(const QWidget* Control) const;
    // Gives a direct child of the client area Height when that is more than
    // its scaled design height (a panel that takes the room left over).
    void Stretch(QWidget* Panel, int Height);

    // Label keeps its whole text in view on a scaled window, wrapped and, if
    // need be, in a smaller font.
    void FitText(QLabel* Label);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    struct TDesign {
        QRect Geometry;
        QFont Font;
        QSize IconSize;     // empty when the control shows no icon
        QVector<int> Columns; // the column widths of a grid
        bool Placed = false; // geometry set by the window or a layout
    };

    // Notes Control's design when it is new to the scale; true then.
    bool Record(QWidget* Control);
    // Records the controls below Parent, adding the new ones to Added.
    void RecordTree(QWidget* Parent, QList<QWidget*>& Added);
    void ApplyTo(QWidget* Control, const TDesign& Item);
    [[nodiscard]] QFont ScaledFont(const QFont& Font, double By) const;
    [[nodiscard]] QRect ScaledRect(const QRect& Rect) const;
    // Shrinks Label's font until its text fits, once per text and width.
    void Fit(QLabel* Label);
    [[nodiscard]] static bool TextFits(const QLabel* Label, const QFont& Font);

    QWidget* Client;
    QSize Design;
    double Current = 1.0;
    bool Applying = false;
    QHash<QWidget*, TDesign> Designs;
    // Per fitted label: the text and width its font was last fitted to.
    QHash<QLabel*, QString> FittedFor;
};
