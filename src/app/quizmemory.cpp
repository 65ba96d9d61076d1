// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/quizmemory.h"

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "app/dlgtoetsdatum.h"
#include "app/frmmain.h"
#include "app/frmvoortgang.h"
#include "app/memorantapplication.h"
#include "app/questionpanel.h"
#include "files/filecommands.h"
#include "files/windowsettings.h"
#include "formats/wintext.h"
#include "memory/rating.h"
#include "quizscreens/resultspanel.h"
#include "ui/commandguard.h"
#include "ui/frmjanee.h"

namespace {

const std::string TestDateKey = "toetsdatum";

// A clock face: the memory is about time.
QIcon MemoryIcon()
{
    QPixmap Picture(16, 16);
    Picture.fill(Qt::transparent);
    QPainter Painter(&Picture);
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setPen(QPen(QColor(0, 0, 128), 1.5));
    Painter.setBrush(QColor(255, 255, 224));
    Painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    Painter.drawLine(QPointF(8, 8), QPointF(8, 3.5));
    Painter.drawLine(QPointF(8, 8), QPointF(11.5, 9.5));
    return QIcon(Picture);
}

QDate DateOfDay(std::int64_t Day) { return QDate(1970, 1, 1).addDays(Day); }

QString DutchDate(std::int64_t Day)
{
    return QLocale(QLocale::Dutch, QLocale::Netherlands).toString(DateOfDay(Day), QStringLiteral("ddd d MMMM yyyy"));
}

TQuizMode ModeOfState(int State)
{
    if (State == msChoiceQuestion || State == msChoiceAnswered)
        return TQuizMode::Choice;
    if (State == msFillInQuestion || State == msFillInAnswered)
        return TQuizMode::FillIn;
    return TQuizMode::Training;
}

} // namespace

TQuizMemory::TQuizMemory(TfrmMain& Main) : QObject(&Main), Main(Main)
{
    CreateCommands();
    InstallHooks();
}

// The window's table, and with it the hooks, is gone before its children.
TQuizMemory::~TQuizMemory() = default;

void TQuizMemory::CreateCommands()
{
    mnuVolgensGeheugen = new QAction(QStringLiteral("Volgens &geheugen overhoren"), &Main);
    mnuVolgensGeheugen->setObjectName(QStringLiteral("mnuVolgensGeheugen"));
    mnuVolgensGeheugen->setCheckable(true);
    mnuVolgensGeheugen->setToolTip(QStringLiteral("Eerst de vragen die je het eerst vergeet, dan de nieuwe"));
    mnuVolgensGeheugen->setIcon(MemoryIcon());
    mnuVolgensGeheugen->setIconVisibleInMenu(false);
    mnuToetsdatum = new QAction(QStringLiteral("&Toetsdatum..."), &Main);
    mnuToetsdatum->setObjectName(QStringLiteral("mnuToetsdatum"));
    mnuGeheugenWissen = new QAction(QStringLiteral("Geheugen van deze tabel &wissen..."), &Main);
    mnuGeheugenWissen->setObjectName(QStringLiteral("mnuGeheugenWissen"));
    mnuVoortgang = new QAction(QStringLiteral("&Voortgang..."), &Main);
    mnuVoortgang->setObjectName(QStringLiteral("mnuVoortgang"));
    Main.mnuOpties->addSeparator();
    Main.mnuOpties->addActions({mnuVolgensGeheugen, mnuToetsdatum, mnuGeheugenWissen});
    Main.mnuBeeld->addSeparator();
    Main.mnuBeeld->addAction(mnuVoortgang);

    btnVolgensGeheugen = new QToolButton(Main.btnSequential->parentWidget());
    btnVolgensGeheugen->setObjectName(QStringLiteral("btnVolgensGeheugen"));
    btnVolgensGeheugen->setGeometry(Main.btnSequential->geometry().translated(Main.btnSequential->width(), 0));
    btnVolgensGeheugen->setFocusPolicy(Qt::NoFocus);
    btnVolgensGeheugen->setDefaultAction(mnuVolgensGeheugen);
    btnVolgensGeheugen->setToolButtonStyle(Qt::ToolButtonIconOnly);

    lblGeheugen = new QLabel(Main.pnlVraagAntwoord);
    lblGeheugen->setObjectName(QStringLiteral("lblGeheugen"));
    lblGeheugen->setAlignment(Qt::AlignCenter);
    lblGeheugen->setGeometry(0, Main.pnlVraagAntwoord->height() - 22, Main.pnlVraagAntwoord->width(), 18);
    lblGeheugen->hide();

    ConnectCommand(mnuVolgensGeheugen, &QAction::triggered, this, &TQuizMemory::ToggleMemoryOrder);
    ConnectCommand(mnuToetsdatum, &QAction::triggered, this, &TQuizMemory::mnuToetsdatumClick);
    ConnectCommand(mnuVoortgang, &QAction::triggered, this, &TQuizMemory::mnuVoortgangClick);
    ConnectCommand(mnuGeheugenWissen, &QAction::triggered, this, &TQuizMemory::mnuGeheugenWissenClick);
    // Table order and the memory's order exclude each other.
    connect(Main.mnuSequential, &QAction::toggled, this, [this](bool Ticked) {
        if (Ticked)
            mnuVolgensGeheugen->setChecked(false);
    });
}

