#pragma once
// The boundary between Qt's event loop and the window's handlers: an exception that leaves a
// handler is shown through the UI host, the way the framework's default report shows it, and
// the window goes on. No exception ever unwinds through Qt.

#include "platform/ui/ui_host.h"

#include <QString>
#include <exception>
#include <utility>

template <typename Handler> void RunGuarded(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        uiHost().reportException(QString::fromUtf8(error.what()));
    } catch (...) {
        uiHost().reportException(QStringLiteral("Unknown exception"));
    }
}

// Wraps handler so that every call runs guarded; for connect().
template <typename Handler> auto Guarded(Handler handler) {
    return [handler = std::move(handler)](auto&&...) {
        RunGuarded(handler);
    };
}
