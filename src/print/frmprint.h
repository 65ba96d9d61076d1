// SPDX-License-Identifier: GPL-3.0-or-later
// The printout of the question table: question left and answer right, one
// entry per line, under a header line with the table's file name and the page
// number. The form is never shown; it holds the report engine and its page
// header and handles their events. "Afdrukken" goes to the default printer at
// once; without a printer the printout becomes a PDF file beside the table.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <string>

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QWidget;
class TEasyPrintArea;
class TEasyReport;
class TPrintProgress;
class TQuestionlist;

class TfrmPrint : public QObject {
    Q_OBJECT
public:
    // Owner is the main window; message boxes appear over it.
    explicit TfrmPrint(QWidget& Owner);

    // The table to print; set before every print, not owned.
    TQuestionlist* QuestionList = nullptr;
    // The file a table without a name of its own was read from (another
    // trainer's file); the header names it and the PDF goes beside it.
    QString SourceName;

    TEasyReport* Report;    // margins 10 mm, the page header on the first page too
    TEasyPrintArea* Header; // file name left, page number right

    // Prints the whole table on the default printer without a dialog; with
    // no printer writes it as a PDF file (PdfFileName) and says where.
    // Failures of the printer or the file are shown in a message box. A long
    // printout shows its progress; when the user stops it, the printer gets
    // the pages done so far, and a PDF file is not written at all.
    void Print();
    // The printout on Device; throws EPrintError when the device fails.
    void PrintTo(QPagedPaintDevice& Device);
    // The printout as a PDF document on A4 paper, written to Output.
    void PrintToPdf(QIODevice& Output);

    // Where the printout goes without a printer: beside the table, named
    // after it, or in the home folder for a table without a name.
    [[nodiscard]] QString PdfFileName() const;
    [[nodiscard]] static bool HasDefaultPrinter();

    // Event handlers of Report and Header.
    void ReportBeforePrint(QObject* Sender);
    bool ReportDetailPrint(QObject* Sender, QPainter& Canvas, QRect& Area);
    bool ReportIsLastPage(QObject* Sender);
    void HeaderPrint(QObject* Sender, QPainter& Canvas, const QRect& Area);
    int HeaderHeight(QObject* Sender, QPainter& Canvas);

    // Text centred vertically in Rect, at its left or its right edge; not
    // clipped to Rect.
    // A column's text in its code page, at the edge its writing starts from.
    static void DrawColumnText(const std::string& Text, int Charset, QPainter& Canvas, const QRect& Rect);
    static void DrawTextLeft(const QString& Text, QPainter& Canvas, const QRect& Rect);
    static void DrawTextRight(const QString& Text, QPainter& Canvas, const QRect& Rect);

private:
    QWidget& Owner;
    int NextEntry = 0;  // index of the next entry to print
    int PageNumber = 0; // number of the last page header printed
    int EntriesPerPage = 0;               // as found on the first page
    TPrintProgress* Progress = nullptr;   // while Print runs

    [[nodiscard]] bool StoppedByUser() const;
    void ShowProgress();
    [[nodiscard]] QString TableFileName() const;
    void PrintOnDefaultPrinter();
    void PrintAsPdf();
    void ShowError(const QString& Message);
};
