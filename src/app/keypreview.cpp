// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keypreview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <optional>
#include <string>

#include "formats/wintext.h"
#include "ui/commandguard.h"

TKeyPreview::TKeyPreview(QWidget& Window, std::function<bool(QKeyEvent*)> KeyDown,
                         std::function<void(char&)> KeyPress)
    : QObject(&Window), Window(Window), KeyDown(std::move(KeyDown)), KeyPress(std::move(KeyPress))
{
    qApp->installEventFilter(this);
}

TKeyPreview::~TKeyPreview() { qApp->removeEventFilter(this); }

bool TKeyPreview::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::KeyPress && !ResendingKey)
        return PreviewKey(Watched, static_cast<QKeyEvent*>(Event));
    return QObject::eventFilter(Watched, Event);
}

bool TKeyPreview::PreviewKey(QObject* Watched, QKeyEvent* Event)
{
    if (!Watched->isWidgetType() || static_cast<QWidget*>(Watched)->window() != &Window)
        return false;
    // A key that its widget ignored passes here again on its way up to the
    // parents; it was handled the first time.
    const bool PassingUp = Event == LastPreviewedKey && LastPreviewedReceiver != nullptr &&
                           static_cast<QWidget*>(Watched) == static_cast<const QWidget*>(LastPreviewedReceiver)->parentWidget();
    LastPreviewedKey = Event;
    LastPreviewedReceiver = Watched;
    if (PassingUp)
        return false;
    bool Consumed = false;
    if (!RunCommand([&] { Consumed = KeyDown(Event); }) || Consumed) {
        Event->accept();
        return true;
    }
    char Key = TypedCharacter(Event);
    if (Key == 0)
        return false;
    const char Typed = Key;
    if (!RunCommand([&] { KeyPress(Key); }))
        Key = 0;
    if (Key == 0) {
        Event->accept();
        return true;
    }
    return Key == Typed ? false : Resend(Watched, Event, Key);
}

char TKeyPreview::TypedCharacter(const QKeyEvent* Event)
{
    const QString Text = Event->text();
    if (Text.size() != 1)
        return 0;
    char Key = 0;
    if (const std::optional<std::string> Bytes = QtToWin(Text); Bytes && Bytes->size() == 1)
        Key = (*Bytes)[0];
    if ((Event->modifiers() & Qt::ControlModifier) && Text.at(0).isLetter() && Text.at(0).unicode() < 128)
        return static_cast<char>(Text.at(0).toUpper().unicode() & 0x1F);
    // Ctrl with a digit or a punctuation key types nothing (so a second
    // accent key leaves the pending accent alone); AltGr may be Ctrl+Alt.
    if ((Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier &&
        Text.at(0) > u' ' && !Text.at(0).isLetter())
        return 0;
    return Key;
}

bool TKeyPreview::Resend(QObject* Watched, QKeyEvent* Event, char Key)
{
    QKeyEvent Changed(Event->type(), Event->key(), Event->modifiers(), Event->nativeScanCode(),
                      Event->nativeVirtualKey(), Event->nativeModifiers(), WinToQt(std::string(1, Key)),
                      Event->isAutoRepeat(), Event->count());
    ResendingKey = true;
    QCoreApplication::sendEvent(Watched, &Changed);
    ResendingKey = false;
    Event->setAccepted(Changed.isAccepted());
    return true;
}
