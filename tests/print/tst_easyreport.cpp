// SPDX-License-Identifier: GPL-3.0-or-later
// The report page engine on a PDF writer that records its pages: where the
// bands and the detail columns land, which bands print on which page, and
// how the engine fails.
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "print/easyreport.h"
#include "print/pagerect.h"
#include "print/pdftext.h"

namespace {

// A sheet of 254 by 254 mm (ten inches), whose size in pixels and points is
// exact at 254 dots per inch.
const QPageSize Sheet(QSizeF(254, 254), QPageSize::Millimeter);

// A PDF writer that writes the events of the report into a log, with a
// "page" line for every new page.
class TRecordingWriter : public QPdfWriter {
public:
    TRecordingWriter(const QString& FileName, QStringList& Log) : QPdfWriter(FileName), Log(Log)
    {
        setResolution(254); // 10 pixels per millimetre
        setPageSize(Sheet);
        setPageMargins(QMarginsF(0, 0, 0, 0));
    }
    bool newPage() override
    {
        Log.append("page");
        // A report that never ends fails here instead of hanging the test.
        return Log.count(QStringLiteral("page")) <= MaxPages && QPdfWriter::newPage();
    }
    static constexpr int MaxPages = 50;
    QStringList& Log;
};

// A report whose details are Rows numbered lines of 100 pixels, printed
// while there is room; everything it does goes into Log.
struct TReportFixture {
    QTemporaryDir Dir;
    QStringList Log;
    QList<QRect> DetailAreas;
    QList<QRect> DetailClips;
    TEasyReport Report;
    std::vector<std::unique_ptr<TEasyPrintArea>> Areas;
    int Rows = 0;
    int NextRow = 0;
    static constexpr int RowHeight = 100;

    TReportFixture()
    {
        Report.OnBeforePrint = [this](QObject*) { Log.append("before"); NextRow = 0; };
        Report.OnAfterPrint = [this](QObject*) { Log.append("after"); };
        Report.IsLastPage = [this](QObject*) { return NextRow >= Rows; };
        Report.OnDetailPrint = [this](QObject*, QPainter& Canvas, QRect& Area) {
            DetailAreas.append(Area);
            DetailClips.append(Canvas.clipRegion().boundingRect());
            int Y = Area.top();
            QStringList Printed;
            while (BottomEdge(Area) - Y >= RowHeight && NextRow < Rows) {
                Canvas.drawText(Area.left(), Y + RowHeight / 2, QString("row%1").arg(NextRow));
                Printed.append(QString::number(NextRow++));
                Y += RowHeight;
            }
            Log.append("details " + Printed.join(','));
            Area.setTop(Y); // what is left is free for the summary
            return false;
        };
    }

    TEasyPrintArea* MakeArea(const QString& Name, int Height, TEasyAreaAlignment Alignment = eaaTop)
    {
        Areas.push_back(std::make_unique<TEasyPrintArea>());
        TEasyPrintArea* Area = Areas.back().get();
        Area->setObjectName(Name);
        Area->Height = Height;
        Area->Alignment = Alignment;
        Area->OnPrint = [this, Name](QObject* Sender, QPainter& Canvas, const QRect& Band) {
            QVERIFY(Sender == &Report);
            if (!Band.isEmpty())
                QCOMPARE(Canvas.clipRegion().boundingRect(), Band);
            Log.append(Name);
            Bands[Name].append(Band);
            Canvas.drawText(Band.left(), Band.top() + Band.height() / 2, Name);
        };
        return Area;
    }

    QString FileName() const { return Dir.filePath("report.pdf"); }

    void Print(int RowCount)
    {
        Rows = RowCount;
        TRecordingWriter Writer(FileName(), Log);
        Report.Print(Writer);
    }

    // The log from "before" to "after", pages separated by "page".
    QString Events() const { return Log.join(" | "); }

    QMap<QString, QList<QRect>> Bands;
};

// The free space of the sheet with 10 mm margins at 10 pixels per mm.
const QRect Inside = RectFromEdges(100, 100, 2440, 2440);

} // namespace

