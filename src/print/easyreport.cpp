// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/easyreport.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QRegion>
#include <QScopeGuard>
#include <algorithm>
#include <cmath>

#include "print/pagerect.h"

namespace {

// The printable rectangle of the printer: the clip box of its canvas right
// after the first job of the run started. It is taken once and reused, and
// taken anew only when a job runs on a page of another size or printable
// area (a different printer, or the PDF file written without one).
struct TPrinterClip {
    bool FirstPrint = true;
    QRect PrinterClipRect;
    QRect TakenOnPage;      // whole sheet in device pixels
    QRect TakenOnPrintable; // printable area in device pixels
};

TPrinterClip& PrinterClip()
{
    static TPrinterClip Clip;
    return Clip;
}

// The clip box of a canvas: a painter without clipping may draw on the whole
// printable area of its device.
QRect ClipBox(const QPainter& Canvas)
{
    if (!Canvas.hasClipping())
        return QRect(0, 0, Canvas.device()->width(), Canvas.device()->height());
    return Canvas.clipRegion().boundingRect();
}

int RoundToPixels(double Value)
{
    if (!std::isfinite(Value))
        return 0;
    constexpr double Limit = 1e9;
    return static_cast<int>(std::nearbyint(std::clamp(Value, -Limit, Limit))); // halves to even
}

} // namespace

TEasyReport::TEasyReport(QObject* Owner) : QObject(Owner) {}

void TEasyReport::SetColumns(int Value)
{
    if (Value >= 1)
        FColumns = Value;
}

void TEasyReport::Print()
{
    QPrinter Printer(QPrinter::HighResolution);
    Print(Printer);
}

void TEasyReport::Print(QPagedPaintDevice& Target)
{
    if (!OnDetailPrint || !IsLastPage)
        return;

    QPainter Painter;
    if (!Painter.begin(&Target))
        throw EPrintError("Het afdrukken kan niet beginnen: de printer of het bestand is niet beschikbaar.");
    Device = &Target;
    Canvas = &Painter;
    Caps = CapsOf(Target);
    const auto Detach = qScopeGuard([this] {
        Device = nullptr;
        Canvas = nullptr;
    });
    try {
        RunJob();
    } catch (...) {
        // A printer gets no half printout; the painter ends with its scope.
        if (auto* Printer = dynamic_cast<QPrinter*>(&Target))
            Printer->abort();
        throw;
    }
    if (!Painter.end())
        throw EPrintError("Het afdrukken kon niet worden afgerond.");
}

TEasyReport::TDeviceCaps TEasyReport::CapsOf(QPagedPaintDevice& Device)
{
    TDeviceCaps Caps;
    const QPageLayout Layout = Device.pageLayout();
    const int Resolution = Device.logicalDpiX();
    const QRect Sheet = Layout.fullRectPixels(Resolution);
    const QRect Printable = Layout.paintRectPixels(Resolution);
    Caps.PhysicalWidth = Sheet.width();
    Caps.PhysicalHeight = Sheet.height();
    Caps.OffsetX = Printable.left() - Sheet.left();
    Caps.OffsetY = Printable.top() - Sheet.top();
    Caps.HorzRes = Device.width();
    Caps.VertRes = Device.height();
    Caps.HorzSize = Device.widthMM();
    Caps.VertSize = Device.heightMM();
    Caps.DpiX = Device.logicalDpiX();
    Caps.DpiY = Device.logicalDpiY();
    return Caps;
}

int TEasyReport::ToDeviceX(float Length) const
{
    const double PixelsPerMm = Caps.HorzSize > 0 ? double(Caps.HorzRes) / Caps.HorzSize : Caps.DpiX / 25.4;
    switch (Units) {
    case uMilimiters: return RoundToPixels(Length * PixelsPerMm);
    case uInches: return RoundToPixels(Length * 25.4 * PixelsPerMm);
    case uPixels: break;
    }
    return RoundToPixels(Length);
}

int TEasyReport::ToDeviceY(float Length) const
{
    const double PixelsPerMm = Caps.VertSize > 0 ? double(Caps.VertRes) / Caps.VertSize : Caps.DpiY / 25.4;
    switch (Units) {
    case uMilimiters: return RoundToPixels(Length * PixelsPerMm);
    case uInches: return RoundToPixels(Length * 25.4 * PixelsPerMm);
    case uPixels: break;
    }
    return RoundToPixels(Length);
}