void TQuizMemory::InstallHooks()
{
    TQuestionlist::TQuizHooks& Hooks = Main.QuestionList.Hooks;
    Hooks.SessionStarting = [this] { SessionStarting(); };
    Hooks.QuestionChosen = [this](int Index) { QuestionChosen(Index); };
    Hooks.VerdictCounted = [this](int Index, int Result, bool Helped) { VerdictCounted(Index, Result, Helped); };
}

void TQuizMemory::ApplyKept(const TSettingsValues& Values)
{
    OptionKept = Values.MemoryOrder.has_value();
    mnuVolgensGeheugen->setChecked(Values.MemoryOrder.value_or(false) && !Main.mnuSequential->isChecked());
}

void TQuizMemory::KeepIn(TSettingsValues& Values) const
{
    if (OptionKept || mnuVolgensGeheugen->isChecked())
        Values.MemoryOrder = mnuVolgensGeheugen->isChecked();
}

void TQuizMemory::ToggleMemoryOrder()
{
    if (mnuVolgensGeheugen->isChecked() && Main.mnuSequential->isChecked())
        Main.mnuSequential->trigger();
    Main.UpdateCommandStates();
}

QString TQuizMemory::DatabaseFileName() const
{
    const QString Settings = Main.WindowSettings ? Main.WindowSettings->FileName() : QString();
    const QString ProgramFolder = QCoreApplication::applicationDirPath();
    if (!Settings.isEmpty() && QFileInfo(Settings).absolutePath() == QFileInfo(ProgramFolder).absoluteFilePath())
        return ProgramFolder + QStringLiteral("/memorant-geheugen.sqlite");
    QString DataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (DataHome.isEmpty() || !QDir::isAbsolutePath(DataHome))
        DataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return DataHome + QStringLiteral("/memorant/geheugen.sqlite");
}

TMemoryStore& TQuizMemory::Store()
{
    if (!Database)
        Database = std::make_unique<TMemoryStore>(QFile::encodeName(DatabaseFileName()).toStdString(),
                                                  [this](const std::string& Message) { ShowTrouble(Message); });
    return *Database;
}

void TQuizMemory::ShowTrouble(const std::string& Message)
{
    // Shown after the command that met it, so that the quiz goes on as it was.
    const QString Text = QString::fromStdString(Message);
    QTimer::singleShot(0, &Main, [this, Text] {
        QMessageBox Box(QMessageBox::Warning, QString::fromLatin1(ProgramTitle), Text, QMessageBox::Ok, &Main);
        Box.setObjectName(QStringLiteral("GeheugenMelding"));
        Box.exec();
    });
}

QString TQuizMemory::TableFile() const
{
    if (Main.QuestionList.ListName.empty())
        return {};
    return QFileInfo(TableFilePath(Main.QuestionList.ListName)).absoluteFilePath();
}

