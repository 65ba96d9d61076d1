// SPDX-License-Identifier: GPL-3.0-or-later
// The memory's database reader on any file: either the input's bytes as the
// whole file, or a well-formed database whose rows hold any values. Reading
// never crashes, and what it gives as a memory is a valid state.
#include <sqlite3.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "memory/memorystore.h"

namespace {

std::string Folder()
{
    static const std::string Made = [] {
        std::string Pattern = (std::filesystem::temp_directory_path() / "fuzz-memorystore-XXXXXX").string();
        return std::string(::mkdtemp(Pattern.data()));
    }();
    return Made;
}

void BindAny(sqlite3_stmt* Insert, int Column, const std::uint8_t*& Data, std::size_t& Size)
{
    if (Size == 0) {
        sqlite3_bind_null(Insert, Column);
        return;
    }
    const std::uint8_t Kind = *Data++;
    --Size;
    std::int64_t Bits = 0;
    const std::size_t Used = Size < 8 ? Size : 8;
    std::memcpy(&Bits, Data, Used);
    Data += Used;
    Size -= Used;
    double Real = 0;
    std::memcpy(&Real, &Bits, sizeof Real);
    switch (Kind % 4) {
    case 0:
        sqlite3_bind_int64(Insert, Column, Bits);
        break;
    case 1:
        sqlite3_bind_double(Insert, Column, Real);
        break;
    case 2:
        sqlite3_bind_blob(Insert, Column, &Bits, static_cast<int>(Used), SQLITE_TRANSIENT);
        break;
    default:
        sqlite3_bind_null(Insert, Column);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string Name = Folder() + "/geheugen.sqlite";
    std::error_code Error;
    for (const auto& Item : std::filesystem::directory_iterator(Folder(), Error))
        std::filesystem::remove(Item.path(), Error);
    std::vector<TFactKey> Keys;
    if (Size > 0 && Data[0] % 2 == 0) {
        std::ofstream(Name, std::ios::binary).write(reinterpret_cast<const char*>(Data + 1),
                                                     static_cast<std::streamsize>(Size - 1));
        Keys = {0, 1, -1};
    } else {
        {
            TMemoryStore Make(Name);
            Make.FactCount();
        }
        sqlite3* Db = nullptr;
        sqlite3_open(Name.c_str(), &Db);
        sqlite3_stmt* Insert = nullptr;
        sqlite3_prepare_v2(Db, "INSERT INTO fact VALUES(?,?,?,?,?)", -1, &Insert, nullptr);
        if (Size > 0) {
            ++Data;
            --Size;
        }
        for (std::int64_t Row = 0; Size > 0 && Row < 64; ++Row) {
            sqlite3_bind_int64(Insert, 1, Row);
            for (int Column = 2; Column <= 5; ++Column)
                BindAny(Insert, Column, Data, Size);
            sqlite3_step(Insert);
            sqlite3_reset(Insert);
            Keys.push_back(Row);
        }
        sqlite3_finalize(Insert);
        sqlite3_close(Db);
    }
    TMemoryStore Store(Name, [](const std::string&) {});
    std::vector<std::optional<TFactRecord>> Facts;
    Store.Facts(Keys, Facts);
    for (const auto& Fact : Facts) {
        if (Fact && (!IsValidState(Fact->State) || Fact->Reviews < 1))
            std::abort();
    }
    (void)Store.Rounds("/tabel.MT4");
    (void)Store.TableValue("/tabel.MT4", "toetsdatum");
    return 0;
}
