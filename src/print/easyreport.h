// SPDX-License-Identifier: GPL-3.0-or-later
// A small banded report engine. TEasyReport runs one print job page by page
// and asks its owner for the content through events: fixed bands
// (TEasyPrintArea) are placed at the top or bottom of the free space of a page
// and cut off from it, and the detail rows go into whatever space is left,
// optionally divided into columns. The owner says through IsLastPage when all
// data has been printed.
//
// Positions and sizes are device pixels of the printer with the origin at the
// top-left corner of its printable area. The free space of a page is the
// painter's clip region. Margins and column space are given in Units.
#pragma once

#include <QFlags>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>
#include <stdexcept>

#include "print/easyprintarea.h"
#include "print/margins.h"

class QPagedPaintDevice;
class QPainter;

// The printer or paint device failed (a job that cannot start, a page that
// cannot be added, a page too small for the printout); what() is the Dutch
// message.
class EPrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TUnits { uMilimiters, uInches, uPixels };

enum TEasyReportOption { erFirstPageHeader = 0x1, erLastPageFooter = 0x2 };
Q_DECLARE_FLAGS(TEasyReportOptions, TEasyReportOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TEasyReportOptions)

class TEasyReport : public QObject {
    Q_OBJECT
public:
    // Prints detail rows into Area. The handler may shrink Area; the free
    // space is then narrowed to it. True stops filling further columns on
    // this page.
    using TPrintDetailEvent = std::function<bool(QObject* Sender, QPainter& Canvas, QRect& Area)>;
    // True when everything has been printed.
    using TPrintInformation = std::function<bool(QObject* Sender)>;
    using TNotifyEvent = std::function<void(QObject* Sender)>;

    explicit TEasyReport(QObject* Owner = nullptr);

    TMargins Margins;
    float ColumnSpace = 0.0f;
    TUnits Units = uMilimiters;
    TEasyReportOptions Options;

    [[nodiscard]] int Columns() const { return FColumns; }
    void SetColumns(int Value); // a value below 1 is ignored

    // The bands belong to the report's owner; a band that is destroyed is
    // dropped from the report.
    QPointer<TEasyPrintArea> TitlePrint;        // once, at the top of the first page
    QPointer<TEasyPrintArea> SumaryPrint;       // once, after the details of the last page
    QPointer<TEasyPrintArea> PageHeaderPrint;   // every page but the first (erFirstPageHeader: all)
    QPointer<TEasyPrintArea> PageFooterPrint;   // every page but the last (erLastPageFooter: all)
    QPointer<TEasyPrintArea> ColumnHeaderPrint; // head of every detail column, two or more columns
    QPointer<TEasyPrintArea> ColumnFooterPrint; // foot of every detail column, two or more columns

    TPrintDetailEvent OnDetailPrint; // required
    TNotifyEvent OnBeforePrint;      // once, after the job has started
    TNotifyEvent OnAfterPrint;       // once, before the job ends
    TPrintInformation IsLastPage;    // required

    // Runs one complete print job on the default printer.
    void Print();
    // Runs one complete print job on Device (a printer, or a PDF writer).
    // Without OnDetailPrint or IsLastPage nothing happens and no job starts.
    // Throws EPrintError when the device fails; exceptions of the handlers
    // pass through, after a printer job has been aborted.
    void Print(QPagedPaintDevice& Device);

private:
    // What the engine needs to know of the device of the running job.
    struct TDeviceCaps {
        int PhysicalWidth = 0;  // whole sheet, device pixels
        int PhysicalHeight = 0;
        int OffsetX = 0;        // printable area from the sheet's edges
        int OffsetY = 0;
        int HorzRes = 0;        // printable area, device pixels
        int VertRes = 0;
        int HorzSize = 0;       // printable area, millimetres
        int VertSize = 0;
        double DpiX = 0;
        double DpiY = 0;
    };

    int FColumns = 1;
    TDeviceCaps Caps;
    QPagedPaintDevice* Device = nullptr;
    QPainter* Canvas = nullptr;
    bool OnFirstPage = true;

    [[nodiscard]] static TDeviceCaps CapsOf(QPagedPaintDevice& Device);
    [[nodiscard]] int ToDeviceX(float Length) const;
    [[nodiscard]] int ToDeviceY(float Length) const;
    void RunJob();
    void StartPage();
    void SetPageClip();
    void SetColumnClip(const QRect& Full, int Column);
    void PrintDetails();
    void PrintArea(TEasyPrintArea* Area);
};
