// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/importedtable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Offset of the first byte that does not belong to a valid UTF-8 sequence,
// or -1 when all do.
qsizetype FirstInvalidUtf8(const QByteArray& Bytes)
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

qsizetype LineAt(const QByteArray& Bytes, qsizetype Offset)
{
    return QByteArrayView(Bytes).first(Offset).count('\n') + 1;
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
    const QFileInfo Info(FileName);
    if (!Info.exists())
        throw EListReadError(QStringLiteral("Bestand %1 bestaat niet").arg(ShownName(FileName)).toStdString());
    QFile File(FileName);
    if (Info.isDir() || !File.open(QIODevice::ReadOnly))
        throw EListReadError(
            (QStringLiteral("Fout tijdens openen %1: ").arg(ShownName(FileName)) + QString::number(int(File.error())))
                .toStdString());
    QByteArray Bytes = File.readAll();
    if (File.error() != QFileDevice::NoError)
        throw EListReadError(
            (QStringLiteral("Fout tijdens inlezen %1: ").arg(ShownName(FileName)) + QString::number(int(File.error())))
                .toStdString());
    return Bytes;
}

QString DecodeUtf8File(const QByteArray& Bytes, const QString& FileName)
{
    if (Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF"))
        ThrowReadError(FileName, 1, QStringLiteral("het bestand is in UTF-16; sla het op als UTF-8"));
    const QByteArrayView Body = Bytes.startsWith("\xEF\xBB\xBF") ? QByteArrayView(Bytes).sliced(3) : QByteArrayView(Bytes);
    const QByteArray Text = Body.toByteArray();
    if (const qsizetype Bad = FirstInvalidUtf8(Text); Bad >= 0) {
        // UTF-16 without a byte order mark: a NUL byte in the first character.
        const bool Utf16 = Bad <= 1 && Text.at(Bad) == 0;
        ThrowReadError(FileName, LineAt(Text, Bad),
                       Utf16 ? QStringLiteral("het bestand is in UTF-16; sla het op als UTF-8")
                             : QStringLiteral("geen geldige UTF-8-tekst (binair bestand?)"));
    }
    return QString::fromUtf8(Text);
}
