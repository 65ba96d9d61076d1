// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/recentfiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "files/inifile.h"
#include "ui/uistyle.h"

namespace {

constexpr const char* Paths = "Paths";

std::string KeyOf(int Number) { return "Recent" + std::to_string(Number); }

QString Normalised(const QString& FileName) { return QDir::cleanPath(QFileInfo(FileName).absoluteFilePath()); }

} // namespace

TRecentFiles::TRecentFiles(QMenu* Menu, QAction* Before, QWidget* Owner) : QObject(Menu), Owner(Owner)
{
    for (int Index = 0; Index < MaxFiles; ++Index) {
        auto* Item = new QAction(this);
        Item->setObjectName(QStringLiteral("mnuRecent%1").arg(Index + 1));
        Item->setVisible(false);
        connect(Item, &QAction::triggered, this, [this, Index] { Choose(Index); });
        Menu->insertAction(Before, Item);
        Items.append(Item);
    }
    Separator = Menu->insertSeparator(Before);
    Separator->setVisible(false);
}

void TRecentFiles::Add(const QString& FileName)
{
    const QString File = Normalised(FileName);
    List.removeAll(File);
    List.prepend(File);
    while (List.size() > MaxFiles)
        List.removeLast();
    ShowList();
}

void TRecentFiles::Remove(const QString& FileName)
{
    List.removeAll(Normalised(FileName));
    ShowList();
}

void TRecentFiles::Load(const TIniFile& Settings)
{
    List.clear();
    for (int Number = 1; Number <= MaxFiles; ++Number) {
        const QString File = QFile::decodeName(QByteArray::fromStdString(Settings.ReadString(Paths, KeyOf(Number), "")));
        if (!File.isEmpty() && !List.contains(Normalised(File)))
            List.append(Normalised(File));
    }
    ShowList();
}

void TRecentFiles::Save(TIniFile& Settings) const
{
    try {
        // Keys beyond the list are emptied, and only where they stand: a
        // program that never opened a table adds nothing to the file.
        for (int Number = 1; Number <= MaxFiles; ++Number) {
            const std::string File = Number <= List.size() ? QFile::encodeName(List[Number - 1]).toStdString() : "";
            if (!File.empty() || !Settings.ReadString(Paths, KeyOf(Number), "").empty())
                Settings.WriteString(Paths, KeyOf(Number), File);
        }
    } catch (const EIniWriteError&) {
        // The list starts empty next time; nothing else is lost.
    }
}

QString TRecentFiles::Caption(int Number, const QString& FileName)
{
    const QFileInfo Info(FileName);
    QString Name = Info.fileName();
    QString Folder = QDir::toNativeSeparators(Info.absolutePath());
    // A "&" in a name is a letter, not an accelerator.
    Name.replace(u'&', QStringLiteral("&&"));
    Folder.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2  (%3)").arg(Number).arg(Name, Folder);
}

void TRecentFiles::ShowList()
{
    for (int Index = 0; Index < MaxFiles; ++Index) {
        QAction* Item = Items[Index];
        const bool Listed = Index < List.size();
        Item->setVisible(Listed);
        Item->setText(Listed ? Caption(Index + 1, List[Index]) : QString());
        Item->setStatusTip(Listed ? QDir::toNativeSeparators(List[Index]) : QString());
        Item->setToolTip(Item->statusTip());
    }
    Separator->setVisible(!List.isEmpty());
}

void TRecentFiles::Choose(int Index)
{
    if (Index >= List.size())
        return;
    const QString File = List[Index];
    if (QFileInfo(File).isFile()) {
        emit OpenRequested(File);
        return;
    }
    Remove(File);
    ShowNotice(Owner, QStringLiteral("dlgRecentOntbreekt"),
               QStringLiteral("Het bestand %1 bestaat niet meer. Het is uit de lijst van laatst geopende tabellen "
                              "gehaald.")
                   .arg(QDir::toNativeSeparators(File)));
}
