// SPDX-License-Identifier: GPL-3.0-or-later
// "Toetsdatum": the day of the test a table is learnt for.
#pragma once

#include <QDate>
#include <QDialog>
#include <optional>

class QCheckBox;
class QDateEdit;
class QDialogButtonBox;

class TDlgToetsdatum : public QDialog {
    Q_OBJECT
public:
    explicit TDlgToetsdatum(QWidget* Parent);

    // Shows Date, ticked when a test date is set; no day before Today.
    void SetDate(const QDate& Date, bool IsSet, const QDate& Today);
    // The chosen day, none when no test date is to be kept.
    [[nodiscard]] std::optional<QDate> Date() const;

    QCheckBox* chkToetsdatum;
    QDateEdit* edtToetsdatum;
    QDialogButtonBox* btnsKeuze;
};
