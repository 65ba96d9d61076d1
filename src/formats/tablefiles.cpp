// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/tablefiles.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "formats/csvfile.h"
#include "formats/tablefilename.h"
#include "formats/kvtmlfile.h"
#include "formats/wintext.h"
#include "formats/notesfile.h"
#include "formats/tableexport.h"
#include "formats/utf8textfile.h"

namespace {

// UTF-16, with or without a byte order mark: a NUL byte in the first
// character of a text.
bool IsUtf16(const QByteArray& Bytes)
{
    return Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF")
           || (Bytes.size() >= 2 && (Bytes.at(0) == 0) != (Bytes.at(1) == 0));
}

// The texts the table shows for the entries of a KVTML file it took, from
// the first entry added on.
void NoteShownTexts(const TQuestionlist& List, int First, const TImportReport& Report, TKvtmlSource& Source)
{
    std::vector<int> ByImported;
    for (int i = 0; i < static_cast<int>(Source.Entries.size()); ++i)
        if (const int Imported = Source.Entries[i].Imported; Imported >= 0) {
            if (ByImported.size() <= static_cast<std::size_t>(Imported))
                ByImported.resize(static_cast<std::size_t>(Imported) + 1, -1);
            ByImported[static_cast<std::size_t>(Imported)] = i;
        }
    for (std::size_t k = 0; k < Report.AddedFrom.size(); ++k) {
        const std::size_t Imported = Report.AddedFrom[k];
        if (Imported >= ByImported.size() || ByImported[Imported] < 0)
            continue;
        TKvtmlSource::TEntry& Entry = Source.Entries[static_cast<std::size_t>(ByImported[Imported])];
        const int Row = First + static_cast<int>(k);
        Entry.InTable = true;
        Entry.Shown = {ColumnToQt(List.StoredQuestion(Row), List.QuestionFont.Charset),
                       ColumnToQt(List.StoredAnswer(Row), List.AnswerFont.Charset)};
    }
}

const QString NoEntries = QStringLiteral("Het bestand bevat geen vragen en antwoorden.");

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
bool IsBareNotes(QByteArrayView Text)
{
    const qsizetype LineEnd = Text.indexOf('\n');
    return !Text.contains('=') && Text.first(LineEnd < 0 ? Text.size() : LineEnd).contains('\t');
}

TTableFormat FormatOfText(const QByteArray& Bytes, const QString& FileName)
{
    if (IsUtf16(Bytes))
        (void)CheckedUtf8Body(Bytes, FileName); // says that it is UTF-16
    const QByteArrayView Body = Bytes.startsWith("\xEF\xBB\xBF") ? QByteArrayView(Bytes).sliced(3) : QByteArrayView(Bytes);
    if (Body.startsWith("#separator:") || Body.startsWith("#html:"))
        return TTableFormat::Notes;
    const bool Utf8 = TUtf8TextFile::IsUtf8Text(Bytes);
    const bool Ascii = !Utf8 && QUtf8StringView(Bytes).isValidUtf8()
                       && std::none_of(Bytes.begin(), Bytes.end(), [](char C) { return C == 0; });
    if (!Utf8 && !Ascii)
        return TTableFormat::Table;
    if (IsBareNotes(Body))
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
        QByteArray Bytes = ReadWholeFile(FileName);
        Result.Format = FormatOfText(Bytes, FileName);
        Result.Bom = Bytes.startsWith("\xEF\xBB\xBF");
        if (Result.Format == TTableFormat::Notes) {
            const QString Text = DecodeUtf8File(Bytes, FileName);
            Bytes = QByteArray(); // the text is all that is needed
            Table = TNotesFile::Parse(Text, FileName);
        } else if (Result.Format == TTableFormat::Utf8Text)
            Table = TUtf8TextFile::Parse(Bytes, FileName);
    }
    if (Result.Format == TTableFormat::Table) {
        const int Before = List.Count();
        List.LoadFromFile(TableFileName(FileName));
        if (IsTextSuffix(Extension) && List.Count() == Before)
            Result.Report.Notices << NoEntries;
        return Result;
    }
    const bool WasEmpty = List.Count() == 0;
    const int First = List.Count();
    Result.Report = TTableImport::AddTo(List, std::move(Table));
    Result.Languages = Table.Languages;
    if (Result.Report.AddedFrom.empty() && Result.Format != TTableFormat::Kvtml)
        Result.Report.Notices << NoEntries;
    if (Table.Kvtml) {
        NoteShownTexts(List, First, Result.Report, *Table.Kvtml);
        Result.Kvtml = Table.Kvtml;
    }
    // A table whose texts changed on the way in is not the file any more:
    // a save must ask where it goes.
    const bool KeepsName = Result.Format == TTableFormat::Utf8Text && WasEmpty && !Result.Report.TextsChanged();
    List.ListName = KeepsName ? TableFileName(FileName) : std::string();
    return Result;
}

void TTableFiles::Save(TQuestionlist& List, const QString& FileName, TTableFormat Format, bool Bom,
                       std::shared_ptr<const TKvtmlSource>* Kvtml)
{
    const QString Extension = Suffix(FileName);
    const TKvtmlSource* Source = Kvtml ? Kvtml->get() : nullptr;
    if (Extension == u"kvtml" && Source && QFileInfo(FileName) == QFileInfo(Source->FileName)) {
        TKvtmlSave Saved = TKvtmlFile::Rewritten(*Source, ExportedEntries(List), FileName);
        SaveTableBytes(List, FileName, Saved.Bytes);
        if (List.Count() > 0)
            *Kvtml = std::move(Saved.Source);
    } else if (Extension == u"kvtml")
        SaveTableBytes(List, FileName,
                       TKvtmlFile::Written(ExportedEntries(List), QFileInfo(FileName).completeBaseName(),
                                           Source ? TKvtmlFile::TableLanguages(*Source) : std::vector<TKvtmlLanguage>{}));
    else if (Extension == u"csv")
        SaveTableBytes(List, FileName, TCsvFile::Written(ExportedEntries(List)));
    else if (Format == TTableFormat::Utf8Text)
        SaveTableBytes(List, FileName, TUtf8TextFile::Written(List, Bom));
    else
        List.SaveToFile(TableFileName(FileName));
}
