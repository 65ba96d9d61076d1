// SPDX-License-Identifier: GPL-3.0-or-later
// The table editor: the grid below the question/answer panel, moving through
// the table with the two memos, search, the code-page conversions, the edit
// menu's clipboard commands and the column fonts.
//
// The memos show the current entry; what is typed in them reaches the table
// only when the editor moves (StoreAndMove). Every step touches one or two
// entries and tells the grid model about exactly those, so the editor is as
// quick on a table of a million entries as on one of ten.
#pragma once

#include <QFrame>
#include <string>
#include <string_view>

#include "tableeditor/tablegrid.h"

class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QTableView;
class TMemo;
class TQuestionlist;
class TTableModel;
class TWinTextGuard;
class TQuizDoor;

// The fields of the main window that the editor works in.
struct TEditFields {
    TMemo* memVraag;          // the question of the current entry
    TMemo* memAntwoord;       // and its answer
    QLabel* lblItemNr;        // "[n/count]"
    QLabel* lblVraagTekst;    // the quiz's question line: it takes the column's font
    QLabel* lblAntwoordTekst; // the quiz's answer line: likewise
    std::string& SearchText;  // the text searched for last, UTF-8
    bool& AccentsConverted;   // a code-page conversion ran since the table was read
};

class TEditPanel : public QFrame {
    Q_OBJECT
public:
    // Lives on Parent, the main window's client area; works through Door in
    // the window's Fields. The window connects its edit commands to the
    // handlers below.
    TEditPanel(QWidget* Parent, TQuizDoor& Door, const TEditFields& Fields);

    void StartEditing();
    void StopEditing(int NextState);
    void ShowCurrentEntry();
    // Stores the memo texts into the current entry, then makes entry
    // Current + Delta current.
    void StoreAndMove(int Delta);
    void GoToFirstEntry();
    void GoToLastEntry();
    void GoToPrevious(bool ToFirst);
    void GoToNext(bool ToLast);
    // Stores what was typed in the memos while editing, before the table is
    // written or given up.
    void StoreEdits();
    // Whether the memos hold typed text that is not stored yet.
    [[nodiscard]] bool HasUnstoredText() const;
    // The editor's keys while editing; true when handled (not passed on).
    bool EditKeyDown(QKeyEvent* Event);
    void SearchEntry();

    // Handlers of the commands the editor owns.
    void mnuZoekenClick() { SearchEntry(); }
    void mnuAccentToWinClick();
    void mnuAccentToDosClick();
    void mnuKnippenClick();
    void mnuKopierenClick();
    void mnuPlakkenClick();
    void btnVraagFontClick();
    void btnAntwoordFontClick();
    void btnPgUpClick() { GoToPrevious(false); }
    void btnPgDnClick() { GoToNext(false); }
    void grdTabelSelectCell(int Col, int Row);

    TTableGrid* grdTabel;
    TTableModel* Model;

private:
    void CreateGrid();
    // Tells on the prompt line why a typed character was not taken.
    void ShowRefusal(const QString& Reason);
    // Step one of every move: the memo texts into the current entry.
    void StoreMemos();
    // The entry after the current one, wrapping around, that contains Text;
    // -1 when none does.
    [[nodiscard]] int FindEntry(const QString& Text) const;
    // Text without the characters that neither column can hold.
    [[nodiscard]] QString SearchableText(const QString& Text) const;
    // The save command follows the memos' modified marks.
    void FollowMemoChanges();
    void ConvertTable(std::string (*Convert)(std::string_view));
    void ChooseFont(bool QuestionSide);
    void DeleteCurrentEntry();
    void ApplyGridFonts();
    // The memos take the fonts, writing directions and code pages of the
    // columns they edit.
    void ApplyMemoFonts();
    void ShowGridRow(int Row);
    // Scrolls the grid so that the current row is the seventh one shown.
    void ScrollToCurrent();
    // After the rows changed height: the current row wholly in view again.
    void KeepCurrentRowInView();
    [[nodiscard]] bool MemoHasFocus() const;
    // Whether the user changed a memo since it last showed an entry.
    [[nodiscard]] bool MemosModified() const;
    [[nodiscard]] QPlainTextEdit* FocusedMemo() const;

    TQuizDoor& Door;
    TEditFields Fields;
    TQuestionlist& List;
    TWinTextGuard* QuestionGuard;
    TWinTextGuard* AnswerGuard;
    // Set while the editor itself moves the grid's cursor, so that the grid's
    // notifications are not taken for a click.
    bool Updating = false;
};
