// SPDX-License-Identifier: GPL-3.0-or-later
// A column that gets a font of another script (character set). Its texts are
// stored as bytes of the column's code page, so the same bytes would read as
// other letters: the user is asked first whether to keep the texts as they
// read (converted, letters the new script lacks becoming "?") or to read the
// same bytes anew in the new script (for a table whose font was wrong).
#pragma once

#include <QString>

class QWidget;
class TQuestionlist;

class TScriptChange {
public:
    enum class TChoice { Convert, Reread, Cancel };

    // True when the column's texts would read differently in NewCharset:
    // the code page changes and some text of the column has a byte above
    // the ASCII range.
    [[nodiscard]] static bool Matters(const TQuestionlist& List, bool QuestionSide, int OldCharset, int NewCharset);

    // The Dutch question, with what each answer does.
    [[nodiscard]] static QString Question(const TQuestionlist& List, bool QuestionSide, int OldCharset,
                                          int NewCharset);
    [[nodiscard]] static TChoice Ask(QWidget* Parent, const TQuestionlist& List, bool QuestionSide, int OldCharset,
                                     int NewCharset);

    // Rewrites the column's texts in NewCharset's code page as they read in
    // OldCharset's; a letter that code page lacks becomes "?". Returns how
    // many texts lost a letter that way.
    static int Convert(TQuestionlist& List, bool QuestionSide, int OldCharset, int NewCharset);

    // Asks when it matters and converts when so chosen; false when the user
    // cancelled, and the font should stay as it was.
    static bool Settle(QWidget* Parent, TQuestionlist& List, bool QuestionSide, int OldCharset, int NewCharset);

    // The Dutch name of a code page's script: "Grieks", "Cyrillisch", ...
    [[nodiscard]] static QString ScriptName(int CodePage);

private:
    // How many texts of the column NewCharset cannot hold whole.
    [[nodiscard]] static int TextsLosingLetters(const TQuestionlist& List, bool QuestionSide, int OldCharset,
                                                int NewCharset);
};
