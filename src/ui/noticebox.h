// SPDX-License-Identifier: GPL-3.0-or-later
// A message box with one OK button that fits the screen whatever it says:
// over its window but never over the window's menu bar (nor over controls
// that must stay in view), with every line longer than the screen allows
// shortened with "…", and no more lines than the screen can show.
#pragma once

#include <QMessageBox>
#include <vector>

class TNoticeBox : public QMessageBox {
    Q_OBJECT
public:
    TNoticeBox(Icon Kind, const QString& Title, const QString& Text, QWidget* Parent);

    // Parent's controls that the box must leave in view.
    void KeepClearOf(const QWidget* Control) { Kept.push_back(Control); }

    // Text as the box shows it on a screen of AvailableWidth pixels in the
    // box's font: lines cut with "…", and at most MaxLines of them.
    [[nodiscard]] static QString Shortened(const QString& Text, const QFontMetrics& Metrics, int AvailableWidth,
                                           int MaxLines);

protected:
    void showEvent(QShowEvent* Event) override;

private:
    std::vector<const QWidget*> Kept;
};
