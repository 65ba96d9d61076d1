// SPDX-License-Identifier: GPL-3.0-or-later
// The table printout as a reader sees it on the printed pages (PDF files read
// back with pdftotext): the header line, the entries, the page breaks, and
// the PDF file written when there is no printer.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "app/frmmain.h"
#include "app/mainwindowfixture.h"
#include "ui/frmjanee.h"
#include "print/easyreport.h"
#include "print/frmprint.h"
#include "print/pdftext.h"
#include "print/printprogress.h"
#include "table/questionlist.h"

namespace {

constexpr double PointsPerMm = 72 / 25.4;

// The table "les.MT4" with entries vraag000 = antwoord000, ...
struct TPrintFixture {
    QTemporaryDir Dir;
    QWidget Owner;
    TfrmPrint Form{Owner};
    TQuestionlist Table;

    explicit TPrintFixture(int Count = 0)
    {
        Table.ListName = QFile::encodeName(Dir.filePath("les.MT4")).toStdString();
        for (int i = 0; i < Count; ++i)
            AddEntry(i);
        Form.QuestionList = &Table;
    }

    void AddEntry(int i)
    {
        Table.Add(QString("vraag%1").arg(i, 3, 10, QChar('0')).toStdString(),
                  QString("antwoord%1").arg(i, 3, 10, QChar('0')).toStdString());
    }

    QString TableName() const { return QFile::decodeName(QByteArray::fromStdString(Table.ListName)); }

    // Prints as the printout without a printer does (A4, no printable
    // margins), and reads it back.
    TPdfText PrintPdf(const QString& Name = "print.pdf")
    {
        const QString FileName = Dir.filePath(Name);
        {
            QFile File(FileName);
            if (!File.open(QIODevice::WriteOnly))
                qWarning() << "cannot write" << FileName;
            Form.PrintToPdf(File);
        }
        TPdfText Pdf(FileName);
        if (!Pdf.Ok())
            qWarning() << Pdf.Error();
        return Pdf;
    }
};

// The entry words of a page in print order.
QStringList EntriesOn(const TPdfText& Pdf, int Page)
{
    QStringList Entries;
    for (const TPdfWord& Word : Pdf.PageWords(Page))
        if (Word.Text.startsWith("vraag"))
            Entries.append(Word.Text.mid(5));
    return Entries;
}

// Answers the next message box as a user would, by pressing its default
// button, and keeps its icon and text.
struct TBoxAnswer {
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    int Boxes = 0;

    void Expect()
    {
        WhenModal([this](QWidget* Modal) {
            auto* Box = qobject_cast<QMessageBox*>(Modal);
            if (!Box) {
                qWarning("the modal dialog is not a message box");
                Modal->close();
                return;
            }
            ++Boxes;
            Text = Box->text();
            Icon = Box->icon();
            QTest::keyClick(Box, Qt::Key_Return);
        });
    }
};

// Watches the printout's progress dialog and the message boxes as they show:
// presses "Stoppen" at once when asked to, and answers every message box.
class TProgressWatch : public QObject {
public:
    explicit TProgressWatch(bool Stop) : Stop(Stop) { qApp->installEventFilter(this); }
    ~TProgressWatch() override { qApp->removeEventFilter(this); }

