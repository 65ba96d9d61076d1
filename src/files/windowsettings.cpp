// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/windowsettings.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>

#include "app/frmmain.h"
#include "app/memorantapplication.h"
#include "app/quizoptions.h"
#include "app/speechcommands.h"

namespace {

// Keys of the settings file and their defaults.
constexpr const char* Options = "Options";
constexpr const char* Form = "Form";
constexpr const char* View = "View";
constexpr const char* Paths = "Paths";
constexpr int DefaultHeight = 450;
constexpr int DefaultWidth = 571;
constexpr int DefaultLeft = 60;
constexpr int DefaultTop = 60;

enum WindowStateValue { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

// How much of a window must lie on a screen to count as visible: enough of
// its top to take hold of it.
constexpr int MinVisibleWidth = 100;
constexpr int MinVisibleHeight = 30;

bool EnoughOnScreen(const QRect& Bounds, const QRect& Screen)
{
    const QRect Part = Bounds.intersected(Screen);
    return Part.width() >= std::min(MinVisibleWidth, Bounds.width())
        && Part.height() >= std::min(MinVisibleHeight, Bounds.height());
}

QString IniBeside(const QString& ProgramFile)
{
    const QFileInfo Program(ProgramFile);
    const QString Name = Program.fileName();
    const qsizetype Dot = Name.lastIndexOf(u'.');
    return Program.absolutePath() + u'/' + (Dot > 0 ? Name.left(Dot) : Name) + QStringLiteral(".ini");
}

bool IsWritableFolder(const QString& Folder)
{
    const QFileInfo Info(Folder);
    return Info.isDir() && Info.isWritable();
}

// An installed program has its data in <prefix>/share/memorant beside
// <prefix>/bin; its folder is the system's, whoever may write there.
bool IsInstalled(const QString& ProgramFolder)
{
    return QFileInfo(ProgramFolder + QStringLiteral("/../share/memorant")).isDir();
}

} // namespace

TWindowSettings::TWindowSettings(TfrmMain& Main) : Main(Main)
{
    SetFileName(ChooseFileName(QCoreApplication::applicationFilePath(), UserConfigHome()));
}

QString TWindowSettings::DefaultFileName() { return IniBeside(QCoreApplication::applicationFilePath()); }

QString TWindowSettings::UserFileName(const QString& ConfigHome)
{
    return QDir::cleanPath(ConfigHome + QStringLiteral("/memorant/memorant.ini"));
}

QString TWindowSettings::UserConfigHome()
{
    const QString Home = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return Home.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : Home;
}

QString TWindowSettings::ChooseFileName(const QString& ProgramFile, const QString& ConfigHome)
{
    const QString Beside = IniBeside(ProgramFile);
    const QString ProgramFolder = QFileInfo(ProgramFile).absolutePath();
    if (IsInstalled(ProgramFolder))
        return UserFileName(ConfigHome);
    const QFileInfo BesideInfo(Beside);
    if ((BesideInfo.isFile() && BesideInfo.isWritable()) || IsWritableFolder(ProgramFolder))
        return Beside;
    return UserFileName(ConfigHome);
}

void TWindowSettings::SetFileName(const QString& FileName)
{
    Settings = std::make_unique<TIniFile>(QFile::encodeName(FileName).toStdString());
}

QString TWindowSettings::FileName() const
{
    return QFile::decodeName(QByteArray::fromStdString(Settings->FileName()));
}

QString TWindowSettings::DefaultTableFolder(const QString& ProgramFolder)
{
    QString Folder = ProgramFolder;
    if (IsInstalled(Folder) || !IsWritableFolder(Folder)) {
        Folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (Folder.isEmpty() || !QFileInfo(Folder).isDir())
            Folder = QDir::homePath();
    }
    return QDir::toNativeSeparators(Folder + u'/');
}

// The configuration folder is made at the first write, so that a program
// that is never closed leaves nothing behind.
void TWindowSettings::MakeFolder() const { QDir().mkpath(QFileInfo(FileName()).absolutePath()); }

void TWindowSettings::LoadSettings()
{
    LoadOptions();
    LoadBounds();
    LoadView();
}

// All options are off before this (no quiz runs yet), so each toggle switches
// its option on, with menu tick and tool button.
void TWindowSettings::LoadOptions()
{
    TQuizOptions& QuizOptions = *Main.QuizOptions;
    if (Settings->ReadBool(Options, "Reverse", false))
        QuizOptions.ToggleReverse();
    if (Settings->ReadBool(Options, "RepeatErrors", false))
        QuizOptions.ToggleRepeatErrors();
    if (Settings->ReadBool(Options, "Tolerant", false))
        QuizOptions.ToggleTolerant();
    Main.mnuIntelliMC->setChecked(Settings->ReadBool(Options, "IntelliMC", false));
    if (Settings->ReadBool(Options, "Sequential", false))
        QuizOptions.ToggleSequential();
    Main.Speech->mnuAutomatischUitspreken->setChecked(Settings->ReadBool(Options, "AutoSpeak", false));
}

void TWindowSettings::LoadBounds()
{
    const int Height = Settings->ReadInteger(Form, "Height", DefaultHeight);
    const int Width = Settings->ReadInteger(Form, "Width", DefaultWidth);
    const int Left = Settings->ReadInteger(Form, "Left", DefaultLeft);
    const int Top = Settings->ReadInteger(Form, "Top", DefaultTop);
    const QRect Bounds = VisibleBounds(QRect(Left, Top, Width, Height));
    Main.resize(Bounds.size());
    Main.move(Bounds.topLeft());
    switch (Settings->ReadInteger(Form, "State", wsNormal)) {
    case wsMinimized:
        Main.setWindowState(Qt::WindowMinimized);
        break;
    case wsMaximized:
        Main.setWindowState(Qt::WindowMaximized);
        break;
    default:
        Main.setWindowState(Qt::WindowNoState);
        break;
    }
}

void TWindowSettings::LoadView()
{
    Main.mnuKnoppenbalk->setChecked(Settings->ReadBool(View, "Toolbar", true));
    Main.mnuKnoppenbalkClick();
    Main.mnuStatusbalk->setChecked(Settings->ReadBool(View, "Statusbar", true));
    Main.mnuStatusbalkClick();
    Main.mnuHelpballonnetjes->setChecked(Settings->ReadBool(View, "HelpBalloons", true));
    Main.mnuHelpballonnetjesClick();
}

QRect TWindowSettings::VisibleBounds(const QRect& Bounds)
{
    const QScreen* Primary = QGuiApplication::primaryScreen();
    if (!Primary)
        return Bounds;
    QRect Result(Bounds.topLeft(), Bounds.size().expandedTo(QSize(1, 1)));
    const QScreen* Home = nullptr;
    for (const QScreen* Screen : QGuiApplication::screens())
        if (EnoughOnScreen(Result, Screen->availableGeometry()))
            Home = Screen;
    if (!Home) {
        Home = Primary;
        const QRect Area = Primary->availableGeometry();
        Result.moveTopLeft(Area.contains(QPoint(DefaultLeft, DefaultTop)) ? QPoint(DefaultLeft, DefaultTop)
                                                                           : Area.topLeft());
    }
    Result.setSize(Result.size().boundedTo(Home->availableGeometry().size()));
    return Result;
}

void TWindowSettings::SaveSettings()
{
    try {
        MakeFolder();
        SaveAll();
    } catch (const EIniWriteError&) {
        // No reason to keep the program open; the user learns why the next
        // start will not look like this one.
        QMessageBox Box(QMessageBox::Warning, QString::fromLatin1(ProgramTitle),
                        QStringLiteral("De instellingen konden niet worden bewaard in %1.")
                            .arg(QDir::toNativeSeparators(FileName())),
                        QMessageBox::Ok, &Main);
        Box.setObjectName(QStringLiteral("SettingsNotKept"));
        Box.exec();
    }
}

void TWindowSettings::SaveAll()
{
    Settings->WriteBool(Options, "Reverse", Main.mnuOmgekeerd->isChecked());
    Settings->WriteBool(Options, "RepeatErrors", Main.mnuRepeteren->isChecked());
    Settings->WriteBool(Options, "Tolerant", Main.mnuTolerant->isChecked());
    Settings->WriteBool(Options, "IntelliMC", Main.mnuIntelliMC->isChecked());
    Settings->WriteBool(Options, "Sequential", Main.mnuSequential->isChecked());
    // Written once it was switched on: a file from before speech stays as it was.
    if (const bool AutoSpeak = Main.Speech->mnuAutomatischUitspreken->isChecked();
        AutoSpeak != Settings->ReadBool(Options, "AutoSpeak", false))
        Settings->WriteBool(Options, "AutoSpeak", AutoSpeak);

    // A maximised or minimised window keeps the bounds it returns to.
    const bool Normal = !(Main.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    const QPoint FrameOffset = Main.geometry().topLeft() - Main.pos();
    const QRect Bounds = Normal || !Main.normalGeometry().isValid()
        ? QRect(Main.pos(), Main.size())
        : Main.normalGeometry().translated(-FrameOffset);
    Settings->WriteInteger(Form, "Height", Bounds.height());
    Settings->WriteInteger(Form, "Width", Bounds.width());
    Settings->WriteInteger(Form, "Left", Bounds.left());
    Settings->WriteInteger(Form, "Top", Bounds.top());
    Settings->WriteInteger(Form, "State", Main.isMinimized() ? wsMinimized : Main.isMaximized() ? wsMaximized : wsNormal);

    Settings->WriteBool(View, "Toolbar", Main.mnuKnoppenbalk->isChecked());
    Settings->WriteBool(View, "Statusbar", Main.mnuStatusbalk->isChecked());
    Settings->WriteBool(View, "HelpBalloons", Main.mnuHelpballonnetjes->isChecked());
}

QString TWindowSettings::ReadDir(const QString& Default) const
{
    const std::string Dir = Settings->ReadString(Paths, "Dir", QFile::encodeName(Default).toStdString());
    return QFile::decodeName(QByteArray::fromStdString(Dir));
}

void TWindowSettings::WriteDir(const QString& Folder)
{
    try {
        MakeFolder();
        Settings->WriteString(Paths, "Dir", QFile::encodeName(Folder).toStdString());
    } catch (const EIniWriteError&) {
        // The folder is a convenience; the command goes on without it.
    }
}
