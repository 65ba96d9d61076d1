// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/memo.h"

#include <QClipboard>
#include <QGuiApplication>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

TMemo::TMemo(QWidget* Parent) : QPlainTextEdit(Parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    QTextOption Option = document()->defaultTextOption();
    Option.setAlignment(Qt::AlignHCenter);
    document()->setDefaultTextOption(Option);
    connect(this, &QPlainTextEdit::textChanged, this, &TMemo::EnforceMaxLength);
}

void TMemo::SetMaxLength(int Length)
{
    FMaxLength = Length;
    EnforceMaxLength();
}

void TMemo::SetText(const QString& Text)
{
    setPlainText(Text.left(FMaxLength));
    CentreText();
}

void TMemo::CopyAllToClipboard()
{
    if (document()->isEmpty())
        return;
    QGuiApplication::clipboard()->setText(toPlainText());
    QTextCursor Cursor = textCursor();
    Cursor.clearSelection();
    setTextCursor(Cursor);
}

void TMemo::EnforceMaxLength()
{
    if (Adjusting)
        return;
    Adjusting = true;
    const QString Whole = toPlainText();
    if (FMaxLength > 0 && Whole.size() > FMaxLength) {
        const int Position = std::min(textCursor().position(), FMaxLength);
        setPlainText(Whole.left(FMaxLength));
        QTextCursor Cursor = textCursor();
        Cursor.setPosition(Position);
        setTextCursor(Cursor);
    }
    CentreText();
    Adjusting = false;
}

void TMemo::CentreText()
{
    // Pasted or newly typed blocks take the alignment of the cursor's block,
    // not the document default; set it on every block.
    for (QTextBlock Block = document()->begin(); Block.isValid(); Block = Block.next()) {
        if (Block.blockFormat().alignment() == Qt::AlignHCenter)
            continue;
        QTextCursor Cursor(Block);
        QTextBlockFormat Format = Block.blockFormat();
        Format.setAlignment(Qt::AlignHCenter);
        Cursor.setBlockFormat(Format);
    }
}