class TestEasyReport : public QObject {
    Q_OBJECT
private slots:
    void MarginsAreMeasuredFromThePaperEdges();
    void MarginsFollowTheUnits_data();
    void MarginsFollowTheUnits();
    void ColumnsBelowOneAreIgnored();
    void OnePageWhenEverythingFitsAtOnce_data();
    void OnePageWhenEverythingFitsAtOnce();
    void HeadersAndFootersOnEveryPage_data();
    void HeadersAndFootersOnEveryPage();
    void BandsAreCutOffTheFreeSpace();
    void BandOfHeightZeroReservesNoSpace();
    void DetailColumnsWithHeadersAndFooters();
    void DetailHandlerCanStopFillingColumns();
    void OneColumnNeverPrintsColumnBands();
    void SummaryGoesBelowTheDetailsOfTheLastColumn();
    void DestroyedAreaIsDroppedFromTheReport();
    void NothingHappensWithoutTheRequiredHandlers();
    void BandContentIsClippedToTheBand();
    void PrintableRectangleIsTakenAnewForAnotherPage();
    void DeviceThatCannotStartRaisesPrintError();
    void HandlerExceptionEndsTheJob();
    void PageWithoutRoomForDetailsEndsTheJob_data();
    void PageWithoutRoomForDetailsEndsTheJob();
    void TitleFillingTheFirstPageLeavesRoomOnTheNext();
};

void TestEasyReport::MarginsAreMeasuredFromThePaperEdges()
{
    // The printable area starts half an inch (127 pixels) from the left and
    // the top edge of the paper; the margins of 20 and 30 mm still count from
    // the paper's edges. (The printable area of 2413 pixels is reported as
    // 241 mm, so a millimetre counts 10.01 pixels here.)
    TReportFixture Fixture;
    Fixture.Rows = 1;
    Fixture.Report.Margins = {20, 30, 10, 10};
    TRecordingWriter Writer(Fixture.FileName(), Fixture.Log);
    Writer.setPageMargins(QMarginsF(36, 36, 0, 0), QPageLayout::Point);
    Fixture.Report.Print(Writer);
    QCOMPARE(Fixture.DetailAreas.size(), 1);
    QCOMPARE(Fixture.DetailAreas.first(), RectFromEdges(200 - 127, 300 - 127, 2540 - 100 - 127, 2540 - 100 - 127));
}

void TestEasyReport::MarginsFollowTheUnits_data()
{
    QTest::addColumn<int>("Units");
    QTest::addColumn<float>("Margin");
    QTest::addColumn<int>("Pixels");
    QTest::newRow("millimetres") << int(uMilimiters) << 10.0f << 100;
    QTest::newRow("inches") << int(uInches) << 1.0f << 254;
    QTest::newRow("pixels") << int(uPixels) << 37.0f << 37;
    QTest::newRow("half a millimetre pixel rounds to even") << int(uMilimiters) << 2.25f << 22;
    QTest::newRow("half pixel rounds down to even") << int(uPixels) << 22.5f << 22;
    QTest::newRow("half pixel rounds up to even") << int(uPixels) << 23.5f << 24;
    QTest::newRow("no margin") << int(uMilimiters) << 0.0f << 0;
}

void TestEasyReport::MarginsFollowTheUnits()
{
    QFETCH(int, Units);
    QFETCH(float, Margin);
    QFETCH(int, Pixels);
    TReportFixture Fixture;
    Fixture.Report.Units = TUnits(Units);
    Fixture.Report.Margins = {Margin, Margin, Margin, Margin};
    Fixture.Print(1);
    QCOMPARE(Fixture.DetailAreas.first(), RectFromEdges(Pixels, Pixels, 2540 - Pixels, 2540 - Pixels));
}

void TestEasyReport::ColumnsBelowOneAreIgnored()
{
    TEasyReport Report;
    QCOMPARE(Report.Columns(), 1);
    Report.SetColumns(3);
    Report.SetColumns(0);
    QCOMPARE(Report.Columns(), 3);
    Report.SetColumns(-2);
    QCOMPARE(Report.Columns(), 3);
}

void TestEasyReport::OnePageWhenEverythingFitsAtOnce_data()
{
    QTest::addColumn<int>("Options");
    QTest::addColumn<QString>("Events");
    QTest::newRow("no options") << 0 << "before | title | details  | summary | after";
    QTest::newRow("first page header")
        << int(erFirstPageHeader) << "before | title | header | details  | summary | after";
    QTest::newRow("last page footer")
        << int(erLastPageFooter) << "before | title | footer | details  | summary | after";
    QTest::newRow("both") << int(erFirstPageHeader | erLastPageFooter)
                          << "before | title | header | footer | details  | summary | after";
}

void TestEasyReport::OnePageWhenEverythingFitsAtOnce()
{
    // Nothing to print: the details are still asked once.
    QFETCH(int, Options);
    QFETCH(QString, Events);
    TReportFixture Fixture;
    Fixture.Report.Options = TEasyReportOptions(Options);
    Fixture.Report.TitlePrint = Fixture.MakeArea("title", 100);
    Fixture.Report.PageHeaderPrint = Fixture.MakeArea("header", 50);
    Fixture.Report.PageFooterPrint = Fixture.MakeArea("footer", 80, eaaBottom);
    Fixture.Report.SumaryPrint = Fixture.MakeArea("summary", 60);
    Fixture.Print(0);
    QCOMPARE(Fixture.Events(), Events);
    QCOMPARE(TPdfText(Fixture.FileName()).PageCount(), 1);
}