    int Shown = 0;
    int Boxes = 0;
    int Asked = 0; // overwrite questions, answered "&Ja"
    QString FirstLabel;
    QString LastLabel;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() != QEvent::Show && Event->type() != QEvent::Hide)
            return false;
        if (auto* Progress = qobject_cast<TPrintProgress*>(Watched)) {
            if (Event->type() == QEvent::Hide) {
                LastLabel = Progress->lblPagina->text();
                return false;
            }
            ++Shown;
            FirstLabel = Progress->lblPagina->text();
            if (Stop)
                QMetaObject::invokeMethod(Progress->btnStoppen, &QPushButton::click, Qt::QueuedConnection);
        } else if (auto* Box = qobject_cast<QMessageBox*>(Watched); Box && Event->type() == QEvent::Show) {
            ++Boxes;
            QMetaObject::invokeMethod(Box, &QDialog::accept, Qt::QueuedConnection);
        } else if (auto* Question = qobject_cast<TfrmJaNee*>(Watched); Question && Event->type() == QEvent::Show) {
            ++Asked;
            QMetaObject::invokeMethod(Question->btnJa, &QPushButton::click, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool Stop;
};

} // namespace

class TestFrmPrint : public QObject {
    Q_OBJECT
private slots:
    void OneEntryPrintsOnePage();
    void QuestionLeftAndAnswerFromTheMiddle();
    void LongTableBreaksIntoNumberedPages();
    void FullPageIsNotFollowedByAnEmptyOne();
    void SecondPrintStartsAgainAtPageOne();
    void NewTablePrintsOnlyThePageNumber();
    void LongQuestionRunsOnIntoTheAnswerColumn();
    void ReversedTablePrintsTheAnswersLeft();
    void WindowsTextPrintsItsAccents();
    void EachColumnPrintsInItsCodePage();
    void HebrewColumnsStandAgainstTheirRightEdge();
    void PageWithoutRoomForALineFailsInsteadOfLooping();
    void WithoutPrinterThePrintoutGoesBesideTheTable();
    void WithoutPrinterAnUnnamedTableGoesHome();
    void WithoutPrinterAnUnwritablePdfIsReported();
    void LongPrintoutShowsItsProgress();
    void StoppedPrintoutLeavesNoHalfPdf();
    void WithoutPrinterAnExistingFileIsReplacedOnlyAfterJa();
    void CtrlPInTheMainWindowPrintsTheLoadedTable();
    void CtrlPDoesNothingWhenPrintingIsSwitchedOff();
};

void TestFrmPrint::OneEntryPrintsOnePage()
{
    TPrintFixture Fixture(1);
    const TPdfText Pdf = Fixture.PrintPdf();
    QVERIFY(Pdf.Ok());
    QCOMPARE(Pdf.PageCount(), 1);
    const QStringList Lines = Pdf.Lines(1);
    QCOMPARE(Lines.size(), 2);
    QVERIFY2(Lines.at(0).trimmed().startsWith(Fixture.TableName()), qPrintable(Lines.at(0)));
    QVERIFY2(Lines.at(0).trimmed().endsWith(" 1"), qPrintable(Lines.at(0)));
    QCOMPARE(Lines.at(1).simplified(), "vraag000 antwoord000");

    // The header runs from the left to the right margin, 10 mm from the
    // edges of the paper.
    const TPdfWord Name = Pdf.Find(1, Fixture.TableName());
    const TPdfWord Number = Pdf.Find(1, "1");
    QVERIFY(!Name.Text.isEmpty() && !Number.Text.isEmpty());
    QVERIFY2(qAbs(Name.XMin - 10 * PointsPerMm) < 1, qPrintable(QString::number(Name.XMin)));
    QVERIFY2(qAbs(Number.XMax - 200 * PointsPerMm) < 1, qPrintable(QString::number(Number.XMax)));
    QVERIFY(Name.YMin > 10 * PointsPerMm - 1);
    QCOMPARE(Name.YMin, Number.YMin);
}

void TestFrmPrint::QuestionLeftAndAnswerFromTheMiddle()
{
    // The answer column starts at 2 * left + right / 2 of the free space:
    // with 10 mm margins on A4 that is 2 * 10 + 200 / 2 = 120 mm from the
    // paper's left edge, 15 mm right of the page's middle.
    TPrintFixture Fixture(3);
    const TPdfText Pdf = Fixture.PrintPdf();
    const TPdfWord Header = Pdf.Find(1, Fixture.TableName());
    double PreviousY = Header.YMin;
    double LineStep = 0;
    for (int i = 0; i < 3; ++i) {
        const TPdfWord Question = Pdf.Find(1, QString("vraag00%1").arg(i));
        const TPdfWord Answer = Pdf.Find(1, QString("antwoord00%1").arg(i));
        QVERIFY2(qAbs(Question.XMin - 10 * PointsPerMm) < 1, qPrintable(QString::number(Question.XMin)));
        QVERIFY2(qAbs(Answer.XMin - 120 * PointsPerMm) < 1, qPrintable(QString::number(Answer.XMin)));
        QCOMPARE(Question.YMin, Answer.YMin);
        QVERIFY(Question.YMin > PreviousY);
        if (i > 0) {
            // One line below the other, evenly.
            if (LineStep == 0)
                LineStep = Question.YMin - PreviousY;
            QVERIFY(qAbs(Question.YMin - PreviousY - LineStep) < 0.5);
            QVERIFY(LineStep < Question.YMax - Question.YMin + 2);
        } else {
            // The header band is two lines high, the name centred in it.
            QVERIFY(Question.YMin - Header.YMin > 1.2 * (Header.YMax - Header.YMin));
        }
        PreviousY = Question.YMin;
    }
}

void TestFrmPrint::LongTableBreaksIntoNumberedPages()
{
    TPrintFixture Fixture(200);
    const TPdfText Pdf = Fixture.PrintPdf();
    QVERIFY(Pdf.PageCount() >= 2);
    QStringList Printed;
    for (int Page = 1; Page <= Pdf.PageCount(); ++Page) {
        const QStringList Lines = Pdf.Lines(Page);
        QVERIFY(Lines.size() >= 2);
        QCOMPARE(Lines.first().simplified(), Fixture.TableName() + ' ' + QString::number(Page));
        for (int i = 1; i < Lines.size(); ++i) {
            const QStringList Words = Lines.at(i).simplified().split(' ');
            QCOMPARE(Words.size(), 2);
            QCOMPARE(Words.at(1), "antwoord" + Words.at(0).mid(5));
        }
        Printed += EntriesOn(Pdf, Page);

        // A page ends when the next line would not fit above the bottom
        // margin, 287 mm from the top.
        const QList<TPdfWord> Words = Pdf.PageWords(Page);
        const double LineHeight = Words.last().YMax - Words.last().YMin;
        const double Room = 287 * PointsPerMm - Words.last().YMax;
        QVERIFY2(Room >= -0.5, qPrintable(QString::number(Room)));
        if (Page < Pdf.PageCount())
            QVERIFY2(Room < 2 * LineHeight, qPrintable(QString::number(Room)));
    }
    QStringList Expected;
    for (int i = 0; i < 200; ++i)
        Expected.append(QString("%1").arg(i, 3, 10, QChar('0')));
    QCOMPARE(Printed, Expected);
}

void TestFrmPrint::FullPageIsNotFollowedByAnEmptyOne()
{
    int PerPage = 0;
    {
        TPrintFixture Fixture(200);
        PerPage = int(EntriesOn(Fixture.PrintPdf(), 1).size());
    }
    QVERIFY(PerPage > 20);

    TPrintFixture Full(PerPage);
    const TPdfText Exact = Full.PrintPdf();
    QCOMPARE(Exact.PageCount(), 1);
    QCOMPARE(EntriesOn(Exact, 1).size(), PerPage);

    // One more entry goes alone onto page 2.
    Full.AddEntry(PerPage);
    const TPdfText OneMore = Full.PrintPdf("onemore.pdf");
    QCOMPARE(OneMore.PageCount(), 2);
    QCOMPARE(EntriesOn(OneMore, 2), QStringList{QString("%1").arg(PerPage, 3, 10, QChar('0'))});
    QCOMPARE(OneMore.Lines(2).first().simplified(), Full.TableName() + " 2");
}

void TestFrmPrint::SecondPrintStartsAgainAtPageOne()
{
    TPrintFixture Fixture(120);
    const TPdfText First = Fixture.PrintPdf("first.pdf");
    const TPdfText Second = Fixture.PrintPdf("second.pdf");
    QVERIFY(First.PageCount() >= 2);
    QCOMPARE(Second.PageCount(), First.PageCount());
    for (int Page = 1; Page <= First.PageCount(); ++Page)
        QCOMPARE(Second.Lines(Page), First.Lines(Page));
    QCOMPARE(EntriesOn(Second, 1).first(), "000");
}

void TestFrmPrint::NewTablePrintsOnlyThePageNumber()
{
    TPrintFixture Fixture(2);
    Fixture.Table.ListName.clear();
    const TPdfText Pdf = Fixture.PrintPdf();
    const QStringList Lines = Pdf.Lines(1);
    QCOMPARE(Lines.size(), 3);
    QCOMPARE(Lines.first().trimmed(), "1");
    const TPdfWord Number = Pdf.Find(1, "1");
    QVERIFY(qAbs(Number.XMax - 200 * PointsPerMm) < 1);
}

void TestFrmPrint::LongQuestionRunsOnIntoTheAnswerColumn()
{
    TPrintFixture Fixture;
    const QString Long = QString("lang").repeated(20);
    Fixture.Table.Add(Long.toStdString(), "kort");
    Fixture.Table.Add("volgende", "regel");
    const TPdfText Pdf = Fixture.PrintPdf();
    QCOMPARE(Pdf.PageCount(), 1);
    const TPdfWord Question = Pdf.Find(1, Long);
    const TPdfWord Answer = Pdf.Find(1, "kort");
    const TPdfWord Next = Pdf.Find(1, "volgende");
    QStringList Words;
    for (const TPdfWord& Word : Pdf.PageWords(1))
        Words.append(Word.Text);
    QVERIFY2(!Question.Text.isEmpty(), qPrintable(Words.join(' ')));
    QVERIFY(Question.XMax > Answer.XMin);
    QCOMPARE(Question.YMin, Answer.YMin);
    QVERIFY(Next.YMin > Question.YMin);
    QVERIFY(qAbs(Answer.XMin - 120 * PointsPerMm) < 1);
}

void TestFrmPrint::ReversedTablePrintsTheAnswersLeft()
{
    TPrintFixture Fixture(1);
    Fixture.Table.Reverse = true;
    const TPdfText Pdf = Fixture.PrintPdf();
    QCOMPARE(Pdf.Lines(1).at(1).simplified(), "antwoord000 vraag000");
}

void TestFrmPrint::WindowsTextPrintsItsAccents()
{
    TPrintFixture Fixture;
    Fixture.Table.Add("caf\xE9", "na\xEFve \x80");
    const TPdfText Pdf = Fixture.PrintPdf();
    QCOMPARE(Pdf.Lines(1).at(1).simplified(), QString::fromUtf8("café naïve €"));
}

void TestFrmPrint::EachColumnPrintsInItsCodePage()
{
    // The same bytes are Cyrillic in one column and Western in the other.
    TPrintFixture Fixture;
    Fixture.Table.QuestionFont.Charset = 204;
    Fixture.Table.Add("\xD1\xEE\xE1\xE0\xEA\xE0", "\xD1\xEE\xE1\xE0\xEA\xE0");
    Fixture.Table.Add("\xF1\xEB\xEE\xE2\xEE", "woord");
    const TPdfText Pdf = Fixture.PrintPdf();
    QCOMPARE(Pdf.Lines(1).at(1).simplified(), QString::fromUtf8("Собака Ñîáàêà"));
    QCOMPARE(Pdf.Lines(1).at(2).simplified(), QString::fromUtf8("слово woord"));
}

void TestFrmPrint::HebrewColumnsStandAgainstTheirRightEdge()
{
    // שלום = vrede in a Hebrew question column; vrede = שלום with the
    // Hebrew answers. The answer column runs from 120 mm to 200 mm.
    for (const bool HebrewQuestions : {true, false}) {
        TPrintFixture Fixture;
        (HebrewQuestions ? Fixture.Table.QuestionFont : Fixture.Table.AnswerFont).Charset = 177;
        if (HebrewQuestions)
            Fixture.Table.Add("\xF9\xEC\xE5\xED", "vrede");
        else
            Fixture.Table.Add("vrede", "\xF9\xEC\xE5\xED");
        const TPdfText Pdf = Fixture.PrintPdf();
        const TPdfWord Latin = Pdf.Find(1, "vrede");
        TPdfWord Hebrew;
        for (const TPdfWord& Word : Pdf.PageWords(1))
            if (Word.YMin == Latin.YMin && Word.Text != Latin.Text)
                Hebrew = Word;
        QVERIFY2(!Hebrew.Text.isEmpty(), qPrintable(Pdf.Lines(1).join(u'|')));
        if (HebrewQuestions) {
            QVERIFY2(qAbs(Latin.XMin - 120 * PointsPerMm) < 1, qPrintable(QString::number(Latin.XMin)));
            // Near the middle, with a gap before the answer.
            QVERIFY2(Hebrew.XMax < Latin.XMin - 2 && Hebrew.XMax > Latin.XMin - 10 * PointsPerMm,
                     qPrintable(QStringLiteral("%1 %2").arg(Hebrew.XMax).arg(Latin.XMin)));
        } else {
            QVERIFY2(qAbs(Latin.XMin - 10 * PointsPerMm) < 1, qPrintable(QString::number(Latin.XMin)));
            QVERIFY2(qAbs(Hebrew.XMax - 200 * PointsPerMm) < 2, qPrintable(QString::number(Hebrew.XMax)));
        }
    }
}

void TestFrmPrint::PageWithoutRoomForALineFailsInsteadOfLooping()
{
    // A sheet of 30 mm with margins of 10 mm leaves no room below the
    // header for a single line.
    TPrintFixture Fixture(3);
    QPdfWriter Writer(Fixture.Dir.filePath("small.pdf"));
    Writer.setPageSize(QPageSize(QSizeF(60, 30), QPageSize::Millimeter));
    Writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QVERIFY_THROWS_EXCEPTION(EPrintError, Fixture.Form.PrintTo(Writer));
}

void TestFrmPrint::WithoutPrinterThePrintoutGoesBesideTheTable()
{
    if (TfrmPrint::HasDefaultPrinter())
        QSKIP("a printer is installed; this checks the PDF written without one");
    TPrintFixture Fixture(150);
    const QString Expected = Fixture.Dir.filePath("les.pdf");
    QCOMPARE(Fixture.Form.PdfFileName(), Expected);

    TBoxAnswer Box;
    Box.Expect();
    Fixture.Form.Print();
    QCOMPARE(Box.Boxes, 1);
    QCOMPARE(Box.Icon, QMessageBox::Information);
    QVERIFY2(Box.Text.contains("PDF-bestand"), qPrintable(Box.Text));
    QVERIFY2(Box.Text.contains(QDir::toNativeSeparators(Expected)), qPrintable(Box.Text));

    const TPdfText Pdf(Expected);
    QVERIFY(Pdf.Ok());
    QVERIFY(Pdf.PageCount() >= 2);
    QCOMPARE(Pdf.Lines(2).first().simplified(), Fixture.TableName() + " 2");
    QCOMPARE(EntriesOn(Pdf, Pdf.PageCount()).last(), "149");
    // Nothing but the printout beside the table.
    QCOMPARE(QDir(Fixture.Dir.path()).entryList(QDir::Files), QStringList{"les.pdf"});
}

void TestFrmPrint::WithoutPrinterAnUnnamedTableGoesHome()
{
    if (TfrmPrint::HasDefaultPrinter())
        QSKIP("a printer is installed; this checks the PDF written without one");
    TPrintFixture Fixture(2);
    Fixture.Table.ListName.clear();
    const QByteArray Home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(Fixture.Dir.path()));
    const QString Expected = QDir(Fixture.Dir.path()).filePath("memorant.pdf");
    TBoxAnswer Box;
    Box.Expect();
    Fixture.Form.Print();
    qputenv("HOME", Home);
    QVERIFY2(Box.Text.contains(QDir::toNativeSeparators(Expected)), qPrintable(Box.Text));
    const TPdfText Pdf(Expected);
    QCOMPARE(Pdf.PageCount(), 1);
    QCOMPARE(Pdf.Lines(1).first().trimmed(), "1");
}

