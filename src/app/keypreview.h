// SPDX-License-Identifier: GPL-3.0-or-later
// The key preview of the main window: every key meant for a widget of the
// window comes here first, as a key-down and, when it types a character of
// the Windows code page, as a key press. The window's handlers may swallow
// the key or change its character; the widget then receives a copy with the
// changed character.
#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

class TKeyPreview : public QObject {
    Q_OBJECT
public:
    // KeyDown returns true for a key it consumed; KeyPress sets the
    // character to 0 to swallow it. Both run as commands. Watches every
    // widget of Window from the application's event filter on.
    TKeyPreview(QWidget& Window, std::function<bool(QKeyEvent*)> KeyDown, std::function<void(char&)> KeyPress);
    ~TKeyPreview() override;

    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool PreviewKey(QObject* Watched, QKeyEvent* Event);
    // The character of the key in the Windows code page; 0 for none, and for
    // Ctrl with a digit or punctuation key.
    [[nodiscard]] static char TypedCharacter(const QKeyEvent* Event);
    // Sends Event again to Watched with the character Key.
    bool Resend(QObject* Watched, QKeyEvent* Event, char Key);

    QWidget& Window;
    std::function<bool(QKeyEvent*)> KeyDown;
    std::function<void(char&)> KeyPress;
    const QKeyEvent* LastPreviewedKey = nullptr;
    const QObject* LastPreviewedReceiver = nullptr;
    bool ResendingKey = false;
};
