// SPDX-License-Identifier: GPL-3.0-or-later
// The memory across days through the real window: rounds on three days by
// an injected clock, the order "Volgens geheugen", the counts on the idle
// screen, the report's lines, the test date, the progress window and
// forgetting a table's memory.
#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "app/dlgtoetsdatum.h"
#include "app/frmmain.h"
#include "app/frmvoortgang.h"
#include "app/mainwindowfixture.h"
#include "app/quizmemory.h"
#include "app/speechcommands.h"
#include "app/tablelanguages.h"
#include "files/windowsettings.h"
#include "quizscreens/resultspanel.h"
#include "quizscreens/trainingpanel.h"

namespace {

constexpr qint64 Day = 86400;

QStringList ReportLines(const TfrmMain& Window)
{
    QStringList Lines;
    for (int Row = 0; Row < Window.pnlKlaar->lbxReport->count(); ++Row)
        Lines << Window.pnlKlaar->lbxReport->item(Row)->text();
    return Lines;
}

QString LineStarting(const QStringList& Lines, const QString& Start)
{
    for (const QString& Line : Lines) {
        if (Line.startsWith(Start))
            return Line;
    }
    return {};
}

} // namespace

class TestMemory : public QObject {
    Q_OBJECT

private:
    QTemporaryDir Dir;
    qint64 Now = 0;

    std::unique_ptr<TfrmMain> OpenWindow(int Entries)
    {
        qputenv("XDG_DATA_HOME", Dir.filePath(QStringLiteral("data")).toLocal8Bit());
        auto Window = StartMainWindow({WriteTable(Dir, QStringLiteral("toets.MT4"), Entries)});
        Window->WindowSettings->SetFileName(Dir.filePath(QStringLiteral("memorant.ini")));
        Window->QuizMemory->Calendar.SetClock([this] { return Now; });
        return Window;
    }

    // One training round; the entries named in Wrong are judged wrong. The
    // questions in the order they came.
    static QStringList TrainingRound(TfrmMain& Window, const QStringList& Wrong = {})
    {
        QStringList Asked;
        Window.mnuTraining->trigger();
        while (Window.State == msTrainingQuestion && Asked.size() < 50) {
            Asked << Window.lblVraagTekst->text();
            QTest::keyClick(&Window, Qt::Key_Space);
            QTest::keyClick(&Window, Wrong.contains(Asked.back()) ? Qt::Key_F : Qt::Key_G);
        }
        return Asked;
    }

    // The counts on the idle screen, once they follow the last command.
    static QString Counts(TfrmMain& Window)
    {
        QLabel* Label = Window.QuizMemory->lblGeheugen;
        QTest::qWait(1); // the counts are made after the command
        if (!QTest::qWaitFor([Label] { return Label->isVisible(); }, 2000))
            return QStringLiteral("(niet getoond)");
        return Label->text();
    }

private slots:
    void initTestCase() { QVERIFY(Dir.isValid()); }

    void ToggleIsKeptAndFitsTheToolbar()
    {
        auto Window = OpenWindow(3);
        QToolButton* Button = Child<QToolButton>(Window.get(), QStringLiteral("btnVolgensGeheugen"));
        QVERIFY(Button);
        QVERIFY(Button->isVisible());
        QCOMPARE(Window->ClientWidth(), 600);
        const QRect Shown = QRect(Button->mapTo(Window.get(), QPoint(0, 0)), Button->size());
        QVERIFY2(Window->rect().contains(Shown), "the toggle reaches past the window");
        QVERIFY(Shown.right() < 600);
        QVERIFY(!Button->isChecked());
        QVERIFY(!Window->QuizMemory->lblGeheugen->isVisible());

        QTest::mouseClick(Button, Qt::LeftButton);
        QVERIFY(Window->QuizMemory->mnuVolgensGeheugen->isChecked());
        QCOMPARE(Counts(*Window), QStringLiteral("te herhalen: 0   nieuw: 3"));
        // Table order and the memory's order exclude each other.
        Window->mnuSequential->trigger();
        QVERIFY(!Button->isChecked());
        QVERIFY(!Window->QuizMemory->lblGeheugen->isVisible());
        Window->QuizMemory->mnuVolgensGeheugen->trigger();
        QVERIFY(!Window->mnuSequential->isChecked());

        Window->close();
        Window = StartMainWindow();
        Window->WindowSettings->SetFileName(Dir.filePath(QStringLiteral("memorant.ini")));
        Window->QuizMemory->ApplyKept(Window->WindowSettings->LoadSettings());
        QVERIFY(Window->QuizMemory->mnuVolgensGeheugen->isChecked());
        // The memory lies in the user's data folder, never beside the table.
        QVERIFY(QFile::exists(Dir.filePath(QStringLiteral("data/memorant/geheugen.sqlite"))));
        QCOMPARE(QDir(Dir.path()).entryList(QDir::Files), (QStringList{"memorant.ini", "toets.MT4"}));
    }