void TestEasyReport::HeadersAndFootersOnEveryPage_data()
{
    QTest::addColumn<int>("Options");
    QTest::addColumn<QString>("Events");
    // The free space is 2340 pixels high: rows of 100 pixels fit 21 times
    // below title and footer, 20 times with the header as well, and 22 times
    // between header and footer. The last page has its footer too: whether
    // it is the last one is asked before its details are printed.
    QTest::newRow("no options")
        << 0
        << "before | title | footer | details 0-20 | page | header | footer | details 21-42 | page | header | footer | details 43-55 | summary | after";
    QTest::newRow("both")
        << int(erFirstPageHeader | erLastPageFooter)
        << "before | title | header | footer | details 0-19 | page | header | footer | details 20-41 | page | header | footer | details 42-55 | summary | after";
}

void TestEasyReport::HeadersAndFootersOnEveryPage()
{
    QFETCH(int, Options);
    QFETCH(QString, Events);
    TReportFixture Fixture;
    Fixture.Report.Options = TEasyReportOptions(Options);
    Fixture.Report.TitlePrint = Fixture.MakeArea("title", 150);
    Fixture.Report.PageHeaderPrint = Fixture.MakeArea("header", 50);
    Fixture.Report.PageFooterPrint = Fixture.MakeArea("footer", 80, eaaBottom);
    Fixture.Report.SumaryPrint = Fixture.MakeArea("summary", 60);
    Fixture.Print(56);

    // Shorten runs of rows to "first-last" to keep the expectation readable.
    QStringList Shortened;
    for (const QString& Event : std::as_const(Fixture.Log)) {
        if (!Event.startsWith("details ")) {
            Shortened.append(Event);
            continue;
        }
        const QStringList Rows = Event.mid(8).split(',');
        Shortened.append(Rows.size() > 2 ? "details " + Rows.first() + '-' + Rows.last() : Event);
    }
    QCOMPARE(Shortened.join(" | "), Events);
    QCOMPARE(TPdfText(Fixture.FileName()).PageCount(), Fixture.Log.count("page") + 1);
}

void TestEasyReport::BandsAreCutOffTheFreeSpace()
{
    TReportFixture Fixture;
    Fixture.Report.Options = erFirstPageHeader;
    Fixture.Report.TitlePrint = Fixture.MakeArea("title", 100);
    Fixture.Report.PageHeaderPrint = Fixture.MakeArea("header", 50);
    Fixture.Report.PageFooterPrint = Fixture.MakeArea("footer", 80, eaaBottom);
    Fixture.Print(30);

    QCOMPARE(Fixture.Bands["title"], QList<QRect>{RectFromEdges(100, 100, 2440, 200)});
    QCOMPARE(Fixture.Bands["header"].first(), RectFromEdges(100, 200, 2440, 250));
    QCOMPARE(Fixture.Bands["footer"].first(), RectFromEdges(100, 2360, 2440, 2440));
    QCOMPARE(Fixture.DetailAreas.first(), RectFromEdges(100, 250, 2440, 2360));
    QCOMPARE(Fixture.DetailClips.first(), Fixture.DetailAreas.first());
    // The second page starts again from the margins: no title there.
    QCOMPARE(Fixture.Bands["header"].at(1), RectFromEdges(100, 100, 2440, 150));
    QCOMPARE(Fixture.DetailAreas.at(1), RectFromEdges(100, 150, 2440, 2360));
}

void TestEasyReport::BandOfHeightZeroReservesNoSpace()
{
    TReportFixture Fixture;
    Fixture.Report.Options = erFirstPageHeader;
    TEasyPrintArea* Header = Fixture.MakeArea("header", 500);
    Header->OnHeight = [](QObject*, QPainter&) { return 0; };
    Fixture.Report.PageHeaderPrint = Header;
    Fixture.Print(1);
    QCOMPARE(Header->Height, 0);
    QCOMPARE(Fixture.Bands["header"].size(), 1);
    QVERIFY(Fixture.Bands["header"].first().isEmpty());
    QCOMPARE(Fixture.DetailAreas.first(), Inside);
}

