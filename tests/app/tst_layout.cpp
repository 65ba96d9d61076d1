// SPDX-License-Identifier: GPL-3.0-or-later
// The window's design grows with the window: at the design size, maximised on
// a full-HD screen and maximised on a 3840 x 2160 screen. The program runs on
// two offscreen screens of those sizes.
#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "app/frmmain.h"
#include "app/questionpanel.h"
#include "app/titlepanel.h"
#include "files/windowsettings.h"
#include "quizscreens/choicepanel.h"
#include "quizscreens/fillinpanel.h"
#include "quizscreens/scorepanel.h"
#include "quizscreens/resultspanel.h"
#include "tableeditor/editpanel.h"
#include "ui/memo.h"
#include "ui/tablefont.h"
#include "mainwindowfixture.h"

namespace {

const QString LargeScreen = QStringLiteral("Groot");
const QString FullHdScreen = QStringLiteral("FullHD");

QScreen* ScreenNamed(const QString& Name)
{
    for (QScreen* Screen : QGuiApplication::screens())
        if (Screen->name() == Name)
            return Screen;
    return nullptr;
}

int Scaled(int Design, double Factor) { return static_cast<int>(std::lround(Design * Factor)); }

// Whether Label shows all of its text: wrapped at words, nothing cut.
bool ShowsWholeText(const QLabel* Label)
{
    const QRect Room = Label->contentsRect();
    const QRect Needed = QFontMetrics(Label->font()).boundingRect(QRect(0, 0, Room.width(), 100000),
                                                                  Label->alignment() | Qt::TextWordWrap, Label->text());
    return Needed.width() <= Room.width() && Needed.height() <= Room.height();
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private:
    QTemporaryDir Dir;

    // A window on a table of Entries entries, at Size: "design" (the
    // smallest window), or maximised on the screen "FullHD" or "Groot".
    std::unique_ptr<TfrmMain> StartAt(const QString& Size, int Entries = 40)
    {
        auto Window = std::make_unique<TfrmMain>();
        Window->WindowSettings->SetFileName(Dir.filePath(QStringLiteral("memorant.ini")));
        Window->show();
        if (!QTest::qWaitFor([&] { return !Window->FirstActivation; }))
            return nullptr;
        for (int Entry = 1; Entry <= Entries; ++Entry)
            Window->QuestionList.Add("vraag" + std::to_string(Entry), "antwoord" + std::to_string(Entry));
        Window->State = msIdle;
        Window->UpdateCommandStates();
        if (Size == QStringLiteral("design")) {
            Window->resize(Window->minimumSize());
        } else {
            const QScreen* Screen = ScreenNamed(Size);
            if (!Screen)
                return nullptr;
            Window->move(Screen->availableGeometry().topLeft() + QPoint(60, 60));
            Window->showMaximized();
            if (!QTest::qWaitFor([&] { return Window->frameGeometry() == Screen->availableGeometry(); })) {
                qWarning() << "window" << Window->geometry() << "on" << Window->screen()->name() << "state"
                           << Window->windowState() << "screen" << Screen->availableGeometry();
                return nullptr;
            }
        }
        QApplication::processEvents();
        return Window;
    }

    static double FactorOf(const TfrmMain& Window)
    {
        return std::max(1.0, std::min(Window.ClientWidth() / 600.0, Window.ClientHeight() / 431.0));
    }

    static void CheckControls(TfrmMain& Window)
    {
        QWidget* Client = Window.centralWidget();
        QList<QWidget*> Shown;
        for (QWidget* Control : Client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            // The logo beside the score meter holds no picture.
            if (Control->isVisible() && Control != Window.imgLogo)
                Shown << Control;
        QVERIFY(Shown.size() >= 5);
        const bool AtDesignSize = FactorOf(Window) == 1.0;
        // At the design size the prompt lines and the tall title and results
        // panels reach a few pixels into each other's empty edges.
        const auto DesignedToTouch = [&Window](const QWidget* One, const QWidget* Other) {
            const QList<const QWidget*> Pair{One, Other};
            const auto Is = [&Pair](const QWidget* Control) { return Pair.contains(Control); };
            return (Is(Window.lblPrompt1) && Is(Window.lblPrompt2)) ||
                   (Is(Window.lblPrompt1) && (Is(Window.pnlTitel) || Is(static_cast<QWidget*>(Window.pnlKlaar))));
        };
        for (QWidget* Control : Shown) {
            QVERIFY2(Client->rect().contains(Control->geometry()), qPrintable(Control->objectName()));
            for (QWidget* Other : Shown)
                QVERIFY2(Control == Other || !Control->geometry().intersects(Other->geometry()) ||
                             (AtDesignSize && DesignedToTouch(Control, Other)),
                         qPrintable(Control->objectName() + u' ' + Other->objectName()));
            for (QWidget* Part : Control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (Part->isVisible() && !Part->objectName().isEmpty())
                    QVERIFY2(Control->rect().contains(Part->geometry()), qPrintable(Part->objectName()));
        }
        const double Factor = FactorOf(Window);
        QCOMPARE(Window.pnlScore->size(), QSize(Scaled(529, Factor), Scaled(40, Factor)));
        QCOMPARE(Window.pnlVraagAntwoord->size(), QSize(Scaled(529, Factor), Scaled(113, Factor)));
        QCOMPARE(Window.lblPrompt1->size(), QSize(Scaled(513, Factor), Scaled(18, Factor)));
        QCOMPARE(Window.lblPrompt1->font().pixelSize(), Scaled(13, Factor));
        QCOMPARE(Window.lblVraagTekst->height(), Scaled(34, Factor));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(ScreenNamed(LargeScreen));
        QVERIFY(ScreenNamed(FullHdScreen));
    }

    void SizesData()
    {
        QTest::addColumn<QString>("Size");
        QTest::addColumn<double>("LeastFactor");
        QTest::addColumn<int>("LeastRows");
        QTest::newRow("600 x 431") << QStringLiteral("design") << 1.0 << 7;
        QTest::newRow("1920 x 1080") << FullHdScreen << 2.4 << 15;
        QTest::newRow("3840 x 2160") << LargeScreen << 4.8 << 30;
    }

    void ControlsStayInsideAndApart_data() { SizesData(); }
    void ControlsStayInsideAndApart()
    {
        QFETCH(QString, Size);
        QFETCH(double, LeastFactor);
        auto Window = StartAt(Size);
        QVERIFY(Window);
        QVERIFY(FactorOf(*Window) >= LeastFactor);
        qInfo("%s: client %d x %d, factor %.3f", qPrintable(Size), Window->ClientWidth(), Window->ClientHeight(),
              FactorOf(*Window));
        CheckControls(*Window); // title screen
        Window->mnuSequential->setChecked(true);
        Window->mnuInvulvragen->trigger();
        QCOMPARE(Window->State, msFillInQuestion);
        CheckControls(*Window);
        // Inner controls are scaled by their corners: a pixel either way.
        QVERIFY(std::abs(Window->pnlInvoer->memInvoer->height() - Scaled(49, FactorOf(*Window))) <= 1);
        Window->mnuMeerkeuzevragen->trigger();
        QCOMPARE(Window->State, msChoiceQuestion);
        CheckControls(*Window);
        Window->mnuTabelbewerken->trigger();
        QCOMPARE(Window->State, msEdit);
        CheckControls(*Window);
    }

    void GridShowsMoreRowsInALargerWindow_data() { SizesData(); }
    void GridShowsMoreRowsInALargerWindow()
    {
        QFETCH(QString, Size);
        QFETCH(int, LeastRows);
        auto Window = StartAt(Size, 300);
        QVERIFY(Window);
        Window->mnuTabelbewerken->trigger();
        TTableGrid* Grid = Window->pnlEdit->grdTabel;
        QTRY_VERIFY(Grid->WholeRowsInView() >= LeastRows);
        qInfo("%s: %d rows", qPrintable(Size), Grid->WholeRowsInView());
        // The columns share the width as designed: two halves, side by side.
        QCOMPARE(Grid->columnWidth(0), Grid->columnWidth(1));
        QVERIFY(Grid->columnWidth(0) * 2 <= Grid->viewport()->width());
        QVERIFY(Grid->columnWidth(0) * 2 >= Grid->viewport()->width() * 9 / 10);
        // PgDn moves to the next entry; the current row stays in view.
        for (int Step = 0; Step < LeastRows + 3; ++Step)
            QTest::keyClick(Window->memVraag, Qt::Key_PageDown);
        QCOMPARE(Window->QuestionList.CurrentIndex(), LeastRows + 3);
        const QRect Row = Grid->visualRect(Grid->model()->index(LeastRows + 3, 0));
        QVERIFY(Grid->viewport()->rect().contains(Row));
    }

    void QuestionIsDrawnAtLeastTwiceItsDesignHeightOnFullHd()
    {
        auto Window = StartAt(FullHdScreen, 5);
        QVERIFY(Window);
        Window->mnuInvulvragen->trigger();
        QLabel* Question = Window->lblVraagTekst;
        QVERIFY(!Question->text().isEmpty());
        const int DesignHeight = QFontMetrics(ToQFont(Window->QuestionList.QFont())).height();
        QVERIFY2(QFontMetrics(Question->font()).height() >= 2 * DesignHeight,
                 qPrintable(QStringLiteral("%1 against %2").arg(QFontMetrics(Question->font()).height()).arg(DesignHeight)));
        QVERIFY(Question->height() >= 2 * 34);
        QVERIFY(ShowsWholeText(Question));
    }

    void LongQuestionAndAnswerStayWhole_data()
    {
        QTest::addColumn<QString>("Size");
        QTest::addColumn<int>("Charset");
        QTest::addColumn<QByteArray>("Word");
        QTest::newRow("1920 x 1080") << FullHdScreen << 1 << QByteArray("Donaudampfschifffahrtsgesellschaft");
        QTest::newRow("3840 x 2160") << LargeScreen << 1 << QByteArray("Rindfleischetikettierungsueberwachung");
        // Hebrew in Windows-1255: shalom.
        QTest::newRow("Hebrew") << FullHdScreen << 177 << QByteArray("\xF9\xEC\xE5\xED");
    }
    void LongQuestionAndAnswerStayWhole()
    {
        QFETCH(QString, Size);
        QFETCH(int, Charset);
        QFETCH(QByteArray, Word);
        auto Window = StartAt(Size, 0);
        QVERIFY(Window);
        // 152 characters: long words, and one that no line can hold.
        QByteArray Long = Word + ' ' + Word + Word + Word + ' ' + Word + ' ' + Word;
        Long = Long.left(152);
        TQuestionlist& Table = Window->QuestionList;
        Table.QuestionFont.Charset = Charset;
        Table.AnswerFont.Charset = Charset;
        Table.Add(Long.toStdString(), Long.toStdString());
        Window->State = msIdle;
        Window->UpdateCommandStates();
        Window->mnuInvulvragen->trigger();
        QTest::keyClick(Window->pnlInvoer->memInvoer, Qt::Key_Return); // shows the answer
        QCOMPARE(Window->State, msFillInAnswered);
        for (QLabel* Text : {Window->lblVraagTekst, Window->lblAntwoordTekst}) {
            QCOMPARE(Text->text().size(), Long.size());
            Text->grab(); // drawn as on the screen
            QVERIFY2(ShowsWholeText(Text), qPrintable(Text->objectName()));
            QCOMPARE(Text->layoutDirection(), Charset == 177 ? Qt::RightToLeft : Qt::LeftToRight);
        }
    }

    void ChoicesStayWhole()
    {
        auto Window = StartAt(FullHdScreen, 0);
        QVERIFY(Window);
        const std::string Long(40, 'x');
        for (int Entry = 1; Entry <= 4; ++Entry)
            Window->QuestionList.Add("vraag" + std::to_string(Entry),
                                     Long + ' ' + Long + ' ' + Long + std::to_string(Entry));
        Window->State = msIdle;
        Window->UpdateCommandStates();
        Window->mnuMeerkeuzevragen->trigger();
        QCOMPARE(Window->State, msChoiceQuestion);
        for (QLabel* Choice : Window->pnlMeerkeuze->lblAntwoord) {
            Choice->grab();
            QVERIFY2(ShowsWholeText(Choice), qPrintable(Choice->objectName()));
        }
    }

    void MaximisedWindowReturnsToItsScreen_data()
    {
        QTest::addColumn<bool>("Gone");
        QTest::newRow("screen still there") << false;
        QTest::newRow("screen gone") << true;
    }
    void MaximisedWindowReturnsToItsScreen()
    {
        // Kept maximised on the screen that is not the primary one, or on a
        // screen that is gone: then it comes back on the primary one.
        QFETCH(bool, Gone);
        const QScreen* Primary = QGuiApplication::primaryScreen();
        const QScreen* Other = ScreenNamed(Primary->name() == LargeScreen ? FullHdScreen : LargeScreen);
        const QString Kept = Gone ? QStringLiteral("Weg") : Other->name();
        const QString Expected = Gone ? Primary->name() : Other->name();
        const QString Ini = Dir.filePath(QStringLiteral("scherm.ini"));
        QFile File(Ini);
        QVERIFY(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
        File.write(QStringLiteral("[Form]\nHeight=600\nWidth=800\nLeft=%1\nTop=60\nState=2\nScreen=%2\n")
                       .arg(Other->geometry().x() + 60)
                       .arg(Kept)
                       .toUtf8());
        File.close();
        auto Window = std::make_unique<TfrmMain>();
        Window->WindowSettings->SetFileName(Ini);
        Window->show();
        QTRY_VERIFY(!Window->FirstActivation);
        const QScreen* Screen = ScreenNamed(Expected);
        QTRY_COMPARE(Window->frameGeometry(), Screen->availableGeometry());
        QCOMPARE(Window->screen()->name(), Expected);
        QVERIFY(Window->isMaximized());

        QVERIFY(Window->close());
        const QByteArray Written = [&Ini] {
            QFile Saved(Ini);
            return Saved.open(QIODevice::ReadOnly) ? Saved.readAll() : QByteArray();
        }();
        QVERIFY2(Written.contains("Screen=" + Expected.toUtf8()), Written.constData());
        QVERIFY(Written.contains("State=2"));
        QVERIFY(Written.contains("Width=800"));
    }

    void BackAtTheDesignSizeEverythingIsAsDesigned()
    {
        auto Window = StartAt(LargeScreen);
        QVERIFY(Window);
        Window->mnuInvulvragen->trigger();
        Window->showNormal();
        Window->resize(Window->minimumSize());
        QTRY_COMPARE(Window->ClientHeight(), 431);
        QCOMPARE(Window->pnlScore->geometry().size(), QSize(529, 40));
        QCOMPARE(ClientPosition(*Window, Window->pnlVraagAntwoord), QPoint(35, 87));
        QCOMPARE(ClientPosition(*Window, Window->lblPrompt1), QPoint(43, 360));
        QCOMPARE(Window->pnlInvoer->memInvoer->geometry(), QRect(24, 64, 481, 49));
        QCOMPARE(Window->lblPrompt1->font().pixelSize(), 13);
        QCOMPARE(Window->lblVraagTekst->font(), ToQFont(Window->QuestionList.QFont()));
        Window->mnuTabelbewerken->trigger();
        QCOMPARE(Window->pnlEdit->size(), QSize(529, 146));
        QCOMPARE(Window->pnlEdit->grdTabel->columnWidth(0), 245);
    }

};

// Two screens side by side: a 3840 x 2160 one and a full-HD one.
int main(int Argc, char** Argv)
{
    QTemporaryDir Config;
    const QString File = Config.filePath(QStringLiteral("screens.json"));
    QFile Json(File);
    if (!Json.open(QIODevice::WriteOnly))
        return 1;
    Json.write(R"({"screens":[)"
               R"({"name":"Groot","x":0,"y":0,"width":3840,"height":2160,"logicalDpi":96},)"
               R"({"name":"FullHD","x":3840,"y":0,"width":1920,"height":1080,"logicalDpi":96}]})");
    Json.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(File));
    QApplication Application(Argc, Argv);
    TestLayout Test;
    return QTest::qExec(&Test, Argc, Argv);
}

#include "tst_layout.moc"
