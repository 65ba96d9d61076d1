// SPDX-License-Identifier: GPL-3.0-or-later
#include "tableeditor/wintextguard.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/memo.h"
#include "formats/wintext.h"

namespace {

enum class TAction { Keep, Space, Drop, Refuse };

TAction ActionFor(QChar Ch, int CodePage)
{
    if (Ch == u'\n' || Ch == QChar::ParagraphSeparator || Ch == QChar::LineSeparator
        || Ch == u'\r' || Ch == u'\t')
        return TAction::Space;
    if (Ch.unicode() < 32)
        return TAction::Drop;
    if (Ch == u'=')
        return TAction::Refuse;
    return IsWinText(QString(Ch), CodePage) ? TAction::Keep : TAction::Refuse;
}

} // namespace

const QString TWinTextGuard::EqualsSignRefused =
    QStringLiteral("Een = kan niet in de tekst: het scheidt vraag en antwoord in het bestand");
const QString TWinTextGuard::CharacterRefused =
    QStringLiteral("Dit teken kan niet in de tabel worden opgeslagen");

TWinTextGuard::TWinTextGuard(TMemo* Memo) : QObject(Memo), Memo(Memo)
{
    connect(Memo, &QPlainTextEdit::textChanged, this, &TWinTextGuard::TextChanged);
}

void TWinTextGuard::ShowText(const QString& Text)
{
    const bool Was = Adjusting;
    Adjusting = true;
    Memo->SetText(Text);
    Memo->document()->setModified(false);
    Adjusting = Was;
}

QString TWinTextGuard::Cleaned(const QString& Text, int CodePage)
{
    QString Result;
    Result.reserve(Text.size());
    for (QChar Ch : Text) {
        switch (ActionFor(Ch, CodePage)) {
        case TAction::Keep: Result += Ch; break;
        case TAction::Space: Result += u' '; break;
        case TAction::Drop:
        case TAction::Refuse: break;
        }
    }
    return Result;
}

void TWinTextGuard::TextChanged()
{
    // A read-only memo shows what the quiz puts there, in any code page.
    if (Adjusting || Memo->isReadOnly())
        return;
    const QString Text = Memo->document()->toRawText();
    if (Cleaned(Text, FCodePage) == Text)
        return;
    Adjusting = true;
    // Mend the text in place, from the end, so that the user's cursor and the
    // undo history follow the edit that brought the characters in.
    QString Reason;
    QTextCursor Cursor(Memo->document());
    Cursor.joinPreviousEditBlock();
    for (int i = static_cast<int>(Text.size()) - 1; i >= 0; --i) {
        const TAction Action = ActionFor(Text.at(i), FCodePage);
        if (Action == TAction::Keep)
            continue;
        if (Action == TAction::Refuse && Reason != EqualsSignRefused)
            Reason = Text.at(i) == u'=' ? EqualsSignRefused : CharacterRefused;
        const int End = i + 1;
        if (i > 0 && Text.at(i).isLowSurrogate() && Text.at(i - 1).isHighSurrogate())
            --i; // drop both halves of the pair
        Cursor.setPosition(i);
        Cursor.setPosition(End, QTextCursor::KeepAnchor);
        if (Action == TAction::Space)
            Cursor.insertText(QStringLiteral(" "));
        else
            Cursor.removeSelectedText();
    }
    Cursor.endEditBlock();
    Adjusting = false;
    if (!Reason.isEmpty())
        emit Refused(Reason);
}