std::optional<std::string> TQuizMemory::TableValue(const QString& TableFile, const std::string& Key)
{
    return Store().TableValue(QFile::encodeName(TableFile).toStdString(), Key);
}

void TQuizMemory::SetTableValue(const QString& TableFile, const std::string& Key, const std::string& Value)
{
    Store().SetTableValue(QFile::encodeName(TableFile).toStdString(), Key, Value);
}

std::optional<std::int64_t> TQuizMemory::TestDay()
{
    const QString File = TableFile();
    if (File.isEmpty())
        return std::nullopt;
    const std::optional<std::string> Value = TableValue(File, TestDateKey);
    const std::int64_t Day = Value ? TLocalCalendar::ParseIsoDate(*Value) : -1;
    return Day >= 0 ? std::optional<std::int64_t>(Day) : std::nullopt;
}

// ---------------------------------------------------------------- entries and their facts

bool TQuizMemory::AskedReversed() const { return Main.mnuOmgekeerd->isChecked(); }

TFactKey TQuizMemory::KeyOf(int Index, bool Reversed) const
{
    const TQuestionlist& List = Main.QuestionList;
    const std::string_view Question = List.StoredQuestion(Index);
    const std::string_view Answer = List.StoredAnswer(Index);
    const auto Ascii = [](std::string_view Text) {
        return std::all_of(Text.begin(), Text.end(), [](char Byte) { return static_cast<unsigned char>(Byte) < 0x80; });
    };
    if (Ascii(Question) && Ascii(Answer)) // the same bytes in UTF-8
        return FactKey(Question, Answer, Reversed);
    return FactKey(ColumnToUtf8(Question, List.QuestionFont.Charset), ColumnToUtf8(Answer, List.AnswerFont.Charset),
                   Reversed);
}

std::uint64_t TQuizMemory::TableSignature(bool Reversed) const
{
    const TQuestionlist& List = Main.QuestionList;
    std::uint64_t Signature = List.Revision() * 4 + (Reversed ? 1 : 0);
    Signature = Signature * 1000003 + static_cast<std::uint64_t>(List.QuestionFont.Charset) * 257 +
                static_cast<std::uint64_t>(List.AnswerFont.Charset);
    return Signature * 1000003 + static_cast<std::uint64_t>(List.Count());
}

const std::vector<TFactKey>& TQuizMemory::EntryKeys(bool Reversed)
{
    const std::uint64_t Signature = TableSignature(Reversed);
    if (Keys.size() != static_cast<std::size_t>(Main.QuestionList.Count()) || Signature != KeysSignature) {
        Keys.resize(static_cast<std::size_t>(Main.QuestionList.Count()));
        for (int Index = 0; Index < Main.QuestionList.Count(); ++Index)
            Keys[static_cast<std::size_t>(Index)] = KeyOf(Index, Reversed);
        KeysSignature = Signature;
    }
    return Keys;
}

void TQuizMemory::ReadFacts()
{
    const std::vector<TFactKey>& EntryKeysNow = EntryKeys(AskedReversed());
    // What this program wrote is in Facts already; only another program's
    // answers make reading them again worth while.
    const std::int64_t Version = Store().DataVersion();
    if (FactsRead && FactsSignature == KeysSignature && Facts.size() == EntryKeysNow.size() && Version >= 0 &&
        Version == FactsDataVersion)
        return;
    Store().Facts(EntryKeysNow, Facts);
    ++FactsVersion;
    FactsSignature = KeysSignature;
    FactsDataVersion = Version;
    FactsRead = true;
}

const std::vector<std::optional<TFactRecord>>& TQuizMemory::EntryFacts()
{
    if (!FactsRead || FactsSignature != TableSignature(AskedReversed()) ||
        Facts.size() != static_cast<std::size_t>(Main.QuestionList.Count()))
        ReadFacts();
    return Facts;
}

