// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/frmprint.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <algorithm>

#include "editor/codepage.h"
#include "formats/wintext.h"
#include "ui/frmjanee.h"
#include "print/easyprintarea.h"
#include "print/easyreport.h"
#include "print/pagerect.h"
#include "print/printprogress.h"
#include "table/questionlist.h"

namespace {

// The wait cursor while a printout is being made.
class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

int TextHeight(const QPainter& Canvas) { return Canvas.fontMetrics().height(); }

const QString OverwriteQuestion = QStringLiteral("Bestand bestaat al, overschrijven?");

} // namespace

TfrmPrint::TfrmPrint(QWidget& Owner)
    : QObject(&Owner), Report(new TEasyReport(this)), Header(new TEasyPrintArea(this)), Owner(Owner)
{
    setObjectName("frmPrint");
    Report->setObjectName("Report");
    Header->setObjectName("Header");

    Report->Margins = {10.0f, 10.0f, 10.0f, 10.0f};
    Report->Units = uMilimiters;
    Report->Options = erFirstPageHeader;
    Report->SetColumns(1);
    Report->PageHeaderPrint = Header;
    Report->OnDetailPrint = [this](QObject* Sender, QPainter& Canvas, QRect& Area) {
        return ReportDetailPrint(Sender, Canvas, Area);
    };
    Report->OnBeforePrint = [this](QObject* Sender) { ReportBeforePrint(Sender); };
    Report->IsLastPage = [this](QObject* Sender) { return ReportIsLastPage(Sender); };

    Header->Alignment = eaaTop;
    Header->Height = 0;
    Header->OnPrint = [this](QObject* Sender, QPainter& Canvas, const QRect& Area) {
        HeaderPrint(Sender, Canvas, Area);
    };
    Header->OnHeight = [this](QObject* Sender, QPainter& Canvas) { return HeaderHeight(Sender, Canvas); };
}

bool TfrmPrint::HasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

void TfrmPrint::Print()
{
    if (!QuestionList)
        return;
    TPrintProgress Dialog(&Owner);
    Progress = &Dialog;
    const auto Forget = qScopeGuard([this] { Progress = nullptr; });
    if (HasDefaultPrinter())
        PrintOnDefaultPrinter();
    else
        PrintAsPdf();
}

void TfrmPrint::PrintTo(QPagedPaintDevice& Device)
{
    // Whatever follows the printout (a message, an error) is not covered by it.
    const auto HideProgress = qScopeGuard([this] {
        if (Progress)
            Progress->hide();
    });
    Report->Print(Device);
}

bool TfrmPrint::StoppedByUser() const { return Progress && Progress->Stopped(); }

// All pages offer the same room, so the first one tells how many follow.
void TfrmPrint::ShowProgress()
{
    if (!Progress)
        return;
    if (PageNumber == 1)
        EntriesPerPage = std::max(NextEntry, 1);
    const int Pages = (QuestionList->Count() + EntriesPerPage - 1) / EntriesPerPage;
    Progress->PagePrinted(PageNumber, std::max(Pages, PageNumber));
}

void TfrmPrint::PrintToPdf(QIODevice& Output)
{
    QPdfWriter Writer(&Output);
    Writer.setPageSize(QPageSize(QPageSize::A4));
    Writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    Writer.setResolution(600);
    Writer.setTitle(QFileInfo(TableFileName()).fileName());
    Writer.setCreator(QApplication::applicationDisplayName());
    PrintTo(Writer);
}

void TfrmPrint::PrintOnDefaultPrinter()
{
    try {
        TWaitCursor Busy;
        QPrinter Printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        Printer.setDocName(QFileInfo(TableFileName()).fileName());
        PrintTo(Printer);
    } catch (const EPrintError& Error) {
        ShowError(QString::fromUtf8(Error.what()));
    }
}

void TfrmPrint::PrintAsPdf()
{
    const QString FileName = PdfFileName();
    // A file of that name may be the user's own: it is replaced only when he
    // says so. (A folder of that name is reported as a failure below.)
    if (const QFileInfo Existing(FileName); Existing.exists() && !Existing.isDir()
                                            && !AskYesNo(OverwriteQuestion, false))
        return;
    const QString Reason = QPrinterInfo::availablePrinters().isEmpty()
                               ? QString::fromUtf8("Er is geen printer geïnstalleerd.")
                               : QString::fromUtf8("Er is geen standaardprinter ingesteld.");
    try {
        TWaitCursor Busy;
        QSaveFile File(FileName);
        if (!File.open(QIODevice::WriteOnly))
            throw EPrintError("");
        PrintToPdf(File);
        if (StoppedByUser())
            return; // the file is dropped: half a printout is no printout
        if (!File.commit())
            throw EPrintError("");
    } catch (const EPrintError& Error) {
        const QString Detail = QString::fromUtf8(Error.what());
        ShowError(Reason + QString::fromUtf8(" De afdruk kon ook niet als PDF-bestand worden opgeslagen in:\n\n")
                  + QDir::toNativeSeparators(FileName) + (Detail.isEmpty() ? QString() : "\n\n" + Detail));
        return;
    }
    QMessageBox::information(&Owner, QApplication::applicationDisplayName(),
                             Reason + QString::fromUtf8(" De afdruk is daarom opgeslagen als PDF-bestand:\n\n")
                                 + QDir::toNativeSeparators(FileName));
}

