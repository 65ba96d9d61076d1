// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/pdftext.h"

#include <QProcess>
#include <QXmlStreamReader>

namespace {

bool RunPdfToText(const QStringList& Arguments, QByteArray& Output, QString& Error)
{
    QProcess Process;
    Process.start("pdftotext", Arguments);
    if (!Process.waitForFinished(60000) || Process.exitStatus() != QProcess::NormalExit
        || Process.exitCode() != 0) {
        Error = "pdftotext " + Arguments.join(' ') + " failed: "
                + QString::fromLocal8Bit(Process.readAllStandardError()) + Process.errorString();
        return false;
    }
    Output = Process.readAllStandardOutput();
    return true;
}

// The printer's font joins "fi", "fl", "ff" ... into one ligature glyph,
// which pdftotext hands back as one character; the tests compare letters.
QString WithoutLigatures(const QString& Text)
{
    QString Result;
    Result.reserve(Text.size());
    for (QChar Ch : Text) {
        if (Ch.unicode() >= 0xFB00 && Ch.unicode() <= 0xFB06)
            Result += QString(Ch).normalized(QString::NormalizationForm_KC);
        else
            Result += Ch;
    }
    return Result;
}

} // namespace

TPdfText::TPdfText(const QString& FileName)
{
    FOk = ReadLayout(FileName) && ReadWords(FileName);
}

bool TPdfText::ReadLayout(const QString& FileName)
{
    QByteArray Output;
    if (!RunPdfToText({"-layout", "-enc", "UTF-8", FileName, "-"}, Output, FError))
        return false;
    LayoutPages = WithoutLigatures(QString::fromUtf8(Output)).split('\f');
    if (!LayoutPages.isEmpty() && LayoutPages.last().trimmed().isEmpty())
        LayoutPages.removeLast();
    return true;
}

bool TPdfText::ReadWords(const QString& FileName)
{
    QByteArray Output;
    if (!RunPdfToText({"-bbox", "-enc", "UTF-8", FileName, "-"}, Output, FError))
        return false;
    QXmlStreamReader Xml(Output);
    while (!Xml.atEnd()) {
        if (Xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (Xml.name() == u"page") {
            Words.append(QList<TPdfWord>());
        } else if (Xml.name() == u"word" && !Words.isEmpty()) {
            const auto Attributes = Xml.attributes();
            TPdfWord Word;
            Word.XMin = Attributes.value("xMin").toDouble();
            Word.YMin = Attributes.value("yMin").toDouble();
            Word.XMax = Attributes.value("xMax").toDouble();
            Word.YMax = Attributes.value("yMax").toDouble();
            Word.Text = WithoutLigatures(Xml.readElementText());
            Words.last().append(Word);
        }
    }
    if (Xml.hasError()) {
        FError = "unreadable pdftotext -bbox output: " + Xml.errorString();
        return false;
    }
    return true;
}

QStringList TPdfText::Lines(int Page) const
{
    QStringList Result;
    if (Page < 1 || Page > LayoutPages.size())
        return Result;
    for (const QString& Line : LayoutPages.at(Page - 1).split('\n'))
        if (!Line.trimmed().isEmpty())
            Result.append(Line);
    return Result;
}

QList<TPdfWord> TPdfText::PageWords(int Page) const
{
    if (Page < 1 || Page > Words.size())
        return {};
    return Words.at(Page - 1);
}

TPdfWord TPdfText::Find(int Page, const QString& Text) const
{
    for (const TPdfWord& Word : PageWords(Page))
        if (Word.Text == Text)
            return Word;
    return {};
}