TMemorySummary TQuizMemory::Summary()
{
    const TMoment Now = Calendar.Now();
    std::optional<TMoment> TestMoment;
    const std::optional<std::int64_t> Day = TestDay();
    if (Day)
        TestMoment = std::max(Now, TLocalCalendar::NoonOf(*Day));
    const std::vector<std::optional<TFactRecord>>& EntryFactsNow = EntryFacts();
    // The chances move slowly: a summary holds for a minute of the same facts.
    const std::int64_t Minute = Now / 60;
    if (!SummaryKept || SummaryFactsVersion != FactsVersion || SummaryMinute != Minute || SummaryTestDay != Day) {
        KeptSummary = Summarize(Fsrs, EntryFactsNow, Now, TestMoment);
        SummaryKept = true;
        SummaryFactsVersion = FactsVersion;
        SummaryMinute = Minute;
        SummaryTestDay = Day;
    }
    return KeptSummary;
}

// ---------------------------------------------------------------- the quiz

void TQuizMemory::SessionStarting()
{
    TQuestionlist& List = Main.QuestionList;
    List.MemoryOrder.clear();
    RoundsRecorded = List.Sessions;
    if (!mnuVolgensGeheugen->isChecked() || List.Count() == 0)
        return;
    ReadFacts(); // another program may have answered meanwhile
    TMoment At = Calendar.Now();
    if (const std::optional<std::int64_t> Day = TestDay(); Day && *Day >= TLocalCalendar::DayOf(At))
        At = std::max(At, TLocalCalendar::NoonOf(*Day));
    List.MemoryOrder = OrderByMemory(Fsrs, Facts, At);
}

void TQuizMemory::QuestionChosen(int /*Index*/) { AnswerTime.start(); }

void TQuizMemory::VerdictCounted(int Index, int Result, bool Helped)
{
    TQuestionlist& List = Main.QuestionList;
    const TMoment Now = Calendar.Now();
    const QString File = TableFile();
    TReviewRecord Review;
    Review.Time = Now;
    Review.Fact = KeyOf(Index, List.Reverse);
    Review.Rating = RatingOfVerdict(ModeOfState(Main.State), Result, Helped);
    Review.Mode = ModeOfState(Main.State);
    Review.TableFile = QFile::encodeName(File).toStdString();
    Review.AnswerMilliseconds =
        AnswerTime.isValid() ? static_cast<int>(std::min<qint64>(AnswerTime.elapsed(), 3'600'000)) : 0;
    const TFsrs& Model = Fsrs;
    const std::optional<TFactRecord> New =
        Store().Record(Review, [&](const std::optional<TFactRecord>& Stored) {
            TFactRecord Fact;
            Fact.State = Stored ? Model.Next(Stored->State, TLocalCalendar::DaysBetween(Stored->LastReview, Now),
                                             Review.Rating)
                                : Model.First(Review.Rating);
            Fact.LastReview = Now;
            Fact.Reviews = Stored ? Stored->Reviews + 1 : 1;
            return Fact;
        });
    if (New && FactsRead && List.Reverse == AskedReversed() && Index < static_cast<int>(Facts.size()) &&
        FactsSignature == TableSignature(List.Reverse)) {
        Facts[static_cast<std::size_t>(Index)] = New;
        ++FactsVersion;
    } else {
        FactsRead = false; // a fact of the other direction: read them anew
    }
    if (List.Rest <= 0 && List.Sessions > RoundsRecorded) {
        RoundsRecorded = List.Sessions;
        Store().RecordRound(Review.TableFile, Now, List.Score());
    }
}

// ---------------------------------------------------------------- what the learner sees

void TQuizMemory::UpdateCommandStates()
{
    const int Count = Main.QuestionList.Count();
    const bool InQuiz = IsQuizState(Main.State);
    mnuToetsdatum->setEnabled(Count > 0 && !Main.QuestionList.ListName.empty());
    mnuVoortgang->setEnabled(Count > 0);
    mnuGeheugenWissen->setEnabled(Count > 0 && !InQuiz);
    const bool Idle = Main.State == msIdle || Main.State == msAborted || Main.State == msFinished;
    if (!Idle || Count == 0 || !mnuVolgensGeheugen->isChecked() || (Database && !Database->Working())) {
        lblGeheugen->hide();
        return;
    }
    // Counted once the window has done what the command asked: the memory
    // is read when it is first needed, never on the way to the first screen.
    if (!CountsPending) {
        CountsPending = true;
        QTimer::singleShot(0, this, [this] { RunCommand([this] { ShowCounts(); }); });
    }
}