void TfrmPrint::ShowError(const QString& Message)
{
    QMessageBox::critical(&Owner, QApplication::applicationDisplayName(), Message);
}

QString TfrmPrint::TableFileName() const
{
    if (!QuestionList)
        return {};
    if (QuestionList->ListName.empty())
        return SourceName;
    return QFile::decodeName(QByteArray::fromStdString(QuestionList->ListName));
}

QString TfrmPrint::PdfFileName() const
{
    const QString Table = TableFileName();
    if (Table.isEmpty())
        return QDir::home().absoluteFilePath("memorant.pdf");
    const QFileInfo Info(Table);
    const QString Base = Info.completeBaseName().isEmpty() ? QString("memorant") : Info.completeBaseName();
    return QDir(Info.absolutePath()).absoluteFilePath(Base + ".pdf");
}

void TfrmPrint::ReportBeforePrint(QObject*)
{
    NextEntry = 0;
    PageNumber = 0;
}

int TfrmPrint::HeaderHeight(QObject*, QPainter& Canvas) { return 2 * TextHeight(Canvas); }

void TfrmPrint::HeaderPrint(QObject*, QPainter& Canvas, const QRect& Area)
{
    DrawTextLeft(TableFileName(), Canvas, Area);
    ++PageNumber;
    DrawTextRight(QString::number(PageNumber), Canvas, Area);
}

bool TfrmPrint::ReportDetailPrint(QObject*, QPainter& Canvas, QRect& Area)
{
    const int H = TextHeight(Canvas);
    const int FirstOnPage = NextEntry;
    int Y = Area.top();
    while (BottomEdge(Area) - Y > H && NextEntry < QuestionList->Count()) {
        // The answer column starts here, right of the middle of the line.
        const int Mid = 2 * Area.left() + RightEdge(Area) / 2;
        // A right-to-left question keeps a gap of two letters to the answer.
        const int Gap = 2 * Canvas.fontMetrics().averageCharWidth();
        DrawColumnText(QuestionList->Question(NextEntry), QuestionList->QFont().Charset, Canvas,
                       RectFromEdges(Area.left(), Y, Mid - Gap, Y + H));
        DrawColumnText(QuestionList->Answer(NextEntry), QuestionList->AFont().Charset, Canvas,
                       RectFromEdges(Mid, Y, RightEdge(Area), Y + H));
        ++NextEntry;
        Y += H;
    }
    // Every page offers the same room: if not one line fits on this one, none
    // ever will, and the job would never end.
    if (NextEntry == FirstOnPage && NextEntry < QuestionList->Count())
        throw EPrintError("De pagina heeft geen ruimte voor een regel van de tabel; er is niets afgedrukt.");
    ShowProgress();
    return false;
}

// A printout stopped by the user ends cleanly after the page in hand.
bool TfrmPrint::ReportIsLastPage(QObject*) { return NextEntry >= QuestionList->Count() || StoppedByUser(); }

void TfrmPrint::DrawColumnText(const std::string& Text, int Charset, QPainter& Canvas, const QRect& Rect)
{
    // Text of a Hebrew or Arabic column stands against the right edge, as
    // the editor shows it; the others start at the left edge.
    const QString Shown = ColumnToQt(Text, Charset);
    if (IsRightToLeftCodePage(CodePageOfCharset(Charset)))
        DrawTextRight(Shown, Canvas, Rect);
    else
        DrawTextLeft(Shown, Canvas, Rect);
}

void TfrmPrint::DrawTextLeft(const QString& Text, QPainter& Canvas, const QRect& Rect)
{
    const QFontMetrics Metrics = Canvas.fontMetrics();
    const int Y = (Rect.top() + BottomEdge(Rect) - Metrics.height()) / 2;
    Canvas.drawText(Rect.left(), Y + Metrics.ascent(), Text);
}

void TfrmPrint::DrawTextRight(const QString& Text, QPainter& Canvas, const QRect& Rect)
{
    const QFontMetrics Metrics = Canvas.fontMetrics();
    const int Y = (Rect.top() + BottomEdge(Rect) - Metrics.height()) / 2;
    Canvas.drawText(RightEdge(Rect) - Metrics.horizontalAdvance(Text), Y + Metrics.ascent(), Text);
}
