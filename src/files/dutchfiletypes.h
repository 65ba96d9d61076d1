// SPDX-License-Identifier: GPL-3.0-or-later
// The type names the file dialogs show, in Dutch: "Map", "Tekstbestand",
// "Memorant-tabel", and for other files the extension with "-bestand".
#pragma once

#include <QFileIconProvider>
#include <QStringList>

class TDutchFileTypes : public QFileIconProvider {
public:
    [[nodiscard]] QString type(const QFileInfo& Info) const override;

    // The names type() gives to the files of the program's own kinds, so a
    // dialog can make its type column wide enough for them.
    [[nodiscard]] static QStringList KnownNames();
};