void TQuizMemory::ShowCounts()
{
    CountsPending = false;
    const bool Idle = Main.State == msIdle || Main.State == msAborted || Main.State == msFinished;
    if (!Idle || Main.QuestionList.Count() == 0 || !mnuVolgensGeheugen->isChecked() || !Store().Working()) {
        lblGeheugen->hide();
        return;
    }
    const TMemorySummary Now = Summary();
    lblGeheugen->setText(QStringLiteral("te herhalen: %1   nieuw: %2").arg(Now.Due).arg(Now.New));
    lblGeheugen->show();
    lblGeheugen->raise();
}

void TQuizMemory::AddReportLines()
{
    if (Main.QuestionList.Count() == 0 || !mnuVolgensGeheugen->isChecked() || !Store().Working())
        return;
    const TMemorySummary Now = Summary();
    QStringList Lines = {QString()};
    if (Now.Known == 0)
        Lines << QStringLiteral("Geheugen: nog geen vraag geoefend");
    else
        Lines << QStringLiteral("Geheugen: nu naar verwachting %1% gekend (%2 van de %3 vragen geoefend)")
                     .arg(std::lround(Now.MeanRecall * 100))
                     .arg(Now.Known)
                     .arg(Now.Entries);
    const std::int64_t Today = TLocalCalendar::DayOf(Calendar.Now());
    if (Now.NextDueDay) {
        const std::int64_t Days = *Now.NextDueDay - Today;
        Lines << (Days <= 0   ? QStringLiteral("Volgende herhaling: vandaag")
                  : Days == 1 ? QStringLiteral("Volgende herhaling: morgen, %1").arg(DutchDate(*Now.NextDueDay))
                              : QStringLiteral("Volgende herhaling: over %1 dagen, %2").arg(Days).arg(DutchDate(*Now.NextDueDay)));
    }
    if (const std::optional<std::int64_t> Day = TestDay(); Day && *Day >= Today)
        Lines << QStringLiteral("Toets op %1: naar verwachting %2 van de %3 vragen gekend")
                     .arg(DutchDate(*Day))
                     .arg(std::lround(Now.ExpectedOnTestDay))
                     .arg(Now.Entries);
    for (const QString& Line : Lines) {
        auto* Item = new QListWidgetItem(Line, Main.pnlKlaar->lbxReport);
        Item->setSizeHint(QSize(0, 14));
    }
}

// ---------------------------------------------------------------- commands

void TQuizMemory::mnuToetsdatumClick()
{
    const QString File = TableFile();
    if (File.isEmpty())
        return;
    TDlgToetsdatum Dialog(&Main);
    const std::optional<std::int64_t> Day = TestDay();
    const std::int64_t Today = TLocalCalendar::DayOf(Calendar.Now());
    Dialog.SetDate(DateOfDay(Day.value_or(Today + 7)), Day.has_value(), DateOfDay(Today));
    if (Dialog.exec() != QDialog::Accepted)
        return;
    const std::optional<QDate> Chosen = Dialog.Date();
    SetTableValue(File, TestDateKey,
                  Chosen ? TLocalCalendar::IsoDate(QDate(1970, 1, 1).daysTo(*Chosen)) : std::string());
    Main.UpdateCommandStates();
}

void TQuizMemory::mnuVoortgangClick()
{
    TfrmVoortgang Window(*this, &Main);
    Window.exec();
}

void TQuizMemory::mnuGeheugenWissenClick()
{
    if (Main.QuestionList.Count() == 0 ||
        !AskYesNo(QStringLiteral("Alles wat het geheugen van de vragen van deze tabel weet wissen?"), false))
        return;
    std::vector<TFactKey> Both = EntryKeys(false);
    const std::vector<TFactKey>& Reversed = EntryKeys(true);
    Both.insert(Both.end(), Reversed.begin(), Reversed.end());
    Store().Forget(QFile::encodeName(TableFile()).toStdString(), Both);
    FactsRead = false;
    Main.UpdateCommandStates();
}
