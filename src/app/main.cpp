// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the application, the main window and the command line.
#include "app/frmmain.h"
#include "app/memorantapplication.h"

int main(int argc, char* argv[])
{
    TMemorantApplication Application(argc, argv);
    TfrmMain frmMain;
    frmMain.SetCommandLine(Application.ProgramArguments());
    frmMain.show();
    return QApplication::exec();
}
