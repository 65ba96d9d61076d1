// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a memo's text a single line of Windows-1252 characters, whichever way
// the text comes in (typing, pasting, dropping, input methods): a character
// that Windows-1252 cannot hold is not taken, nor is "=", which separates
// question and answer in a table file; a line break or tab that comes with
// pasted text becomes a space.
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

    // Text cleaned the same way: line breaks and control characters become
    // spaces, "=" and characters without a Windows-1252 byte are dropped.
    [[nodiscard]] static QString Cleaned(const QString& Text);

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
};
