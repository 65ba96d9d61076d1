// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/droppedfiles.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "files/filecommands.h"

namespace {

// The extensions of the open dialog's formats, from its filter list; its
// "all files" entry is left out, since a drop can be anything.
QStringList TableExtensions()
{
    QStringList Extensions;
    const QStringList Parts = OpenTableFilter.split(u'|');
    for (qsizetype Index = 1; Index < Parts.size(); Index += 2)
        for (const QString& Pattern : Parts[Index].split(u';'))
            if (Pattern.startsWith(QStringLiteral("*.")) && Pattern != QStringLiteral("*.*"))
                Extensions << Pattern.mid(2).toLower();
    Extensions.removeDuplicates();
    return Extensions;
}

} // namespace

TDroppedFiles::TDroppedFiles(QWidget* Window) : QObject(Window), Window(Window)
{
    Window->setAcceptDrops(true);
    qApp->installEventFilter(this);
}

QStringList TDroppedFiles::TableFiles(const QMimeData* Data)
{
    static const QStringList Extensions = TableExtensions();
    QStringList Files;
    if (!Data || !Data->hasUrls())
        return Files;
    for (const QUrl& Url : Data->urls()) {
        const QFileInfo File(Url.toLocalFile());
        if (Url.isLocalFile() && File.isFile() && Extensions.contains(File.suffix().toLower()))
            Files << File.absoluteFilePath();
    }
    return Files;
}

bool TDroppedFiles::eventFilter(QObject* Watched, QEvent* Event)
{
    const QEvent::Type Type = Event->type();
    if (Type != QEvent::DragEnter && Type != QEvent::DragMove && Type != QEvent::Drop)
        return false;
    if (!Watched->isWidgetType() || static_cast<QWidget*>(Watched)->window() != Window)
        return false;
    auto* Drop = static_cast<QDropEvent*>(Event);
    const QStringList Files = TableFiles(Drop->mimeData());
    if (Files.isEmpty())
        return false; // text for an edit field, say
    Drop->setDropAction(Qt::CopyAction);
    Drop->accept();
    if (Type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, Files] { emit FilesDropped(Files); });
    return true;
}
