// SPDX-License-Identifier: GPL-3.0-or-later
// The question/answer panel in the middle of the main window: the question
// and answer lines of a quiz, the two memos of the editor in their place,
// the entry counter and the small buttons beside them.
#pragma once

#include <QFrame>

class QLabel;
class QToolButton;
class TMemo;
struct TTableFont;

class TQuestionPanel : public QFrame {
    Q_OBJECT
public:
    explicit TQuestionPanel(QWidget* Parent);

    // Shows what State calls for: the memos only while editing (writable
    // then), the question and answer lines otherwise, the editor's buttons
    // or the quiz's clipboard buttons, and empty, greyed fields on the title
    // screen.
    void ShowState(int State);
    // The fonts of the question and the answer column.
    void ApplyColumnFonts(const TTableFont& Question, const TTableFont& Answer);
    void ShowQuestionLine(const QString& Text);
    void ShowAnswerLine(const QString& Text);

    QLabel *lblVraag, *lblAntwoord, *lblVraagTekst, *lblAntwoordTekst, *lblItemNr;
    TMemo *memVraag, *memAntwoord;
    QToolButton *btnVraagFont, *btnPgUp, *btnPgDn, *btnAntwoordFont, *btnVraagToClipboard,
        *btnAntwoordToClipboard;

private:
    void CreateLines();
    void CreateButtons();
};
