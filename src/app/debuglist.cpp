// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/debuglist.h"

#include "app/debuglistmodel.h"
#include "ui/mainstate.h"

TDebugList::TDebugList(QWidget* Window, const TQuestionlist& Table) : QListView(Window)
{
    setObjectName(QStringLiteral("lbxDebug"));
    setFocusPolicy(Qt::NoFocus);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true); // one line each: no need to measure a million of them
    Lines = new TDebugListModel(Table, this);
    setModel(Lines);
    hide();
}

void TDebugList::Toggle(const QRect& Area, int State)
{
    if (isVisible()) {
        hide();
        return;
    }
    setGeometry(Area);
    show();
    raise();
    Refresh(State);
}

void TDebugList::Refresh(int State)
{
    Lines->Refresh(State == msChoiceQuestion || State == msChoiceAnswered ? 1 : 0);
}
