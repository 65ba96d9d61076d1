// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a table file under each extension, writes the
// table back and reads it again: the entries must survive unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "table/questionlist.h"

namespace {

std::string ScratchFolder();

void RemoveScratchFolder()
{
    const std::string Folder = ScratchFolder();
    for (const char* Name : {"/in.MT4", "/in.mt", "/in.txt", "/out.MT4", "/out.mt", "/out.txt"})
        std::remove((Folder + Name).c_str());
    rmdir(Folder.c_str());
}

std::string ScratchFolder()
{
    // Kept alive for the exit handler that removes the folder.
    static const std::string* const Folder = new std::string([] {
        // Memory-backed when possible: every save syncs the file to disk.
        std::string Template = access("/dev/shm", W_OK) == 0 ? "/dev/shm/memorant-fuzz-XXXXXX"
                                                              : "/tmp/memorant-fuzz-XXXXXX";
        if (!mkdtemp(Template.data()))
            std::abort();
        std::atexit(RemoveScratchFolder);
        return Template;
    }());
    return *Folder;
}

void Check(bool Condition)
{
    if (!Condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    static const char* const Extensions[] = {".MT4", ".mt", ".txt"};
    const char* Extension = Extensions[Size > 0 ? Data[0] % 3 : 0];
    const std::string Input = ScratchFolder() + "/in" + Extension;
    const std::string Output = ScratchFolder() + "/out" + Extension;
    {
        std::ofstream File(Input, std::ios::binary | std::ios::trunc);
        File.write(reinterpret_cast<const char*>(Data), static_cast<std::streamsize>(Size));
    }

    TQuestionlist Table;
    Table.LoadFromFile(Input);
    for (int i = 0; i < Table.Count(); ++i) {
        Check(!Table.Question(i).empty() && Table.Question(i).size() <= MaxTextLength);
        Check(!Table.Answer(i).empty() && Table.Answer(i).size() <= MaxTextLength);
        Check(Table.Question(i).find('=') == std::string::npos);
    }

    Table.WriteToFile(Output, 0);
    TQuestionlist Again;
    Again.LoadFromFile(Output);
    Check(Again.Count() == Table.Count());
    for (int i = 0; i < Table.Count(); ++i) {
        Check(Again.Question(i) == Table.Question(i));
        Check(Again.Answer(i) == Table.Answer(i));
    }
    // A font line is cut at the text limit like any line; only fonts whose
    // names leave room for size and character set come back whole.
    // Fonts that are both plain Arial 9 get no font line, and come back with
    // the character set of a new table.
    auto Fits = [](const TTableFont& Font) { return Font.Name.size() < 100; };
    auto Plain = [](const TTableFont& Font) { return Font.Name == "Arial" && Font.Size == 9 && Font.Charset == 0; };
    const bool Written = !(Plain(Table.QuestionFont) && Plain(Table.AnswerFont));
    if (Written && Fits(Table.QuestionFont) && Fits(Table.AnswerFont)) {
        Check(Again.QuestionFont.Name == Table.QuestionFont.Name);
        Check(Again.AnswerFont.Charset == Table.AnswerFont.Charset);
    }
    return 0;
}