void TestFrmPrint::WithoutPrinterAnUnwritablePdfIsReported()
{
    if (TfrmPrint::HasDefaultPrinter())
        QSKIP("a printer is installed; this checks the PDF written without one");
    // The table's folder has gone, and a folder stands where the PDF of a
    // second table would go.
    TPrintFixture Fixture(2);
    for (const QString& Table : {Fixture.Dir.filePath("weg/les.MT4"), Fixture.Dir.filePath("map.MT4")}) {
        QVERIFY(QDir(Fixture.Dir.path()).mkpath("map.pdf"));
        Fixture.Table.ListName = QFile::encodeName(Table).toStdString();
        TBoxAnswer Box;
        Box.Expect();
        Fixture.Form.Print();
        QCOMPARE(Box.Boxes, 1);
        QCOMPARE(Box.Icon, QMessageBox::Critical);
        QVERIFY2(Box.Text.contains("kon ook niet als PDF-bestand worden opgeslagen"), qPrintable(Box.Text));
        QVERIFY2(Box.Text.contains(QDir::toNativeSeparators(Fixture.Form.PdfFileName())), qPrintable(Box.Text));
    }
    QVERIFY(!QFile::exists(Fixture.Dir.filePath("weg/les.pdf")));
    QVERIFY(QFileInfo(Fixture.Dir.filePath("map.pdf")).isDir());
}

