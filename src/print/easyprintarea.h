// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed band of a report page (title, page header or footer, column header
// or footer, summary): placed at the top or the bottom of the free space of
// the page and cut off from it.
#pragma once

#include <QObject>
#include <QRect>
#include <functional>

class QPainter;

enum TEasyAreaAlignment { eaaTop, eaaBottom };

class TEasyPrintArea : public QObject {
    Q_OBJECT
public:
    // Prints the band's content into Area (device pixels of the printer).
    using TPrintEvent = std::function<void(QObject* Sender, QPainter& Canvas, const QRect& Area)>;
    // The height of the band in device pixels.
    using THeightInformation = std::function<int(QObject* Sender, QPainter& Canvas)>;

    explicit TEasyPrintArea(QObject* Owner = nullptr);

    TEasyAreaAlignment Alignment = eaaTop;
    int Height = 0;              // device pixels; OnHeight overwrites it
    TPrintEvent OnPrint;
    THeightInformation OnHeight; // asked just before every printing of the band

    // Prints the band at the top or bottom of the free space (the bounding
    // box of Canvas's clip region) and removes it from the free space.
    // Sender is the report.
    void DoPrint(QObject* Sender, QPainter& Canvas);
};
