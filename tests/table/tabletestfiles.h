// SPDX-License-Identifier: GPL-3.0-or-later
// Scratch folders, whole-file helpers and table readers for the table tests.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "table/questionlist.h"

// A fresh folder below the system's temporary folder, removed with its
// content when the object goes.
class TScratchFolder {
public:
    TScratchFolder()
    {
        std::string Template = (std::filesystem::temp_directory_path() / "memorant-XXXXXX").string();
        if (::mkdtemp(Template.data()) == nullptr)
            throw std::runtime_error("cannot make a scratch folder");
        Path = Template;
    }
    ~TScratchFolder()
    {
        std::error_code Ignored;
        std::filesystem::remove_all(Path, Ignored);
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    [[nodiscard]] std::string File(const std::string& Name) const { return (Path / Name).string(); }

    // Names of everything in the folder, sorted.
    [[nodiscard]] std::vector<std::string> Names() const
    {
        std::vector<std::string> Result;
        for (const auto& Item : std::filesystem::directory_iterator(Path))
            Result.push_back(Item.path().filename().string());
        std::sort(Result.begin(), Result.end());
        return Result;
    }

    std::filesystem::path Path;
};

inline void WriteBytes(const std::string& FileName, const std::string& Bytes)
{
    std::ofstream Out(FileName, std::ios::binary | std::ios::trunc);
    Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    if (!Out)
        throw std::runtime_error("cannot write " + FileName);
}

inline std::string ReadBytes(const std::string& FileName)
{
    std::ifstream In(FileName, std::ios::binary);
    std::string Bytes(In ? std::filesystem::file_size(FileName) : 0, '\0');
    if (!In || !In.read(Bytes.data(), static_cast<std::streamsize>(Bytes.size())))
        throw std::runtime_error("cannot read " + FileName);
    return Bytes;
}

using TPairs = std::vector<std::pair<std::string, std::string>>;

// The stored texts of every entry.
inline TPairs EntriesOf(const TQuestionlist& Table)
{
    TPairs Result;
    for (int i = 0; i < Table.Count(); ++i)
        Result.emplace_back(Table.StoredQuestion(i), Table.StoredAnswer(i));
    return Result;
}

// Reads Bytes as a file called Name into a new table.
inline TQuestionlist LoadBytes(const std::string& Bytes, const std::string& Name = "t.MT4")
{
    TScratchFolder Folder;
    WriteBytes(Folder.File(Name), Bytes);
    TQuestionlist Table;
    Table.LoadFromFile(Folder.File(Name));
    return Table;
}
