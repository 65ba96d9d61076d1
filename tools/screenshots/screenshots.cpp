// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the registered pictures of the main window offscreen.
#include "screenshots.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>
#include <vector>

#include "app/frmmain.h"
#include "app/memorantapplication.h"

namespace {

struct TEntry {
    const char* FileName;
    const char* Caption;
    TScreenshot::TPrepare Prepare;
};

std::vector<TEntry>& Registry()
{
    static std::vector<TEntry> Pictures;
    return Pictures;
}

bool Render(const TEntry& Picture, const QDir& Folder)
{
    TfrmMain Window;
    Window.SetCommandLine({ExampleTable()});
    Window.show();
    if (!QTest::qWaitForWindowExposed(&Window) || !QTest::qWaitFor([&] { return !Window.FirstActivation; }))
        return false;
    QWidget* Target = Picture.Prepare(Window);
    QApplication::processEvents();
    const QPixmap Image = (Target ? Target : &Window)->grab();
    const QString Path = Folder.filePath(QString::fromLatin1(Picture.FileName));
    if (!Image.save(Path))
        return false;
    std::printf("%s  %s\n", qPrintable(Path), Picture.Caption);
    return true;
}

} // namespace

TScreenshot::TScreenshot(const char* FileName, const char* Caption, TPrepare Prepare)
{
    Registry().push_back({FileName, Caption, std::move(Prepare)});
}

QString ExampleTable() { return QStringLiteral(MEMORANT_EXAMPLES_DIR "/engels.MT4"); }

void TypeKey(TfrmMain& Window, int Key, Qt::KeyboardModifiers Modifiers)
{
    QTest::keyClick(&Window, static_cast<Qt::Key>(Key), Modifiers);
}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TMemorantApplication Application(argc, argv);
    const QDir Folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
    if (!Folder.exists() && !QDir().mkpath(Folder.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(Folder.path()));
        return 1;
    }
    for (const TEntry& Picture : Registry()) {
        if (!Render(Picture, Folder)) {
            std::fprintf(stderr, "could not render %s\n", Picture.FileName);
            return 1;
        }
    }
    return 0;
}
