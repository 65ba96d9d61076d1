// SPDX-License-Identifier: GPL-3.0-or-later
// The about box of the "&Info" command.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* Parent = nullptr);

    // Filled by the main window before the box is first shown.
    QString ProgramNameText;
    QString VersionText;
    QString DescriptionText;

    QLabel* Image1;
    QLabel* lblProgrammanaam;
    QLabel* lblVersie;
    QPlainTextEdit* memDescription;
    QPushButton* btnOK;

protected:
    void showEvent(QShowEvent* Event) override;

private:
    void FormShow();
};
