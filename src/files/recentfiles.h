// SPDX-License-Identifier: GPL-3.0-or-later
// The tables opened last, listed in the file menu with their number as the
// accelerator. The list lives in memory and is kept in the settings file's
// Paths section (Recent1 .. Recent8), read at start and written at close.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class QAction;
class QMenu;
class QWidget;
class TIniFile;

class TRecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxFiles = 8;

    // Lists the files in Menu just before Before, with a separator after
    // them; notices go to Owner.
    TRecentFiles(QMenu* Menu, QAction* Before, QWidget* Owner);

    [[nodiscard]] QStringList Files() const { return List; }
    // FileName was opened or saved: it comes first, once.
    void Add(const QString& FileName);
    void Remove(const QString& FileName);

    void Load(const TIniFile& Settings);
    // Writes the list; a failure is ignored, the list is a convenience.
    void Save(TIniFile& Settings) const;

signals:
    // A listed file that still exists was chosen.
    void OpenRequested(const QString& FileName);

private:
    void ShowList();
    void Choose(int Index);
    // The menu text of the file numbered Number: "&1 name  (folder)".
    [[nodiscard]] static QString Caption(int Number, const QString& FileName);

    QStringList List;
    QVector<QAction*> Items;
    QAction* Separator;
    QWidget* Owner;
};
