// SPDX-License-Identifier: GPL-3.0-or-later
// A main window for one test: its settings file and its tables live in a
// fresh temporary folder.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "app/frmmain.h"

class TMainFixture {
public:
    TMainFixture();
    ~TMainFixture();

    // Creates and shows the window, with the settings file Ini (default: the
    // folder's memorant.ini), and waits for its first activation.
    void Start(const QString& Ini = QString());
    // Deletes the window without the close questions (as a crash would).
    void Stop();

    [[nodiscard]] QString Path(const QString& Name) const { return Folder.filePath(Name); }
    // Writes a table file with the given lines (CR LF endings).
    QString WriteTable(const QString& Name, const QStringList& Lines) const;
    [[nodiscard]] static QByteArray Read(const QString& File);
    static void Write(const QString& File, const QByteArray& Bytes);

    [[nodiscard]] QString IniPath() const { return Ini; }
    [[nodiscard]] TQuestionlist& Table() const { return Main->QuestionList; }

    QTemporaryDir Folder;
    std::unique_ptr<TfrmMain> Main;

private:
    QString Ini;
};

// The entries of a table as "question=answer" texts, stored orientation.
[[nodiscard]] QStringList Entries(const TQuestionlist& Table);
