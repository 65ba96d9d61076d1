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

    // The dialog's result when "&Nee" was chosen; Esc and the close box
    // reject it.
    static constexpr int NoResult = 2;
};

// How a yes/no question was answered: "&Ja", "&Nee", or neither (Esc or the
// window's close box).
enum class TYesNoAnswer { Yes, No, Dismissed };

// Asks Question modally; true when the user chose "&Ja". Dismissing the
// question counts as "&Nee".
bool AskYesNo(const QString& Question, bool DefaultYes);
// Asks Question modally and tells a dismissed question from "&Nee".
TYesNoAnswer AskYesNoOrDismiss(const QString& Question, bool DefaultYes);
