// SPDX-License-Identifier: GPL-3.0-or-later
// A multi-line edit field of the trainer: centred text, a length limit and no
// scroll bars, as used for the question, the answer and the typed answer.
#pragma once

#include <QPlainTextEdit>

class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget* Parent = nullptr);

    [[nodiscard]] int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Length);

    // Replaces the whole text (cut to the length limit) and keeps it centred.
    void SetText(const QString& Text);
    [[nodiscard]] QString Text() const { return toPlainText(); }

    // Copies the whole text to the clipboard and leaves nothing selected. An
    // empty memo leaves the clipboard as it is.
    void CopyAllToClipboard();

private:
    void EnforceMaxLength();
    void CentreText();

    int FMaxLength = 152;
    bool Adjusting = false;
};
