// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a memo's text a single line of characters of its column's code page
// (Windows-1252 unless told otherwise), whichever way the text comes in
// (typing, pasting, dropping, input methods): a character that the code page
// cannot hold is not taken, nor is "=", which separates question and answer
// in a table file; a line break or tab that comes with pasted text becomes a
// space.
#pragma once

#include <QObject>

class TMemo;

class TWinTextGuard : public QObject {
    Q_OBJECT
public:
    // Guards Memo for as long as the memo lives.
    explicit TWinTextGuard(TMemo* Memo);

    // Shows a text from the table as it is (what the table holds is not
    // changed by merely showing it) and marks the memo unmodified.
    void ShowText(const QString& Text);

    // The code page of the column the memo edits; a text already shown is
    // left as it is.
    void SetCodePage(int CodePage) { FCodePage = CodePage; }
    [[nodiscard]] int CodePage() const { return FCodePage; }

    // Text cleaned the same way: line breaks and control characters become
    // spaces, "=" and characters without a byte in the code page are dropped.
    [[nodiscard]] static QString Cleaned(const QString& Text, int CodePage = 1252);

    // Why the last refused character could not be taken, for the prompt line.
    static const QString EqualsSignRefused;
    static const QString CharacterRefused;

signals:
    // A typed or pasted character was not taken; Reason says why.
    void Refused(const QString& Reason);

private:
    void TextChanged();

    TMemo* Memo;
    bool Adjusting = false;
    int FCodePage = 1252;
};
