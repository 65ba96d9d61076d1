// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/windowsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>

#include "ui/errordisplay.h"

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

TWindowSettings::TWindowSettings()
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

TSettingsValues TWindowSettings::LoadSettings() const
{
    TSettingsValues Values;
    Values.Reverse = Settings->ReadBool(Options, "Reverse", false);
    Values.RepeatErrors = Settings->ReadBool(Options, "RepeatErrors", false);
    Values.Tolerant = Settings->ReadBool(Options, "Tolerant", false);
    Values.IntelliMC = Settings->ReadBool(Options, "IntelliMC", false);
    Values.Sequential = Settings->ReadBool(Options, "Sequential", false);
    if (!Settings->ReadString(Options, "MemoryOrder", "").empty())
        Values.MemoryOrder = Settings->ReadBool(Options, "MemoryOrder", false);
    Values.AutoSpeak = Settings->ReadBool(Options, "AutoSpeak", false);

    const int Height = Settings->ReadInteger(Form, "Height", DefaultHeight);
    const int Width = Settings->ReadInteger(Form, "Width", DefaultWidth);
    const int Left = Settings->ReadInteger(Form, "Left", DefaultLeft);
    const int Top = Settings->ReadInteger(Form, "Top", DefaultTop);
    Values.Screen = QString::fromStdString(Settings->ReadString(Form, "Screen", ""));
    Values.Bounds = VisibleBounds(BoundsOnScreen(QRect(Left, Top, Width, Height), Values.Screen));
    switch (Settings->ReadInteger(Form, "State", wsNormal)) {
    case wsMinimized: Values.WindowState = Qt::WindowMinimized; break;
    case wsMaximized: Values.WindowState = Qt::WindowMaximized; break;
    default: Values.WindowState = Qt::WindowNoState; break;
    }

    Values.Toolbar = Settings->ReadBool(View, "Toolbar", true);
    Values.Statusbar = Settings->ReadBool(View, "Statusbar", true);
    Values.HelpBalloons = Settings->ReadBool(View, "HelpBalloons", true);
    return Values;
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

QRect TWindowSettings::BoundsOnScreen(const QRect& Bounds, const QString& ScreenName)
{
    if (ScreenName.isEmpty())
        return Bounds;
    const QScreen* Home = QGuiApplication::primaryScreen();
    for (QScreen* Screen : QGuiApplication::screens())
        if (Screen->name() == ScreenName)
            Home = Screen;
    if (!Home)
        return Bounds;
    const QRect Area = Home->availableGeometry();
    if (EnoughOnScreen(Bounds, Area))
        return Bounds;
    return {Area.topLeft() + QPoint(DefaultLeft, DefaultTop), Bounds.size()};
}

void TWindowSettings::SaveSettings(const TSettingsValues& Values, QWidget& Owner)
{
    try {
        MakeFolder();
        SaveAll(Values);
    } catch (const EIniWriteError&) {
        // No reason to keep the program open; the user learns why the next
        // start will not look like this one.
        QMessageBox Box(QMessageBox::Warning, QString::fromLatin1(ProgramTitle),
                        QStringLiteral("De instellingen konden niet worden bewaard in %1.")
                            .arg(QDir::toNativeSeparators(FileName())),
                        QMessageBox::Ok, &Owner);
        Box.setObjectName(QStringLiteral("SettingsNotKept"));
        Box.exec();
    }
}

void TWindowSettings::SaveAll(const TSettingsValues& Values)
{
    Settings->WriteBool(Options, "Reverse", Values.Reverse);
    Settings->WriteBool(Options, "RepeatErrors", Values.RepeatErrors);
    Settings->WriteBool(Options, "Tolerant", Values.Tolerant);
    Settings->WriteBool(Options, "IntelliMC", Values.IntelliMC);
    Settings->WriteBool(Options, "Sequential", Values.Sequential);
    if (Values.MemoryOrder)
        Settings->WriteBool(Options, "MemoryOrder", *Values.MemoryOrder);
    // Written once it was switched on: a file from before speech stays as it was.
    if (Values.AutoSpeak != Settings->ReadBool(Options, "AutoSpeak", false))
        Settings->WriteBool(Options, "AutoSpeak", Values.AutoSpeak);

    Settings->WriteInteger(Form, "Height", Values.Bounds.height());
    Settings->WriteInteger(Form, "Width", Values.Bounds.width());
    Settings->WriteInteger(Form, "Left", Values.Bounds.left());
    Settings->WriteInteger(Form, "Top", Values.Bounds.top());
    Settings->WriteInteger(Form, "State", Values.WindowState == Qt::WindowMinimized   ? wsMinimized
                                          : Values.WindowState == Qt::WindowMaximized ? wsMaximized
                                                                                      : wsNormal);
    if (!Values.Screen.isEmpty())
        Settings->WriteString(Form, "Screen", Values.Screen.toStdString());

    Settings->WriteBool(View, "Toolbar", Values.Toolbar);
    Settings->WriteBool(View, "Statusbar", Values.Statusbar);
    Settings->WriteBool(View, "HelpBalloons", Values.HelpBalloons);
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
