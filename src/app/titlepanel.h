// SPDX-License-Identifier: GPL-3.0-or-later
// The title screen below the question/answer panel while no panel of a
// quiz or of the editor is shown: the program's name and its version.
#pragma once

#include <QFrame>

class QLabel;

class TTitlePanel : public QFrame {
    Q_OBJECT
public:
    explicit TTitlePanel(QWidget* Parent);

    QLabel* lblTitel;
    QLabel* Label1;
    QLabel* lblSubTitel; // "Versie 4.5" until the first activation sets the version
    QLabel* imgTitelLogo;
};
