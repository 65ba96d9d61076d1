// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the registered pictures of the main window offscreen.
#include "screenshots.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <algorithm>
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

// memorant_screenshots [FOLDER [PICTURE...]]: all pictures, or the ones
// named. With QT_SCALE_FACTOR=2 they come out at twice the size, as on a
// high-density screen.
int main(int argc, char* argv[])
{
    // Offscreen always; its options (a screen of another size) may be given.
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QStringLiteral("offscreen")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TMemorantApplication Application(argc, argv);
    const QStringList Arguments = Application.ProgramArguments();
    const QDir Folder(Arguments.isEmpty() ? QStringLiteral("docs/screenshots") : Arguments.constFirst());
    const QStringList Only = Arguments.mid(1);
    if (!Folder.exists() && !QDir().mkpath(Folder.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(Folder.path()));
        return 1;
    }
    for (const QString& Name : Only) {
        if (std::none_of(Registry().cbegin(), Registry().cend(),
                         [&Name](const TEntry& Picture) { return Name == QLatin1String(Picture.FileName); })) {
            std::fprintf(stderr, "no picture %s\n", qPrintable(Name));
            return 1;
        }
    }
    for (const TEntry& Picture : Registry()) {
        if (!Only.isEmpty() && !Only.contains(QLatin1String(Picture.FileName)))
            continue;
        if (!Render(Picture, Folder)) {
            std::fprintf(stderr, "could not render %s\n", Picture.FileName);
            return 1;
        }
    }
    return 0;
}
