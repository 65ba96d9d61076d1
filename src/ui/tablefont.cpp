// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tablefont.h"

#include <QFontDatabase>
#include <QWidget>
#include <array>
#include <utility>

#include "formats/wintext.h"
#include "editor/codepage.h"

namespace {

// Writing systems with a Windows character set of their own.
constexpr std::array<std::pair<QFontDatabase::WritingSystem, int>, 12> Charsets{{
    {QFontDatabase::Latin, 0},
    {QFontDatabase::Greek, 161},
    {QFontDatabase::Cyrillic, 204},
    {QFontDatabase::Hebrew, 177},
    {QFontDatabase::Arabic, 178},
    {QFontDatabase::Thai, 222},
    {QFontDatabase::Vietnamese, 163},
    {QFontDatabase::SimplifiedChinese, 134},
    {QFontDatabase::TraditionalChinese, 136},
    {QFontDatabase::Japanese, 128},
    {QFontDatabase::Korean, 129},
    {QFontDatabase::Symbol, 2},
}};

} // namespace

QFont ToQFont(const TTableFont& Font)
{
    QFont Result(WinToQt(Font.Name));
    Result.setPointSize(Font.Size > 0 ? Font.Size : 9);
    Result.setBold(Font.Bold);
    Result.setItalic(Font.Italic);
    Result.setUnderline(Font.Underline);
    Result.setStrikeOut(Font.StrikeOut);
    return Result;
}

int CharsetOfWritingSystem(int WritingSystem)
{
    for (const auto& [System, Charset] : Charsets)
        if (System == WritingSystem)
            return Charset;
    return -1;
}

TTableFont ToTableFont(const QFont& Chosen, int WritingSystem, const TTableFont& Previous)
{
    TTableFont Result = Previous;
    if (const auto Name = QtToWin(Chosen.family()); Name && !Name->empty())
        Result.Name = *Name;
    const int Size = Chosen.pointSizeF() > 0 ? qRound(Chosen.pointSizeF()) : Previous.Size;
    Result.Size = Size;
    Result.Bold = Chosen.bold();
    Result.Italic = Chosen.italic();
    Result.Underline = Chosen.underline();
    Result.StrikeOut = Chosen.strikeOut();
    // "Latin" covers the Central European, Turkish and Baltic sets as well:
    // a column in one of them keeps it.
    const bool KeepsLatinSet = WritingSystem == QFontDatabase::Latin && IsLatinCodePage(CodePageOfCharset(Previous.Charset));
    if (const int Charset = CharsetOfWritingSystem(WritingSystem); Charset >= 0 && !KeepsLatinSet)
        Result.Charset = Charset;
    return Result;
}

Qt::LayoutDirection ColumnDirection(const TTableFont& Font)
{
    return IsRightToLeftCodePage(CodePageOfCharset(Font.Charset)) ? Qt::RightToLeft : Qt::LeftToRight;
}

Qt::Alignment ColumnAlignment(const TTableFont& Font)
{
    return ColumnDirection(Font) == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
}

void ApplyColumnFont(QWidget* Widget, const TTableFont& Font)
{
    Widget->setFont(ToQFont(Font));
    Widget->setLayoutDirection(ColumnDirection(Font));
}
