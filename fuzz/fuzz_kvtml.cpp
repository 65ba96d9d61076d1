// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a KVTML word list. What is read is written as a
// new file and read again: the same entries. Written back over itself
// unchanged it gives the same bytes; with one text changed, one entry
// deleted and one added, it reads back as the changed table.
#include "formats/kvtmlfile.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const QString Name = QStringLiteral("fuzz.kvtml");
    TImportedTable Table;
    try {
        Table = TKvtmlFile::Parse(Input(Data, Size), Name);
    } catch (const EListReadError&) {
        return 0;
    }
    for (const TImportedEntry& Entry : Table.Entries)
        Check(Entry.Question.size() <= TKvtmlFile::MaxTextChars && Entry.Answer.size() <= TKvtmlFile::MaxTextChars);

    // A word list without words is refused on reading; the table writes none.
    if (!Table.Entries.empty()) {
        const TImportedTable Again = TKvtmlFile::Parse(TKvtmlFile::Written(Table.Entries, Name), Name);
        Check(SameEntries(Again.Entries, Table.Entries));
    }

    TKvtmlSource& Source = *Table.Kvtml;
    for (TKvtmlSource::TEntry& Entry : Source.Entries)
        if (Entry.Imported >= 0) {
            Entry.InTable = true;
            Entry.Shown = Table.Entries[static_cast<std::size_t>(Entry.Imported)];
        }
    Check(TKvtmlFile::Rewritten(Source, Table.Entries, Name).Bytes == Input(Data, Size));

    TImportedEntries Changed = Table.Entries;
    if (!Changed.empty() && Changed[0].Question.size() < TKvtmlFile::MaxTextChars)
        Changed[0].Question += QStringLiteral("!\r&é");
    if (Changed.size() >= 3)
        Changed.erase(Changed.begin() + 1);
    Changed.push_back({QStringLiteral("nieuw <vraag>"), QStringLiteral("new \u0416")});
    const TKvtmlSave Saved = TKvtmlFile::Rewritten(Source, Changed, Name);
    Check(SameEntries(TKvtmlFile::Parse(Saved.Bytes, Name).Entries, Changed));
    return 0;
}
