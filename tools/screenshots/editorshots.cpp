// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the table editor: the grid with an entry being edited, and the
// search dialog over it.
#include "screenshots.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <memory>

#include "tableeditor/editpanel.h"
#include "app/frmmain.h"

namespace {

void OpenEditorAt(TfrmMain& Window, int PageDowns)
{
    TypeKey(Window, Qt::Key_E, Qt::ControlModifier);
    for (int i = 0; i < PageDowns; ++i)
        TypeKey(Window, Qt::Key_PageDown);
}

const TScreenshot Editor("bewerken.png", "De tabel bewerken: vraag, antwoord en het overzicht",
                         [](TfrmMain& Window) -> QWidget* {
                             OpenEditorAt(Window, 3);
                             return nullptr;
                         });

const TScreenshot Search("zoeken.png", "Zoeken in de tabel", [](TfrmMain& Window) -> QWidget* {
    OpenEditorAt(Window, 1);
    // The picture is taken while the dialog is open: the window with the
    // dialog drawn where it stands.
    auto Picture = std::make_shared<QPixmap>();
    QTimer::singleShot(50, &Window, [&Window, Picture] {
        auto* Dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!Dialog)
            return;
        Dialog->findChild<QLineEdit*>()->setText(QStringLiteral("cat"));
        QApplication::processEvents();
        *Picture = Window.grab();
        QPainter Painter(Picture.get());
        const QPoint At = Window.mapFromGlobal(Dialog->mapToGlobal(QPoint(0, 0)));
        Painter.drawPixmap(At.x() < 0 ? (Window.width() - Dialog->width()) / 2 : At.x(),
                           At.y() < 0 ? (Window.height() - Dialog->height()) / 2 : At.y(), Dialog->grab());
        Painter.end();
        Dialog->reject();
    });
    Window.pnlEdit->SearchEntry();
    auto* Shot = new QLabel(&Window, Qt::Window);
    Shot->setPixmap(*Picture);
    Shot->resize(Picture->size());
    return Shot;
});

} // namespace
