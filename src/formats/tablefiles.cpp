// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/tablefiles.h"

#include <QFileInfo>
#include <algorithm>

#include "formats/csvfile.h"
#include "formats/tablefilename.h"
#include "formats/kvtmlfile.h"
#include "formats/notesfile.h"
#include "formats/tableexport.h"
#include "formats/utf8textfile.h"

namespace {

QString Suffix(const QString& FileName)
{
    return QFileInfo(FileName).suffix().toLower();
}

bool IsTextSuffix(const QString& Suffix)
{
    return Suffix == u"txt" || Suffix == u"asc";
}

// A text file without a single "=" whose first line holds a tab is a notes
// export without header lines; as a table file it would give nothing.
bool IsBareNotes(const QString& Text)
{
    const qsizetype LineEnd = Text.indexOf(u'\n');
    return !Text.contains(u'=') && Text.first(LineEnd < 0 ? Text.size() : LineEnd).contains(u'\t');
}

TTableFormat FormatOfText(const QByteArray& Bytes, QString& Text, const QString& FileName)
{
    const QByteArrayView Body = Bytes.startsWith("\xEF\xBB\xBF") ? QByteArrayView(Bytes).sliced(3) : QByteArrayView(Bytes);
    if (Body.startsWith("#separator:") || Body.startsWith("#html:")) {
        Text = DecodeUtf8File(Bytes, FileName);
        return TTableFormat::Notes;
    }
    const bool Utf8 = TUtf8TextFile::IsUtf8Text(Bytes);
    const bool Ascii = !Utf8 && QUtf8StringView(Bytes).isValidUtf8()
                       && std::none_of(Bytes.begin(), Bytes.end(), [](char C) { return C == 0; });
    if (!Utf8 && !Ascii)
        return TTableFormat::Table;
    Text = DecodeUtf8File(Bytes, FileName);
    if (TNotesFile::LooksLikeNotes(Text) || IsBareNotes(Text))
        return TTableFormat::Notes;
    return Utf8 ? TTableFormat::Utf8Text : TTableFormat::Table;
}

} // namespace

TLoadResult TTableFiles::Load(TQuestionlist& List, const QString& FileName)
{
    TLoadResult Result;
    const QString Extension = Suffix(FileName);
    TImportedTable Table;
    if (Extension == u"kvtml") {
        Result.Format = TTableFormat::Kvtml;
        Table = TKvtmlFile::Read(FileName);
    } else if (Extension == u"csv" || Extension == u"tsv") {
        Result.Format = TTableFormat::Csv;
        Table = TCsvFile::Read(FileName);
    } else if (IsTextSuffix(Extension) && QFileInfo(FileName).isFile()) {
        const QByteArray Bytes = ReadWholeFile(FileName);
        QString Text;
        Result.Format = FormatOfText(Bytes, Text, FileName);
        Result.Bom = Bytes.startsWith("\xEF\xBB\xBF");
        if (Result.Format == TTableFormat::Notes)
            Table = TNotesFile::Parse(Text, FileName);
        else if (Result.Format == TTableFormat::Utf8Text)
            Table = TUtf8TextFile::Parse(Text);
    }
    if (Result.Format == TTableFormat::Table) {
        List.LoadFromFile(TableFileName(FileName));
        return Result;
    }
    const bool WasEmpty = List.Count() == 0;
    Result.Report = TTableImport::AddTo(List, Table);
    Result.Languages = Table.Languages;
    const bool KeepsName = Result.Format == TTableFormat::Utf8Text && WasEmpty;
    List.ListName = KeepsName ? TableFileName(FileName) : std::string();
    return Result;
}

void TTableFiles::Save(TQuestionlist& List, const QString& FileName, TTableFormat Format, bool Bom)
{
    const QString Extension = Suffix(FileName);
    if (Extension == u"kvtml")
        SaveTableBytes(List, FileName, TKvtmlFile::Written(ExportedEntries(List), QFileInfo(FileName).completeBaseName()));
    else if (Extension == u"csv")
        SaveTableBytes(List, FileName, TCsvFile::Written(ExportedEntries(List)));
    else if (Format == TTableFormat::Utf8Text)
        SaveTableBytes(List, FileName, TUtf8TextFile::Written(List, Bom));
    else
        List.SaveToFile(TableFileName(FileName));
}
