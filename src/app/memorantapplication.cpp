// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/memorantapplication.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

static void InitIconResources() { Q_INIT_RESOURCE(memorant); }

namespace {

// What Qt is given of the command line: the program's name alone. Qt keeps
// references to both for the life of the application object.
struct TQtCommandLine {
    int Argc = 1;
    char* Argv[2] = {nullptr, nullptr};
};

TQtCommandLine& QtCommandLine(int Argc, char** Argv)
{
    static char FallbackName[] = "memorant";
    static TQtCommandLine Line;
    Line.Argv[0] = Argc > 0 && Argv[0] ? Argv[0] : FallbackName;
    return Line;
}

QStringList ArgumentsAfterName(int Argc, char** Argv)
{
    QStringList Arguments;
    for (int i = 1; i < Argc; ++i)
        Arguments << QString::fromLocal8Bit(Argv[i]);
    return Arguments;
}

QIcon ProgramIcon()
{
    InitIconResources();
    QIcon Icon;
    for (const int Size : {16, 32, 48, 64, 128, 256})
        Icon.addFile(QStringLiteral(":/memorant/icons/memorant-%1.png").arg(Size), QSize(Size, Size));
    return Icon;
}

} // namespace

QStringList QtTranslationFolders()
{
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
}

bool LoadQtTranslations(QCoreApplication& Application, const QStringList& Folders)
{
    auto* Translator = new QTranslator(&Application);
    const QLocale Dutch(QLocale::Dutch, QLocale::Netherlands);
    for (const QString& Folder : Folders) {
        if (Translator->load(Dutch, QStringLiteral("qtbase"), QStringLiteral("_"), Folder)) {
            Application.installTranslator(Translator);
            return true;
        }
    }
    delete Translator;
    return false;
}

TMemorantApplication::TMemorantApplication(int& Argc, char** Argv)
    : QApplication(QtCommandLine(Argc, Argv).Argc, QtCommandLine(Argc, Argv).Argv),
      Arguments(ArgumentsAfterName(Argc, Argv))
{
    // The name goes into message boxes only: a display name would be added
    // to every window title.
    setApplicationName(QString::fromLatin1(ProgramTitle));
    setDesktopFileName(QStringLiteral("nl.memorant.Memorant"));
    setWindowIcon(ProgramIcon());
    LoadQtTranslations(*this, QtTranslationFolders());
}

bool TMemorantApplication::notify(QObject* Receiver, QEvent* Event)
{
    try {
        return QApplication::notify(Receiver, Event);
    } catch (...) {
        ShowCurrentException();
    }
    return false;
}
