// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of the debug list. The lines of the entries are made only when
// the list shows them, so that the list stays quick on a table of a million
// entries, however often it is refreshed.
#pragma once

#include <QAbstractListModel>
#include <QStringList>

class TQuestionlist;

class TDebugListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // List is the table whose state the lines show; it outlives the model.
    TDebugListModel(const TQuestionlist& List, QObject* Parent);

    // Takes the table's state anew; Mode as TQuestionlist::ShowDebugInfo.
    void Refresh(int Mode);

    [[nodiscard]] int rowCount(const QModelIndex& Parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& Index, int Role = Qt::DisplayRole) const override;

private:
    const TQuestionlist& List;
    QStringList Head;
    int EntryRows = 0;
};
