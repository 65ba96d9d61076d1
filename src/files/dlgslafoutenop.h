// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that saves the entries answered wrong at least N times: the
// user picks N, sees how many questions that covers and picks a file.
#pragma once

#include <QDialog>
#include <QString>

class QEvent;
class QFileDialog;
class QFrame;
class QLabel;
class QPushButton;
class QShowEvent;
class QSpinBox;
class TQuestionlist;

class TDlgSlaFoutenOp : public QDialog {
    Q_OBJECT
public:
    // A dialog of Owner that counts the wrong answers of Table.
    TDlgSlaFoutenOp(QWidget& Owner, const TQuestionlist& Table);

    // Sets the number field to 1 within the range 0..MaxErrorStat.
    void Prepare(int MaxErrorStat);
    // "(betreft N vragen)" for the threshold in Text; empty for 0 or no number.
    [[nodiscard]] QString AffectedCountText(const QString& Text) const;
    // The threshold chosen: the number field as a number, 1 when it is none.
    [[nodiscard]] int Threshold() const;

    // The file chosen with OK; empty when nothing is to be written.
    QString SaveFileName;

    QFrame* Bevel1;
    QLabel* Label1;
    QSpinBox* edtFoutAantal;
    QLabel* Label2;
    QLabel* lblAantalfout;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QFileDialog* dlgSave;

protected:
    bool event(QEvent* Event) override;
    void showEvent(QShowEvent* Event) override;

private:
    void FormActivate();
    void edtFoutAantalChange(const QString& Text);
    void OKBtnClick();

    const TQuestionlist& Table;
};
