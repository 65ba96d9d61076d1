// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the application, the main window and the command line.
#include <QTextStream>
#include <memory>

#include "app/frmmain.h"
#include "app/tablelanguages.h"
#include "app/memorantapplication.h"
#include "app/speechcommands.h"
#include "speech/qtspeechengine.h"

namespace {

// "--speech-engines": the speech synthesisers the program finds, one a line;
// fails when there is none. For checking an installation.
int ListSpeechEngines()
{
    const QStringList Engines = TQtSpeechEngine::EngineNames();
    QTextStream Out(stdout);
    for (const QString& Engine : Engines)
        Out << Engine << '\n';
    return Engines.isEmpty() ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    TMemorantApplication Application(argc, argv);
    if (Application.ProgramArguments().contains(QStringLiteral("--speech-engines")))
        return ListSpeechEngines();
    TfrmMain frmMain;
    frmMain.Speech->UseEngine(std::make_unique<TQtSpeechEngine>());
    frmMain.Speech->UseKeeper(*frmMain.SpokenLanguages);
    frmMain.SetCommandLine(Application.ProgramArguments());
    frmMain.show();
    return QApplication::exec();
}
