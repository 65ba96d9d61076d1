// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filecommands.h"

#include "app/frmmain.h"

TFileCommands::TFileCommands(TfrmMain& Main) : QObject(&Main), Main(Main) {}

void TFileCommands::NewTable() {}
void TFileCommands::OpenTables() {}
void TFileCommands::SaveTable() {}
void TFileCommands::SaveTableAs() {}
bool TFileCommands::AskSaveChanges() { return true; }
bool TFileCommands::CanClose() { return true; }
void TFileCommands::SaveWrongAnswers() {}
