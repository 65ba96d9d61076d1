// SPDX-License-Identifier: GPL-3.0-or-later
// "Taal voor uitspreken": the language each column of the table is spoken
// in, chosen from the languages of the installed voices.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

class TDlgTaalUitspreken : public QDialog {
    Q_OBJECT
public:
    explicit TDlgTaalUitspreken(QWidget* Parent = nullptr);

    // Offers Languages (tags) and "(geen)"; a column's current language is
    // offered even without a voice, so that it is not lost unseen.
    void Offer(const QStringList& Languages, const QString& QuestionLanguage, const QString& AnswerLanguage);
    // The column whose choice is asked for first: 0 questions, 1 answers.
    void FocusColumn(int Column);
    // The chosen tags; empty for "(geen)".
    [[nodiscard]] QString Language(int Column) const;

    QLabel* lblUitleg;
    QComboBox* cmbVraagTaal;
    QComboBox* cmbAntwoordTaal;

private:
    static void Fill(QComboBox* Box, QStringList Languages, const QString& Current);
};
