// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wintext.h"

#include <array>

namespace {

// Unicode of the bytes 0x80..0x9F in Windows-1252; the undefined ones keep
// their own value.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> ByteOf(char16_t Unit)
{
    if (Unit < 0x80 || (Unit >= 0xA0 && Unit <= 0xFF))
        return static_cast<char>(Unit);
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == Unit)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace

QString WinToQt(std::string_view Bytes)
{
    QString Text(static_cast<qsizetype>(Bytes.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < Bytes.size(); ++i) {
        const auto Byte = static_cast<unsigned char>(Bytes[i]);
        Text[static_cast<qsizetype>(i)] =
            QChar(Byte >= 0x80 && Byte < 0xA0 ? HighControls[Byte - 0x80] : char16_t(Byte));
    }
    return Text;
}

std::optional<std::string> QtToWin(const QString& Text)
{
    std::string Bytes;
    Bytes.reserve(static_cast<std::size_t>(Text.size()));
    for (QChar Ch : Text) {
        const auto Byte = ByteOf(Ch.unicode());
        if (!Byte)
            return std::nullopt;
        Bytes.push_back(*Byte);
    }
    return Bytes;
}

bool IsWinText(const QString& Text)
{
    return QtToWin(Text).has_value();
}
