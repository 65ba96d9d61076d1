// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dlgtoetsdatum.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TDlgToetsdatum::TDlgToetsdatum(QWidget* Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("DlgToetsdatum"));
    setWindowTitle(QStringLiteral("Toetsdatum"));
    auto* Layout = new QVBoxLayout(this);
    auto* Explanation = new QLabel(
        QStringLiteral("Met een toetsdatum overhoort \"Volgens geheugen\" eerst wat je op die dag het\n"
                       "eerst vergeten zou zijn, en zegt het rapport hoeveel je dan naar verwachting kent."),
        this);
    Layout->addWidget(Explanation);
    chkToetsdatum = new QCheckBox(QStringLiteral("&Toets op:"), this);
    chkToetsdatum->setObjectName(QStringLiteral("chkToetsdatum"));
    edtToetsdatum = new QDateEdit(this);
    edtToetsdatum->setObjectName(QStringLiteral("edtToetsdatum"));
    edtToetsdatum->setCalendarPopup(true);
    edtToetsdatum->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    auto* Row = new QHBoxLayout;
    Row->addWidget(chkToetsdatum);
    Row->addWidget(edtToetsdatum, 1);
    Layout->addLayout(Row);
    btnsKeuze = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnsKeuze->setObjectName(QStringLiteral("btnsKeuze"));
    btnsKeuze->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
    btnsKeuze->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Annuleren"));
    Layout->addWidget(btnsKeuze);
    connect(btnsKeuze, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(btnsKeuze, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(chkToetsdatum, &QCheckBox::toggled, edtToetsdatum, &QWidget::setEnabled);
}

void TDlgToetsdatum::SetDate(const QDate& Date, bool IsSet, const QDate& Today)
{
    edtToetsdatum->setMinimumDate(std::min(Date, Today));
    edtToetsdatum->setDate(Date);
    chkToetsdatum->setChecked(IsSet);
    edtToetsdatum->setEnabled(IsSet);
}

std::optional<QDate> TDlgToetsdatum::Date() const
{
    if (!chkToetsdatum->isChecked())
        return std::nullopt;
    return edtToetsdatum->date();
}
