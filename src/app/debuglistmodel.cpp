// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/debuglistmodel.h"

#include <string>
#include <vector>

#include "formats/wintext.h"
#include "table/questionlist.h"

TDebugListModel::TDebugListModel(const TQuestionlist& List, QObject* Parent)
    : QAbstractListModel(Parent), List(List)
{
}

void TDebugListModel::Refresh(int Mode)
{
    std::vector<std::string> Lines;
    List.ShowDebugInfo(Lines, Mode, false);
    beginResetModel();
    Head.clear();
    for (const std::string& Line : Lines)
        Head << WinToQt(Line);
    EntryRows = Mode == 0 ? List.Count() : 0;
    endResetModel();
}

int TDebugListModel::rowCount(const QModelIndex& Parent) const
{
    return Parent.isValid() ? 0 : static_cast<int>(Head.size()) + EntryRows;
}

QVariant TDebugListModel::data(const QModelIndex& Index, int Role) const
{
    if (Role != Qt::DisplayRole || !Index.isValid())
        return {};
    const int Row = Index.row();
    if (Row < Head.size())
        return Head.at(Row);
    const int Entry = Row - static_cast<int>(Head.size());
    // The table may have shrunk since the last refresh.
    if (Entry >= List.Count())
        return QString();
    return WinToQt(List.DebugEntryLine(Entry));
}
