// SPDX-License-Identifier: GPL-3.0-or-later
// The printout of a table.
#pragma once

#include <QObject>

class TfrmMain;
class TQuestionlist;

class TfrmPrint : public QObject {
    Q_OBJECT
public:
    explicit TfrmPrint(TfrmMain& Main);

    TQuestionlist* QuestionList = nullptr; // set before every Print
    void Print();

private:
    TfrmMain& Main;
};