void TestFrmPrint::LongPrintoutShowsItsProgress()
{
    if (TfrmPrint::HasDefaultPrinter())
        QSKIP("a printer is installed; this checks the PDF written without one");
    {
        // A few pages go by without it.
        TPrintFixture Fixture(150);
        TProgressWatch Watch(false);
        Fixture.Form.Print();
        QCOMPARE(Watch.Shown, 0);
        QCOMPARE(Watch.Boxes, 1);
    }
    TPrintFixture Fixture(1000);
    TProgressWatch Watch(false);
    Fixture.Form.Print();
    QCOMPARE(Watch.Shown, 1);
    QCOMPARE(Watch.Boxes, 1); // where the PDF went, with the progress gone
    const TPdfText Pdf(Fixture.Dir.filePath("les.pdf"));
    QVERIFY(Pdf.PageCount() >= TPrintProgress::ShownFromPages);
    QCOMPARE(Watch.FirstLabel, QString("Pagina 1 van %1 is afgedrukt.").arg(Pdf.PageCount()));
    QCOMPARE(Watch.LastLabel, QString("Pagina %1 van %1 is afgedrukt.").arg(Pdf.PageCount()));
    QCOMPARE(EntriesOn(Pdf, Pdf.PageCount()).last(), "999");
}

void TestFrmPrint::StoppedPrintoutLeavesNoHalfPdf()
{
    if (TfrmPrint::HasDefaultPrinter())
        QSKIP("a printer is installed; this checks the PDF written without one");
    TPrintFixture Fixture(1000);
    QFile Earlier(Fixture.Dir.filePath("les.pdf"));
    QVERIFY(Earlier.open(QIODevice::WriteOnly));
    Earlier.write("een eerdere afdruk");
    Earlier.close();

    {
        TProgressWatch Watch(true);
        Fixture.Form.Print();
        QCOMPARE(Watch.Asked, 1);
        QCOMPARE(Watch.Shown, 1);
        QCOMPARE(Watch.LastLabel, QString("Het afdrukken wordt gestopt..."));
        QCOMPARE(Watch.Boxes, 0); // stopping is no failure, and there is no file to point to
    }
    QVERIFY(Earlier.open(QIODevice::ReadOnly));
    QCOMPARE(Earlier.readAll(), QByteArray("een eerdere afdruk"));
    QCOMPARE(QDir(Fixture.Dir.path()).entryList(QDir::Files), QStringList{"les.pdf"});

    // The next printout runs to the end again.
    TProgressWatch Again(false);
    Fixture.Form.Print();
    QCOMPARE(Again.Boxes, 1);
    QCOMPARE(EntriesOn(TPdfText(Earlier.fileName()), TPdfText(Earlier.fileName()).PageCount()).last(), "999");
    QCOMPARE(Again.Asked, 1); // the earlier file is there again to be replaced
}