void TestEasyReport::DetailColumnsWithHeadersAndFooters()
{
    // Three columns 5 mm apart: (2340 - 2 * 50) / 3 = 746 pixels wide, each
    // with room for 22 rows between its header and footer.
    TReportFixture Fixture;
    Fixture.Report.SetColumns(3);
    Fixture.Report.ColumnSpace = 5;
    Fixture.Report.ColumnHeaderPrint = Fixture.MakeArea("colhead", 40);
    Fixture.Report.ColumnFooterPrint = Fixture.MakeArea("colfoot", 30, eaaBottom);
    Fixture.Print(22 * 3 + 5);

    const QList<QRect> Columns = {RectFromEdges(100, 140, 846, 2410), RectFromEdges(896, 140, 1642, 2410),
                                  RectFromEdges(1692, 140, 2438, 2410)};
    // The second page offers all its columns too: the handler did not stop.
    QCOMPARE(Fixture.DetailAreas, Columns + Columns);
    QCOMPARE(Fixture.Bands["colhead"].at(1), RectFromEdges(896, 100, 1642, 140));
    QCOMPARE(Fixture.Bands["colfoot"].at(2), RectFromEdges(1692, 2410, 2438, 2440));
    QCOMPARE(Fixture.Log.count("colhead"), 6);
    QCOMPARE(Fixture.Log.count("page"), 1);
    QCOMPARE(Fixture.Log.filter("details").join(" | "),
             "details " + QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
                                      "13", "14", "15", "16", "17", "18", "19", "20", "21"}).join(',')
                 + " | details 22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40,41,42,43"
                 + " | details 44,45,46,47,48,49,50,51,52,53,54,55,56,57,58,59,60,61,62,63,64,65"
                 + " | details 66,67,68,69,70 | details  | details ");
}

void TestEasyReport::DetailHandlerCanStopFillingColumns()
{
    TReportFixture Fixture;
    Fixture.Report.SetColumns(4);
    Fixture.Report.ColumnHeaderPrint = Fixture.MakeArea("colhead", 40);
    int Calls = 0;
    Fixture.Report.OnDetailPrint = [&](QObject*, QPainter&, QRect&) { return ++Calls == 2; };
    Fixture.Report.IsLastPage = [](QObject*) { return true; };
    Fixture.Print(0);
    QCOMPARE(Calls, 2);
    QCOMPARE(Fixture.Log.count("colhead"), 2);
}

void TestEasyReport::OneColumnNeverPrintsColumnBands()
{
    TReportFixture Fixture;
    Fixture.Report.ColumnHeaderPrint = Fixture.MakeArea("colhead", 40);
    Fixture.Report.ColumnFooterPrint = Fixture.MakeArea("colfoot", 30, eaaBottom);
    Fixture.Print(60);
    QVERIFY(!Fixture.Log.contains("colhead"));
    QVERIFY(!Fixture.Log.contains("colfoot"));
    QCOMPARE(Fixture.DetailAreas.first(), Inside);
}

void TestEasyReport::SummaryGoesBelowTheDetailsOfTheLastColumn()
{
    // 23 rows in a column of 2340 pixels; 26 rows end after three rows of
    // the second column, which starts at 100 + 2340 / 2.
    TReportFixture Fixture;
    Fixture.Report.SetColumns(2);
    Fixture.Report.SumaryPrint = Fixture.MakeArea("summary", 60);
    Fixture.Print(26);
    QCOMPARE(Fixture.Bands["summary"], QList<QRect>{RectFromEdges(1270, 400, 2440, 460)});
}

void TestEasyReport::DestroyedAreaIsDroppedFromTheReport()
{
    TReportFixture Fixture;
    Fixture.Report.TitlePrint = Fixture.MakeArea("title", 100);
    Fixture.Areas.clear();
    QVERIFY(Fixture.Report.TitlePrint.isNull());
    Fixture.Print(1);
    QCOMPARE(Fixture.DetailAreas.first(), Inside);
}

void TestEasyReport::NothingHappensWithoutTheRequiredHandlers()
{
    for (int Missing = 0; Missing < 2; ++Missing) {
        TReportFixture Fixture;
        if (Missing == 0)
            Fixture.Report.OnDetailPrint = nullptr;
        else
            Fixture.Report.IsLastPage = nullptr;
        QBuffer Output;
        Output.open(QIODevice::WriteOnly);
        {
            QPdfWriter Writer(&Output);
            Fixture.Report.Print(Writer);
        }
        QVERIFY(Fixture.Log.isEmpty());
        QCOMPARE(Output.size(), 0);
    }
}