    void RoundsOverThreeDays()
    {
        QTimeZone::systemTimeZone(); // the calendar is local; any zone will do
        Now = QDateTime(QDate(2026, 12, 7), QTime(10, 0)).toSecsSinceEpoch();
        auto Window = OpenWindow(6);
        Window->QuizMemory->mnuVolgensGeheugen->setChecked(true);
        Window->UpdateCommandStates();
        QCOMPARE(Counts(*Window), QStringLiteral("te herhalen: 0   nieuw: 6"));

        // Day 1: all new, so in table order; one answer wrong.
        QCOMPARE(TrainingRound(*Window, {"vraag4"}),
                 (QStringList{"vraag1", "vraag2", "vraag3", "vraag4", "vraag5", "vraag6"}));
        QCOMPARE(Window->State, msFinished);
        QStringList Report = ReportLines(*Window);
        QCOMPARE(Report.mid(0, 3), (QStringList{"STATISTIEK RAPPORT:", "", "Laatste score:  8.5"}));
        QVERIFY2(LineStarting(Report, "Geheugen: nu naar verwachting 100% gekend (6 van de 6 vragen geoefend)") != "",
                 qPrintable(Report.join('\n')));
        QCOMPARE(LineStarting(Report, "Volgende herhaling"), QStringLiteral("Volgende herhaling: morgen, di 8 december 2026"));
        QVERIFY(LineStarting(Report, "Toets").isEmpty());
        QCOMPARE(Counts(*Window), QStringLiteral("te herhalen: 0   nieuw: 0"));
        QVERIFY(QFile::exists(Dir.filePath(QStringLiteral("data/memorant/geheugen.sqlite"))));

        // Day 2: the entry answered wrong is due and comes first. A test
        // date four days on.
        Now += Day;
        Window->UpdateCommandStates();
        QCOMPARE(Counts(*Window), QStringLiteral("te herhalen: 1   nieuw: 0"));
        WhenModal([](QWidget* Modal) {
            auto* Dialog = qobject_cast<TDlgToetsdatum*>(Modal);
            QVERIFY(Dialog);
            QVERIFY(!Dialog->chkToetsdatum->isChecked());
            QTest::mouseClick(Dialog->chkToetsdatum, Qt::LeftButton);
            Dialog->edtToetsdatum->setDate(QDate(2026, 12, 12));
            QTest::mouseClick(Dialog->btnsKeuze->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        Window->QuizMemory->mnuToetsdatum->trigger();
        QCOMPARE(Window->QuizMemory->TestDay().has_value(), true);
        const QStringList Second = TrainingRound(*Window, {"vraag2"});
        QCOMPARE(Second.size(), 6);
        QCOMPARE(Second.front(), QStringLiteral("vraag4"));
        Report = ReportLines(*Window);
        QCOMPARE(LineStarting(Report, "Volgende herhaling"), QStringLiteral("Volgende herhaling: morgen, wo 9 december 2026"));
        const QString TestLine = LineStarting(Report, "Toets op za 12 december 2026: naar verwachting ");
        QVERIFY2(!TestLine.isEmpty(), qPrintable(Report.join('\n')));
        QVERIFY(TestLine.endsWith(QStringLiteral(" van de 6 vragen gekend")));

        // Day 3: the one answered wrong yesterday is due; it comes first, and
        // the one answered wrong the day before, and right yesterday, next.
        Now += Day;
        Window->UpdateCommandStates();
        QCOMPARE(Counts(*Window), QStringLiteral("te herhalen: 1   nieuw: 0"));
        const QStringList Third = TrainingRound(*Window);
        QCOMPARE(Third.mid(0, 2), (QStringList{"vraag2", "vraag4"}));

        // The progress window: three rounds, six entries at their levels.
        WhenModal([](QWidget* Modal) {
            auto* Progress = qobject_cast<TfrmVoortgang*>(Modal);
            QVERIFY(Progress);
            QCOMPARE(Progress->RoundCount(), 3);
            const QList<int> Levels = Progress->LevelCounts();
            QCOMPARE(Levels.size(), 11);
            QCOMPARE(Levels.front(), 0); // none new
            QCOMPARE(std::accumulate(Levels.begin(), Levels.end(), 0), 6);
            Progress->reject();
        });
        Window->QuizMemory->mnuVoortgang->trigger();

        // Forgetting asks first; "Nee" keeps everything.
        AnswerYesNo(false);
        Window->QuizMemory->mnuGeheugenWissen->trigger();
        QCOMPARE(Counts(*Window), QStringLiteral("te herhalen: 0   nieuw: 0"));
        AnswerYesNo(true);
        Window->QuizMemory->mnuGeheugenWissen->trigger();
        QCOMPARE(Counts(*Window), QStringLiteral("te herhalen: 0   nieuw: 6"));
    }

    void WithoutTheOptionNothingShows()
    {
        auto Window = OpenWindow(4);
        Window->QuizMemory->mnuVolgensGeheugen->setChecked(false);
        Window->mnuSequential->setChecked(true);
        QCOMPARE(TrainingRound(*Window), (QStringList{"vraag1", "vraag2", "vraag3", "vraag4"}));
        const QStringList Report = ReportLines(*Window);
        QCOMPARE(Report.size(), 6);
        QCOMPARE(Report.back(), QStringLiteral("4 vragen werden goed beantwoord"));
        QTest::qWait(20);
        QVERIFY(!Window->QuizMemory->lblGeheugen->isVisible());
    }

    // A column's spoken language is chosen once per table file: a later
    // session of the program finds it again in the memory.
    void SpokenLanguagesAreKeptWithTheTable()
    {
        {
            auto Window = OpenWindow(3);
            Window->Speech->UseKeeper(*Window->SpokenLanguages);
            Window->Speech->SetColumnLanguage(1, QStringLiteral("ru"));
        }
        auto Window = OpenWindow(3);
        Window->Speech->UseKeeper(*Window->SpokenLanguages);
        QCOMPARE(Window->Speech->ColumnLanguage(1), QStringLiteral("ru"));
        QCOMPARE(Window->Speech->ColumnLanguage(0), QString()); // a Western column: not chosen yet
        const QString File = Window->QuizMemory->TableFile();
        QCOMPARE(Window->SpokenLanguages->Language(File, 1), QStringLiteral("ru"));
        Window->SpokenLanguages->SetLanguage(File, 1, QString());
        QCOMPARE(Window->Speech->ColumnLanguage(1), QString());
    }

    void ACorruptDatabaseIsToldOnceAndTheQuizGoesOn()
    {
        QTemporaryDir Own;
        QVERIFY(Own.isValid());
        QDir().mkpath(Own.filePath(QStringLiteral("memorant")));
        QFile Broken(Own.filePath(QStringLiteral("memorant/geheugen.sqlite")));
        QVERIFY(Broken.open(QIODevice::WriteOnly));
        Broken.write(QByteArray(4096, 'x'));
        Broken.close();
        auto Window = OpenWindow(4);
        qputenv("XDG_DATA_HOME", Own.path().toLocal8Bit());
        QString Message;
        CloseMessageBox(&Message);
        QCOMPARE(TrainingRound(*Window).size(), 4);
        QTRY_VERIFY(!Message.isEmpty());
        QVERIFY2(Message.startsWith(QStringLiteral("Het geheugenbestand was beschadigd.")), qPrintable(Message));
        QCOMPARE(QDir(Own.filePath(QStringLiteral("memorant"))).entryList({"geheugen.sqlite.beschadigd-*"}).size(), 1);
        QCOMPARE(Window->State, msFinished);
    }
};

QTEST_MAIN(TestMemory)
#include "tst_memory.moc"
