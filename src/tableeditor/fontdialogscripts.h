// SPDX-License-Identifier: GPL-3.0-or-later
// The scripts a column's font dialog offers: only those the table can hold
// (a single-byte code page of its own), the column's own script chosen when
// the dialog opens, and the style (bold, italic) kept as it was when the
// user picks another script and the font list changes with it.
#pragma once

#include <QFont>
#include <QObject>

class QComboBox;
class QFontDialog;

class TFontDialogScripts : public QObject {
    Q_OBJECT
public:
    // Sets up Dialog for a column of character set Charset whose font is
    // Column (as a Qt font).
    TFontDialogScripts(QFontDialog& Dialog, int Charset, const QFont& Column);

    // The writing system (a QFontDatabase::WritingSystem value) of a
    // character set: Latin for the Western and other Latin sets.
    [[nodiscard]] static int WritingSystemOfCharset(int Charset);
    // Whether the table can hold texts of a writing system.
    [[nodiscard]] static bool CanHold(int WritingSystem);

private:
    void ScriptChosen();
    void KeepStyle();
    void FontChanged(const QFont& Font);

    QFontDialog& Dialog;
    QComboBox* Scripts = nullptr;
    int ShownScript = 0;
    QFont Style; // the style the user chose last
};
