// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/dlgtaaluitspreken.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "speech/columnlanguage.h"

TDlgTaalUitspreken::TDlgTaalUitspreken(QWidget* Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("dlgTaalUitspreken"));
    setWindowTitle(QStringLiteral("Taal voor uitspreken"));
    lblUitleg = new QLabel(QStringLiteral("In welke taal worden de vragen en de antwoorden van deze tabel "
                                          "uitgesproken?"),
                           this);
    lblUitleg->setObjectName(QStringLiteral("lblUitleg"));
    lblUitleg->setWordWrap(true);
    cmbVraagTaal = new QComboBox(this);
    cmbVraagTaal->setObjectName(QStringLiteral("cmbVraagTaal"));
    cmbAntwoordTaal = new QComboBox(this);
    cmbAntwoordTaal->setObjectName(QStringLiteral("cmbAntwoordTaal"));
    auto* Fields = new QFormLayout;
    Fields->addRow(QStringLiteral("&Vragen:"), cmbVraagTaal);
    Fields->addRow(QStringLiteral("&Antwoorden:"), cmbAntwoordTaal);
    auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
    Buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    Buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Annuleren"));
    Buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnAnnuleren"));
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(lblUitleg);
    Layout->addLayout(Fields);
    Layout->addWidget(Buttons);
}

void TDlgTaalUitspreken::Offer(const QStringList& Languages, const QString& QuestionLanguage,
                               const QString& AnswerLanguage)
{
    Fill(cmbVraagTaal, Languages, QuestionLanguage);
    Fill(cmbAntwoordTaal, Languages, AnswerLanguage);
}

void TDlgTaalUitspreken::Fill(QComboBox* Box, QStringList Languages, const QString& Current)
{
    if (!Current.isEmpty() && !Languages.contains(Current))
        Languages << Current;
    std::sort(Languages.begin(), Languages.end(), [](const QString& Left, const QString& Right) {
        return DutchLanguageName(Left).localeAwareCompare(DutchLanguageName(Right)) < 0;
    });
    Box->clear();
    Box->addItem(QStringLiteral("(geen)"), QString());
    for (const QString& Tag : Languages)
        Box->addItem(QStringLiteral("%1 [%2]").arg(DutchLanguageName(Tag), Tag), Tag);
    Box->setCurrentIndex(std::max(0, Box->findData(Current)));
}

void TDlgTaalUitspreken::FocusColumn(int Column) { (Column == 0 ? cmbVraagTaal : cmbAntwoordTaal)->setFocus(); }

QString TDlgTaalUitspreken::Language(int Column) const
{
    return (Column == 0 ? cmbVraagTaal : cmbAntwoordTaal)->currentData().toString();
}