void TestEasyReport::BandContentIsClippedToTheBand()
{
    // The title paints far beyond its band; the page must show black only
    // inside the band.
    TReportFixture Fixture;
    TEasyPrintArea* Title = Fixture.MakeArea("title", 300);
    Title->OnPrint = [](QObject*, QPainter& Canvas, const QRect&) {
        Canvas.fillRect(QRect(0, 0, 2540, 2540), Qt::black);
    };
    Fixture.Report.TitlePrint = Title;
    Fixture.Print(1);

    const QString Png = Fixture.Dir.filePath("page");
    QCOMPARE(QProcess::execute("pdftoppm", {"-r", "25.4", "-png", "-singlefile", Fixture.FileName(), Png}), 0);
    QImage Page(Png + ".png"); // one pixel per millimetre
    QVERIFY(!Page.isNull());
    QCOMPARE(Page.pixelColor(50, 20).lightness(), 0);   // inside the band
    QCOMPARE(Page.pixelColor(5, 20).lightness(), 255);  // in the left margin
    QCOMPARE(Page.pixelColor(50, 5).lightness(), 255);  // in the top margin
    QCOMPARE(Page.pixelColor(50, 45).lightness(), 255); // below the band
}

void TestEasyReport::PrintableRectangleIsTakenAnewForAnotherPage()
{
    TReportFixture Fixture;
    Fixture.Print(1);
    QCOMPARE(Fixture.DetailAreas.last(), Inside);
    {
        TRecordingWriter Writer(Fixture.FileName(), Fixture.Log);
        Writer.setPageSize(QPageSize(QSizeF(254, 381), QPageSize::Millimeter));
        Fixture.Report.Print(Writer);
    }
    QCOMPARE(Fixture.DetailAreas.last(), RectFromEdges(100, 100, 2440, 3710));
    Fixture.Print(1);
    QCOMPARE(Fixture.DetailAreas.last(), Inside);
}

void TestEasyReport::DeviceThatCannotStartRaisesPrintError()
{
    TReportFixture Fixture;
    QStringList Log;
    TRecordingWriter Writer(Fixture.Dir.filePath("missing/folder/report.pdf"), Log);
    QVERIFY_THROWS_EXCEPTION(EPrintError, Fixture.Report.Print(Writer));
    QVERIFY(Fixture.Log.isEmpty());
}

void TestEasyReport::HandlerExceptionEndsTheJob()
{
    TReportFixture Fixture;
    Fixture.Report.OnDetailPrint = [](QObject*, QPainter&, QRect&) -> bool {
        throw std::runtime_error("handler failed");
    };
    QStringList Log;
    TRecordingWriter Writer(Fixture.FileName(), Log);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, Fixture.Report.Print(Writer));
    // The writer is free for the next job.
    QPainter Painter;
    QVERIFY(Painter.begin(&Writer));
    Painter.end();
}

void TestEasyReport::PageWithoutRoomForDetailsEndsTheJob_data()
{
    QTest::addColumn<int>("Header");
    QTest::addColumn<int>("Footer");
    QTest::addColumn<int>("Columns");
    QTest::newRow("header fills the page") << 2340 << 0 << 1;
    QTest::newRow("header and footer fill it") << 1200 << 1200 << 1;
    QTest::newRow("header taller than the page") << 5000 << 0 << 1;
    QTest::newRow("in columns") << 2340 << 0 << 3;
}

void TestEasyReport::PageWithoutRoomForDetailsEndsTheJob()
{
    QFETCH(int, Header);
    QFETCH(int, Footer);
    QFETCH(int, Columns);
    TReportFixture Fixture;
    Fixture.Report.SetColumns(Columns);
    Fixture.Report.PageHeaderPrint = Fixture.MakeArea("header", Header);
    Fixture.Report.PageFooterPrint = Fixture.MakeArea("footer", Footer, eaaBottom);
    QString Message;
    try {
        Fixture.Print(100);
    } catch (const EPrintError& Error) {
        Message = QString::fromUtf8(Error.what());
    }
    QCOMPARE(Message, QStringLiteral("Op de pagina is geen ruimte over voor de inhoud van de afdruk; "
                                     "het afdrukken is afgebroken."));
    // The first page printed rows; the second had no room and ended the job.
    QCOMPARE(Fixture.Log.count(QStringLiteral("page")), 1);
}

void TestEasyReport::TitleFillingTheFirstPageLeavesRoomOnTheNext()
{
    TReportFixture Fixture;
    Fixture.Report.TitlePrint = Fixture.MakeArea("title", 2340);
    Fixture.Print(3);
    QCOMPARE(Fixture.Events(), QStringLiteral("before | title | details  | page | details 0,1,2 | after"));
}

QTEST_MAIN(TestEasyReport)
#include "tst_easyreport.moc"
