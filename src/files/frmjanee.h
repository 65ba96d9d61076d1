// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one confirmation question, with the buttons "&Ja" and "&Nee".
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TfrmJaNee : public QDialog {
    Q_OBJECT
public:
    explicit TfrmJaNee(QWidget* Parent = nullptr);

    // Lays the dialog out for Question with the given default button.
    void Prepare(const QString& Question, bool DefaultYes);

    QLabel* lblVraag;
    QPushButton* btnJa;
    QPushButton* btnNee;
};

// Asks Question modally; true when the user chose "&Ja".
bool AskYesNo(const QString& Question, bool DefaultYes);
