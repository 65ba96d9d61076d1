// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/importedtable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "table/ioerrortext.h"

namespace {

// Offset of the first byte that does not belong to a valid UTF-8 sequence,
// or -1 when all do.
qsizetype FirstInvalidUtf8(QByteArrayView Bytes)
{
    const auto* Data = reinterpret_cast<const unsigned char*>(Bytes.constData());
    const qsizetype Size = Bytes.size();
    for (qsizetype i = 0; i < Size;) {
        const unsigned char Lead = Data[i];
        if (Lead == 0)
            return i;
        if (Lead < 0x80) {
            ++i;
            continue;
        }
        int Length = 0;
        unsigned char Low = 0x80, High = 0xBF;
        if (Lead >= 0xC2 && Lead <= 0xDF) Length = 2;
        else if (Lead == 0xE0) { Length = 3; Low = 0xA0; }
        else if (Lead >= 0xE1 && Lead <= 0xEC) Length = 3;
        else if (Lead == 0xED) { Length = 3; High = 0x9F; }
        else if (Lead >= 0xEE && Lead <= 0xEF) Length = 3;
        else if (Lead == 0xF0) { Length = 4; Low = 0x90; }
        else if (Lead >= 0xF1 && Lead <= 0xF3) Length = 4;
        else if (Lead == 0xF4) { Length = 4; High = 0x8F; }
        else return i;
        if (i + Length > Size || Data[i + 1] < Low || Data[i + 1] > High)
            return i;
        for (int k = 2; k < Length; ++k)
            if (Data[i + k] < 0x80 || Data[i + k] > 0xBF)
                return i;
        i += Length;
    }
    return -1;
}

qsizetype LineAt(QByteArrayView Bytes, qsizetype Offset)
{
    return Bytes.first(Offset).count('\n') + 1;
}

} // namespace

QString TableTrimmed(const QString& Text)
{
    qsizetype Start = 0;
    qsizetype End = Text.size();
    while (Start < End && Text.at(Start).unicode() <= 32)
        ++Start;
    while (End > Start && Text.at(End - 1).unicode() <= 32)
        --End;
    return Start == 0 && End == Text.size() ? Text : Text.sliced(Start, End - Start);
}

QString ShownName(const QString& FileName)
{
    return QDir::toNativeSeparators(FileName);
}

void ThrowReadError(const QString& FileName, qsizetype Line, const QString& What)
{
    const QString Message =
        QStringLiteral("Fout tijdens lezen %1: regel %2: %3").arg(ShownName(FileName)).arg(Line).arg(What);
    throw EListReadError(Message.toStdString());
}

QByteArray ReadWholeFile(const QString& FileName)
{
    const QByteArray Name = QFile::encodeName(FileName);
    const int Fd = ::open(Name.constData(), O_RDONLY | O_CLOEXEC);
    if (Fd < 0 && (errno == ENOENT || errno == ENOTDIR))
        throw EListReadError(QStringLiteral("Bestand %1 bestaat niet").arg(ShownName(FileName)).toStdString());
    if (Fd < 0)
        throw EListReadError(QStringLiteral("Fout tijdens openen %1: ").arg(ShownName(FileName)).toStdString()
                             + IoErrorText(errno));
    QByteArray Bytes;
    if (const qint64 Size = QFileInfo(FileName).size(); Size > 0 && Size < (qint64(1) << 40))
        Bytes.reserve(Size + 65536); // room for the read that finds the end
    int Error = 0;
    for (;;) {
        if (Bytes.capacity() - Bytes.size() < 65536)
            Bytes.reserve(Bytes.size() * 2 + 65536);
        const qsizetype Old = Bytes.size();
        Bytes.resize(Bytes.capacity());
        const ssize_t Got = ::read(Fd, Bytes.data() + Old, static_cast<std::size_t>(Bytes.size() - Old));
        Bytes.resize(Old + std::max<ssize_t>(Got, 0));
        if (Got < 0 && errno == EINTR)
            continue;
        if (Got < 0)
            Error = errno;
        if (Got <= 0)
            break;
    }
    ::close(Fd);
    // A folder opens, and fails at the first read.
    if (Error == EISDIR)
        throw EListReadError(QStringLiteral("Fout tijdens openen %1: ").arg(ShownName(FileName)).toStdString()
                             + IoErrorText(Error));
    if (Error != 0)
        throw EListReadError(QStringLiteral("Fout tijdens inlezen %1: ").arg(ShownName(FileName)).toStdString()
                             + IoErrorText(Error));
    return Bytes;
}

QString DecodeUtf8File(const QByteArray& Bytes, const QString& FileName)
{
    return Utf8Text(CheckedUtf8Body(Bytes, FileName));
}

QString Utf8Text(QByteArrayView Utf8)
{
    // A UTF-16 unit for each byte that starts a character, two for a
    // character beyond the basic plane (a four-byte one).
    qsizetype Units = 0;
    for (const char C : Utf8) {
        const auto Byte = static_cast<unsigned char>(C);
        Units += (Byte & 0xC0) != 0x80 ? 1 : 0;
        Units += Byte >= 0xF0 ? 1 : 0;
    }
    QString Text(Units, Qt::Uninitialized);
    QStringDecoder Decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QChar* End = Decoder.appendToBuffer(Text.data(), Utf8);
    Text.truncate(End - Text.constData());
    return Text;
}

QByteArrayView CheckedUtf8Body(const QByteArray& Bytes, const QString& FileName)
{
    if (Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF"))
        ThrowReadError(FileName, 1, QStringLiteral("het bestand is in UTF-16; sla het op als UTF-8"));
    const QByteArrayView Text = Bytes.startsWith("\xEF\xBB\xBF") ? QByteArrayView(Bytes).sliced(3) : QByteArrayView(Bytes);
    if (const qsizetype Bad = FirstInvalidUtf8(Text); Bad >= 0) {
        // UTF-16 without a byte order mark: a NUL byte in the first character.
        const bool Utf16 = Bad <= 1 && Text.at(Bad) == 0;
        ThrowReadError(FileName, LineAt(Text, Bad),
                       Utf16 ? QStringLiteral("het bestand is in UTF-16; sla het op als UTF-8")
                             : QStringLiteral("geen geldige UTF-8-tekst (binair bestand?)"));
    }
    // One byte order mark was taken off above; another is a character of
    // the text.
    return Text;
}
