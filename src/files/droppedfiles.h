// SPDX-License-Identifier: GPL-3.0-or-later
// Table files dropped on a window: wherever they are dropped in it (also on
// an edit field, which would otherwise take the names as text), the window
// is asked to open them.
#pragma once

#include <QObject>
#include <QStringList>

class QMimeData;
class QWidget;

class TDroppedFiles : public QObject {
    Q_OBJECT
public:
    // Watches drops on Window and everything in it.
    explicit TDroppedFiles(QWidget* Window);

    // The table files among the dragged data: local files whose extension is
    // one of the open dialog's formats. Empty when there is none.
    [[nodiscard]] static QStringList TableFiles(const QMimeData* Data);

signals:
    // Raised after the drop has finished, so that the questions it leads to
    // do not hold up the program the files were dragged from.
    void FilesDropped(const QStringList& Files);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    QWidget* Window;
};
