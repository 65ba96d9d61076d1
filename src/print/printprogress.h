// SPDX-License-Identifier: GPL-3.0-or-later
// The progress of a long printout: which page of how many is done, and a
// "Stoppen" button that ends the job after the page in hand.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

class TPrintProgress : public QDialog {
    Q_OBJECT
public:
    // A printout of fewer pages is over before the dialog could be read.
    static constexpr int ShownFromPages = 5;

    explicit TPrintProgress(QWidget* Owner);

    // Page of Pages has been printed. Shows the dialog once the printout
    // turns out long, and lets the user press "Stoppen" meanwhile.
    void PagePrinted(int Page, int Pages);
    // The user asked to stop: no page after the one in hand.
    [[nodiscard]] bool Stopped() const { return FStopped; }

    QLabel* lblPagina;
    QProgressBar* prgPaginas;
    QPushButton* btnStoppen;

public slots:
    // "Stoppen", Esc and the close box all stop the printout.
    void reject() override;

private:
    bool FStopped = false;
};
