// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a CSV or TSV file, writes the entries as CSV and
// reads them again: the same entries.
#include "formats/csvfile.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const QString Name = QStringLiteral("fuzz.csv");
    TImportedTable Table;
    try {
        Table = TCsvFile::Parse(Input(Data, Size), Name);
    } catch (const EListReadError&) {
        return 0;
    }
    const TImportedTable Again = TCsvFile::Parse(TCsvFile::Written(Table.Entries), Name);
    Check(SameEntries(Again.Entries, Table.Entries));
    return 0;
}
