// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/wintext.h"

#include <QByteArray>
#include <QHash>
#include <QStringDecoder>
#include <array>
#include <memory>
#include <vector>

#include "editor/codepage.h"

namespace {

constexpr char16_t PrivateUseBase = 0xF700;

// Both directions of one single-byte code page, read once from Qt's
// converters (ICU) byte by byte.
class TCodePageMap {
public:
    explicit TCodePageMap(int CodePage);

    [[nodiscard]] char16_t Unicode(unsigned char Byte) const { return ToUnicode[Byte]; }
    [[nodiscard]] std::optional<char> Byte(char16_t Unit) const
    {
        if (Unit < 0x80)
            return static_cast<char>(Unit);
        const auto Found = FromUnicode.constFind(Unit);
        if (Found == FromUnicode.constEnd())
            return std::nullopt;
        return static_cast<char>(*Found);
    }

private:
    std::array<char16_t, 256> ToUnicode{};
    QHash<char16_t, unsigned char> FromUnicode;
};

TCodePageMap::TCodePageMap(int CodePage)
{
    const QByteArray Name = "windows-" + QByteArray::number(CodePage);
    const QByteArray Fallback = "cp" + QByteArray::number(CodePage);
    const QByteArray& Known = QStringDecoder(Name.constData()).isValid() ? Name : Fallback;
    std::array<bool, 256> Defined{};
    for (int Byte = 0; Byte < 256; ++Byte) {
        const char In = static_cast<char>(Byte);
        QStringDecoder Decoder(Known.constData());
        const QString Text = Decoder.isValid() ? Decoder.decode(QByteArrayView(&In, 1)) : QString();
        Defined[Byte] = !Decoder.hasError() && Text.size() == 1 && Text.at(0) != QChar::ReplacementCharacter
            && (Byte < 0x80 || Text.at(0).unicode() >= 0x80);
        if (Defined[Byte]) {
            ToUnicode[Byte] = Text.at(0).unicode();
            FromUnicode.insert(ToUnicode[Byte], static_cast<unsigned char>(Byte));
        }
    }
    for (int Byte = 0; Byte < 256; ++Byte) {
        if (Defined[Byte])
            continue;
        const auto Own = static_cast<char16_t>(Byte);
        ToUnicode[Byte] = FromUnicode.contains(Own) ? char16_t(PrivateUseBase + Byte) : Own;
        FromUnicode.insert(ToUnicode[Byte], static_cast<unsigned char>(Byte));
    }
}

const TCodePageMap& MapOf(int CodePage)
{
    static std::vector<std::pair<int, std::unique_ptr<TCodePageMap>>> Maps;
    for (const auto& [Known, Map] : Maps)
        if (Known == CodePage)
            return *Map;
    Maps.emplace_back(CodePage, std::make_unique<TCodePageMap>(CodePage));
    return *Maps.back().second;
}

// One character of Text from position i on: its length in UTF-16 units.
qsizetype CharacterLength(const QString& Text, qsizetype i)
{
    return i + 1 < Text.size() && Text.at(i).isHighSurrogate() && Text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

} // namespace

QString WinToQt(std::string_view Bytes, int CodePage)
{
    const TCodePageMap& Map = MapOf(CodePage);
    QString Text(static_cast<qsizetype>(Bytes.size()), Qt::Uninitialized);
    QChar* Out = Text.data();
    for (const char Byte : Bytes)
        *Out++ = QChar(Map.Unicode(static_cast<unsigned char>(Byte)));
    return Text;
}

std::optional<std::string> QtToWin(const QString& Text, int CodePage)
{
    const TCodePageMap& Map = MapOf(CodePage);
    std::string Bytes;
    Bytes.reserve(static_cast<std::size_t>(Text.size()));
    for (const QChar Ch : Text) {
        const auto Byte = Map.Byte(Ch.unicode());
        if (!Byte)
            return std::nullopt;
        Bytes.push_back(*Byte);
    }
    return Bytes;
}

std::string QtToWinReplacing(const QString& Text, int CodePage, int& Replaced)
{
    const TCodePageMap& Map = MapOf(CodePage);
    std::string Bytes;
    Bytes.reserve(static_cast<std::size_t>(Text.size()));
    Replaced = 0;
    for (qsizetype i = 0; i < Text.size(); i += CharacterLength(Text, i)) {
        const auto Byte = Map.Byte(Text.at(i).unicode());
        const bool Single = CharacterLength(Text, i) == 1;
        Bytes.push_back(Byte && Single ? *Byte : '?');
        Replaced += Byte && Single ? 0 : 1;
    }
    return Bytes;
}

bool IsWinText(const QString& Text, int CodePage)
{
    return QtToWin(Text, CodePage).has_value();
}

int CharactersMissingIn(const QString& Text, int CodePage)
{
    const TCodePageMap& Map = MapOf(CodePage);
    int Missing = 0;
    for (qsizetype i = 0; i < Text.size(); i += CharacterLength(Text, i))
        Missing += CharacterLength(Text, i) == 1 && Map.Byte(Text.at(i).unicode()) ? 0 : 1;
    return Missing;
}

QString ColumnToQt(std::string_view Bytes, int Charset)
{
    return WinToQt(Bytes, CodePageOfCharset(Charset));
}

std::string ColumnToUtf8(std::string_view Bytes, int Charset)
{
    bool Ascii = true;
    for (const char Byte : Bytes)
        Ascii = Ascii && static_cast<unsigned char>(Byte) < 0x80;
    if (Ascii)
        return std::string(Bytes);
    return ColumnToQt(Bytes, Charset).toStdString();
}

std::optional<std::string> QtToColumn(const QString& Text, int Charset)
{
    return QtToWin(Text, CodePageOfCharset(Charset));
}
