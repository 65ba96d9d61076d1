// SPDX-License-Identifier: GPL-3.0-or-later
// The memory across days in the window: it records every verdict, gives a
// round the order "Volgens geheugen", shows how many entries are due and new,
// adds the memory's lines to the report, and carries the commands
// "Volgens geheugen overhoren", "Toetsdatum...", "Voortgang..." and
// "Geheugen van deze tabel wissen...".
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "memory/fsrs.h"
#include "memory/localcalendar.h"
#include "memory/memoryplan.h"
#include "memory/memorystore.h"

class QAction;
class QLabel;
class QToolButton;
class TfrmMain;
struct TSettingsValues;

class TQuizMemory : public QObject {
    Q_OBJECT
public:
    explicit TQuizMemory(TfrmMain& Main);
    ~TQuizMemory() override;

    // The day and time the memory goes by; tests set its clock.
    TLocalCalendar Calendar;

    QAction *mnuVolgensGeheugen, *mnuToetsdatum, *mnuVoortgang, *mnuGeheugenWissen;
    QToolButton* btnVolgensGeheugen;
    QLabel* lblGeheugen; // "te herhalen" and "nieuw" on the idle screen

    // The option "Volgens geheugen overhoren" from and into the settings.
    void ApplyKept(const TSettingsValues& Values);
    void KeepIn(TSettingsValues& Values) const;

    // Follows the window's state: the counts and the commands' enabling.
    void UpdateCommandStates();
    // Adds the memory's lines to the report of the round just shown.
    void AddReportLines();

    // The database: beside the program when the settings are kept there,
    // else in the user's data folder ($XDG_DATA_HOME/memorant).
    [[nodiscard]] QString DatabaseFileName() const;
    // Values kept per table file (the test date, the columns' languages).
    [[nodiscard]] std::optional<std::string> TableValue(const QString& TableFile, const std::string& Key);
    void SetTableValue(const QString& TableFile, const std::string& Key, const std::string& Value);

    // The open table's file as the memory names it; empty for a new table.
    [[nodiscard]] QString TableFile() const;
    // The test date of the open table as a local day, if one is set.
    [[nodiscard]] std::optional<std::int64_t> TestDay();
    // How the open table stands now (and on its test date).
    [[nodiscard]] TMemorySummary Summary();
    // The state of each entry of the open table, asked as the options say.
    [[nodiscard]] const std::vector<std::optional<TFactRecord>>& EntryFacts();
    [[nodiscard]] const TFsrs& Model() const { return Fsrs; }
    [[nodiscard]] TMemoryStore& Store();

private:
    void CreateCommands();
    void InstallHooks();
    void SessionStarting();
    void QuestionChosen(int Index);
    void VerdictCounted(int Index, int Result, bool Helped);
    void ToggleMemoryOrder();
    void mnuToetsdatumClick();
    void mnuVoortgangClick();
    void mnuGeheugenWissenClick();
    void ShowTrouble(const std::string& Message);
    void ShowCounts();

    // Keys of the entries for Reversed, made anew when the table changed.
    const std::vector<TFactKey>& EntryKeys(bool Reversed);
    [[nodiscard]] TFactKey KeyOf(int Index, bool Reversed) const;
    [[nodiscard]] bool AskedReversed() const;
    void ReadFacts();
    [[nodiscard]] std::uint64_t TableSignature(bool Reversed) const;

    TfrmMain& Main;
    TFsrs Fsrs;
    std::unique_ptr<TMemoryStore> Database;
    std::vector<TFactKey> Keys;
    std::uint64_t KeysSignature = 0;
    std::vector<std::optional<TFactRecord>> Facts;
    std::uint64_t FactsSignature = 0;
    bool FactsRead = false;
    std::int64_t FactsDataVersion = -1;
    std::uint64_t FactsVersion = 0; // changes with every change of Facts
    TMemorySummary KeptSummary;
    bool SummaryKept = false;
    std::uint64_t SummaryFactsVersion = 0;
    std::int64_t SummaryMinute = 0;
    std::optional<std::int64_t> SummaryTestDay;
    QElapsedTimer AnswerTime;
    int RoundsRecorded = 0;
    bool CountsPending = false;
    bool OptionKept = false; // the settings file names the option
};
