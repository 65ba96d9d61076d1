// SPDX-License-Identifier: GPL-3.0-or-later
#include "tableeditor/tablemodel.h"

#include <QColor>
#include <algorithm>

#include "ui/tablefont.h"
#include "formats/wintext.h"

namespace {

const QColor CurrentRowColor(255, 255, 0);
const QColor OtherRowColor(192, 192, 192);

} // namespace

TTableModel::TTableModel(const TQuestionlist& List, QObject* Parent)
    : QAbstractTableModel(Parent), List(List)
{
    Rows = TargetRowCount();
    FontsChanged();
}

int TTableModel::rowCount(const QModelIndex& Parent) const
{
    return Parent.isValid() ? 0 : Rows;
}

int TTableModel::columnCount(const QModelIndex& Parent) const
{
    return Parent.isValid() ? 0 : 2;
}

QVariant TTableModel::data(const QModelIndex& Index, int Role) const
{
    if (!Index.isValid())
        return {};
    const int Row = Index.row();
    const bool QuestionSide = Index.column() == QuestionColumn;
    switch (Role) {
    case Qt::DisplayRole:
        if (Row >= List.Count())
            return QString();
        return QuestionSide ? ColumnToQt(List.StoredQuestion(Row), List.QuestionFont.Charset)
                            : ColumnToQt(List.StoredAnswer(Row), List.AnswerFont.Charset);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(ColumnAlignment(QuestionSide ? List.QuestionFont : List.AnswerFont));
    case Qt::FontRole:
        return ColumnFont(Index.column());
    case Qt::BackgroundRole:
        return Row == FCurrentRow ? CurrentRowColor : OtherRowColor;
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    default:
        return {};
    }
}

Qt::ItemFlags TTableModel::flags(const QModelIndex& Index) const
{
    return Index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

const QFont& TTableModel::ColumnFont(int Column) const
{
    return Column == QuestionColumn ? QuestionFont : AnswerFont;
}

void TTableModel::SetCurrentRow(int Row)
{
    if (Row == FCurrentRow)
        return;
    const int Previous = FCurrentRow;
    FCurrentRow = Row;
    EmitRowChanged(Previous);
    EmitRowChanged(Row);
}

void TTableModel::RowChanged(int Row)
{
    EmitRowChanged(Row);
}

void TTableModel::SyncRowCount()
{
    const int Target = TargetRowCount();
    if (Target > Rows) {
        beginInsertRows({}, Rows, Target - 1);
        Rows = Target;
        endInsertRows();
    } else if (Target < Rows) {
        beginRemoveRows({}, Target, Rows - 1);
        Rows = Target;
        endRemoveRows();
    }
    // The single row of an empty table turns blank or gets its entry.
    if (List.Count() <= 1)
        EmitRowChanged(0);
}

void TTableModel::RemoveRow(int Row, const std::function<void()>& Delete)
{
    // The last entry leaves the blank row of an empty table behind.
    if (Row < 0 || Row >= List.Count() || List.Count() == 1) {
        Delete();
        SyncRowCount();
        EmitRowChanged(Row);
        return;
    }
    beginRemoveRows({}, Row, Row);
    Delete();
    Rows = TargetRowCount();
    if (FCurrentRow > Row)
        --FCurrentRow;
    else if (FCurrentRow == Row)
        FCurrentRow = -1;
    endRemoveRows();
}

void TTableModel::AllRowsChanged()
{
    emit dataChanged(index(0, 0), index(Rows - 1, 1));
}

void TTableModel::FontsChanged()
{
    QuestionFont = ToQFont(List.QuestionFont);
    AnswerFont = ToQFont(List.AnswerFont);
    if (Rows > 0)
        emit dataChanged(index(0, 0), index(Rows - 1, 1), {Qt::FontRole});
}

void TTableModel::Reload()
{
    beginResetModel();
    Rows = TargetRowCount();
    QuestionFont = ToQFont(List.QuestionFont);
    AnswerFont = ToQFont(List.AnswerFont);
    endResetModel();
}

int TTableModel::TargetRowCount() const
{
    return std::max(1, List.Count());
}

void TTableModel::EmitRowChanged(int Row)
{
    if (Row >= 0 && Row < Rows)
        emit dataChanged(index(Row, 0), index(Row, 1));
}