void TEasyReport::RunJob()
{
    TPrinterClip& Clip = PrinterClip();
    const QRect Sheet(0, 0, Caps.PhysicalWidth, Caps.PhysicalHeight);
    const QRect Printable(Caps.OffsetX, Caps.OffsetY, Caps.HorzRes, Caps.VertRes);
    if (Clip.FirstPrint || Sheet != Clip.TakenOnPage || Printable != Clip.TakenOnPrintable) {
        Clip.PrinterClipRect = ClipBox(*Canvas);
        Clip.TakenOnPage = Sheet;
        Clip.TakenOnPrintable = Printable;
        Clip.FirstPrint = false;
    }
    if (OnBeforePrint)
        OnBeforePrint(this);

    OnFirstPage = true;
    SetPageClip();
    PrintArea(TitlePrint);
    if (Options.testFlag(erFirstPageHeader))
        PrintArea(PageHeaderPrint);
    if (!IsLastPage(this) || Options.testFlag(erLastPageFooter))
        PrintArea(PageFooterPrint);
    do {
        PrintDetails();
        if (!IsLastPage(this)) {
            StartPage();
            PrintArea(PageHeaderPrint);
            if (!IsLastPage(this) || Options.testFlag(erLastPageFooter))
                PrintArea(PageFooterPrint);
        }
    } while (!IsLastPage(this));

    if (OnAfterPrint)
        OnAfterPrint(this);
}

void TEasyReport::StartPage()
{
    if (!Device->newPage())
        throw EPrintError("De printer kan geen nieuwe pagina beginnen.");
    OnFirstPage = false;
    SetPageClip();
}

void TEasyReport::SetPageClip()
{
    Canvas->setClipRegion(QRegion(PrinterClip().PrinterClipRect));
    const QRect Inside = RectFromEdges(ToDeviceX(Margins.Left) - Caps.OffsetX,
                                       ToDeviceY(Margins.Top) - Caps.OffsetY,
                                       Caps.PhysicalWidth - ToDeviceX(Margins.Right) - Caps.OffsetX,
                                       Caps.PhysicalHeight - ToDeviceY(Margins.Bottom) - Caps.OffsetY);
    Canvas->setClipRegion(Canvas->clipRegion().intersected(QRegion(Inside)));
}

void TEasyReport::SetColumnClip(const QRect& Full, int Column)
{
    const int Space = ToDeviceX(ColumnSpace);
    const int Width = (RightEdge(Full) - Full.left() - Space * (FColumns - 1)) / FColumns;
    const int Left = (Width + Space) * (Column - 1) + Full.left();
    Canvas->setClipRegion(QRegion(RectFromEdges(Left, Full.top(), Left + Width, BottomEdge(Full))));
}

void TEasyReport::PrintDetails()
{
    QRect Area = Canvas->clipRegion().boundingRect();
    bool Room = !Area.isEmpty();
    if (FColumns == 1) {
        OnDetailPrint(this, *Canvas, Area);
        Canvas->setClipRegion(Canvas->clipRegion().intersected(QRegion(Area)));
    } else {
        const QRect Full = Area;
        int Column = 0;
        bool Stop = false;
        Room = false;
        do {
            ++Column;
            SetColumnClip(Full, Column);
            PrintArea(ColumnHeaderPrint);
            PrintArea(ColumnFooterPrint);
            Area = Canvas->clipRegion().boundingRect();
            Room = Room || !Area.isEmpty();
            Stop = OnDetailPrint(this, *Canvas, Area);
            Canvas->setClipRegion(Canvas->clipRegion().intersected(QRegion(Area)));
        } while (Column < FColumns && !Stop);
    }
    const bool Done = IsLastPage(this);
    // Every page after the first has the same bands and so the same room:
    // when nothing fits on one of them, the job would never end.
    if (!Room && !Done && !OnFirstPage)
        throw EPrintError("Op de pagina is geen ruimte over voor de inhoud van de afdruk; "
                          "het afdrukken is afgebroken.");
    if (Done)
        PrintArea(SumaryPrint);
}

void TEasyReport::PrintArea(TEasyPrintArea* Area)
{
    if (Area)
        Area->DoPrint(this, *Canvas);
}
