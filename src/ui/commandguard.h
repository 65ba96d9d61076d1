// SPDX-License-Identifier: GPL-3.0-or-later
// Where every command of the user starts: menu items, toolbar and screen
// buttons, keys, and the closing of the window. A failure that a command lets
// through is shown by the general error display right there and ends only
// that command; it never unwinds through Qt's signal and event code.
#pragma once

#include <QObject>
#include <functional>
#include <type_traits>

// Runs Command; false when it failed, after the failure has been shown.
bool RunCommand(const std::function<void()>& Command) noexcept;

// Connects Signal of Sender to Handler, run as a command: a member function
// of Receiver without arguments, or a callable without arguments.
template <typename TSender, typename TSignal, typename TReceiver, typename THandler>
QMetaObject::Connection ConnectCommand(TSender* Sender, TSignal Signal, TReceiver* Receiver, THandler Handler)
{
    return QObject::connect(Sender, Signal, Receiver, [Receiver, Handler] {
        RunCommand([Receiver, &Handler] {
            if constexpr (std::is_member_function_pointer_v<THandler>)
                (Receiver->*Handler)();
            else
                Handler();
        });
    });
}