void TestFrmPrint::WithoutPrinterAnExistingFileIsReplacedOnlyAfterJa()
{
    if (TfrmPrint::HasDefaultPrinter())
        QSKIP("a printer is installed; this checks the PDF written without one");
    TPrintFixture Fixture(2);
    const QString Own = Fixture.Form.PdfFileName();
    QFile File(Own);
    QVERIFY(File.open(QIODevice::WriteOnly));
    File.write("eigen werk");
    File.close();

    // Answers the overwrite question, then expects Box (when given).
    auto Answer = [](bool Yes, QString& Asked, TBoxAnswer* Box) {
        WhenModal([Yes, &Asked, Box](QWidget* Modal) {
            auto* Dialog = qobject_cast<TfrmJaNee*>(Modal);
            if (!Dialog) {
                Modal->close();
                return;
            }
            Asked = Dialog->lblVraag->text();
            if (Box)
                Box->Expect();
            QTest::mouseClick(Yes ? Dialog->btnJa : Dialog->btnNee, Qt::LeftButton);
        });
    };
    QString Asked;
    Answer(false, Asked, nullptr);
    Fixture.Form.Print();
    QCOMPARE(Asked, QStringLiteral("Bestand bestaat al, overschrijven?"));
    QVERIFY(File.open(QIODevice::ReadOnly));
    QCOMPARE(File.readAll(), QByteArray("eigen werk"));
    File.close();

    Asked.clear();
    TBoxAnswer Box;
    Answer(true, Asked, &Box);
    Fixture.Form.Print();
    QCOMPARE(Asked, QStringLiteral("Bestand bestaat al, overschrijven?"));
    QCOMPARE(Box.Boxes, 1);
    QCOMPARE(Box.Icon, QMessageBox::Information);
    QCOMPARE(TPdfText(Own).PageCount(), 1);
}

