// SPDX-License-Identifier: GPL-3.0-or-later
// Placeholder until the main window exists: loads the tables named on the
// command line and prints their entries.
#include <cstdio>
#include <exception>

#include "table/questionlist.h"

int main(int argc, char* argv[])
{
    TQuestionlist Table;
    try {
        for (int i = 1; i < argc; ++i)
            Table.LoadFromFile(argv[i]);
    } catch (const std::exception& Error) {
        std::fprintf(stderr, "%s\n", Error.what());
        return 1;
    }
    for (int i = 0; i < Table.Count(); ++i)
        std::printf("%s = %s\n", Table.Question(i).c_str(), Table.Answer(i).c_str());
    return 0;
}
