// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for driving the real main window in tests: starting it with a
// command line, writing small tables, answering modal dialogs as a user would.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class QTemporaryDir;
class TfrmMain;

// Writes a table file with Entries lines "vraagN = antwoordN" (N from 1).
QString WriteTable(const QTemporaryDir& Dir, const QString& Name, int Entries);

// Creates, shows and activates the main window, and waits until its first
// activation has carried out Arguments.
std::unique_ptr<TfrmMain> StartMainWindow(const QStringList& Arguments = {});

// Runs Act on the next modal dialog as soon as it is shown.
void WhenModal(std::function<void(QWidget*)> Act);
// Answers the next yes/no question by clicking "&Ja" or "&Nee".
void AnswerYesNo(bool Yes);
// Closes the next message box with its OK button; its text goes to Text.
void CloseMessageBox(QString* Text = nullptr);

// A descendant of Root by object name; fails the test when missing.
template <typename T> T* Child(QObject* Root, const QString& Name)
{
    return Root->findChild<T*>(Name);
}

// Where Control stands in the window's client area (below the menu bar).
QPoint ClientPosition(const TfrmMain& Window, const QWidget* Control);