void TestFrmPrint::CtrlPInTheMainWindowPrintsTheLoadedTable()
{
    if (TfrmPrint::HasDefaultPrinter())
        QSKIP("a printer is installed; this checks the PDF written without one");
    QTemporaryDir Dir;
    // "fi" is printed as one ligature glyph; the header must still read back.
    const QString Table = WriteTable(Dir, "fijne-lijst.MT4", 130);
    auto Window = StartMainWindow({Table});
    QString Text;
    CloseMessageBox(&Text);
    QTest::keyClick(Window.get(), Qt::Key_P, Qt::ControlModifier);
    QTRY_VERIFY(!Text.isEmpty());
    const QString Pdf = Dir.filePath("fijne-lijst.pdf");
    QVERIFY2(Text.contains(QDir::toNativeSeparators(Pdf)), qPrintable(Text));
    const TPdfText Printed(Pdf);
    QVERIFY(Printed.PageCount() >= 2);
    QCOMPARE(Printed.Lines(1).first().simplified(), Table + " 1");
    QCOMPARE(Printed.Lines(1).at(1).simplified(), "vraag1 antwoord1");
    QCOMPARE(Printed.Lines(Printed.PageCount()).last().simplified(), "vraag130 antwoord130");
}

void TestFrmPrint::CtrlPDoesNothingWhenPrintingIsSwitchedOff()
{
    QTemporaryDir Dir;
    const QString Table = WriteTable(Dir, "lijst.MT4", 3);
    auto Window = StartMainWindow({"-P", Table});
    QTest::keyClick(Window.get(), Qt::Key_P, Qt::ControlModifier);
    QTest::qWait(100);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!QFile::exists(Dir.filePath("lijst.pdf")));
}

QTEST_MAIN(TestFrmPrint)
#include "tst_frmprint.moc"
