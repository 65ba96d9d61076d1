// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's view of the one question table: two columns, question and
// answer in the table's stored order and in the column fonts, the current
// entry highlighted. Texts are read from the table when the grid draws them;
// nothing is copied.
//
// The table is changed by the editor through its own operations; the editor
// then tells the model what happened (RowChanged, SyncRowCount,
// SetCurrentRow); a deletion goes through the model (RemoveRow), so that one keystroke costs the same on a table of ten
// entries as on one of a million.
#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <functional>

#include "table/questionlist.h"

class TTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int QuestionColumn = 0;
    static constexpr int AnswerColumn = 1;

    explicit TTableModel(const TQuestionlist& List, QObject* Parent = nullptr);

    // The grid never has fewer than one row; a row without an entry is blank.
    [[nodiscard]] int rowCount(const QModelIndex& Parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& Parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& Index, int Role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& Index) const override;

    // The highlighted row; -1 for none.
    [[nodiscard]] int CurrentRow() const { return FCurrentRow; }
    void SetCurrentRow(int Row);

    // The texts of one entry changed.
    void RowChanged(int Row);
    // Entries were appended to or taken from the end of the table.
    void SyncRowCount();
    // Deletes entry Row through Delete, which changes the table, and takes
    // its row out of the grid.
    void RemoveRow(int Row, const std::function<void()>& Delete);
    // The texts of many entries changed (a code-page conversion).
    void AllRowsChanged();
    // The column fonts changed.
    void FontsChanged();
    // The table was changed as a whole (read, cleared, converted).
    void Reload();

    [[nodiscard]] const QFont& ColumnFont(int Column) const;

private:
    [[nodiscard]] int TargetRowCount() const;
    void EmitRowChanged(int Row);

    const TQuestionlist& List;
    int Rows = 1;
    int FCurrentRow = -1;
    QFont QuestionFont;
    QFont AnswerFont;
};
