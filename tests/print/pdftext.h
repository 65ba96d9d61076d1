// SPDX-License-Identifier: GPL-3.0-or-later
// A PDF file read back the way a reader sees it, with poppler's pdftotext:
// the text of every page in its layout, and every word with its place.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct TPdfWord {
    QString Text;
    double XMin = 0; // points from the left edge of the sheet
    double YMin = 0; // points from the top edge of the sheet
    double XMax = 0;
    double YMax = 0;
};

class TPdfText {
public:
    // Runs pdftotext on FileName; Ok() tells whether that worked.
    explicit TPdfText(const QString& FileName);

    [[nodiscard]] bool Ok() const { return FOk; }
    [[nodiscard]] QString Error() const { return FError; }
    [[nodiscard]] int PageCount() const { return static_cast<int>(Words.size()); }
    // The non-empty lines of page Page (counted from 1), spaces kept.
    [[nodiscard]] QStringList Lines(int Page) const;
    // The words of page Page (counted from 1) in reading order.
    [[nodiscard]] QList<TPdfWord> PageWords(int Page) const;
    // The first word of page Page whose text is Text; an empty word if none.
    [[nodiscard]] TPdfWord Find(int Page, const QString& Text) const;

private:
    bool FOk = false;
    QString FError;
    QList<QString> LayoutPages;
    QList<QList<TPdfWord>> Words;

    bool ReadLayout(const QString& FileName);
    bool ReadWords(const QString& FileName);
};
