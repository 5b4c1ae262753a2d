#include "platform/ui/message_window.h"

#include "platform/hidbus/hid_bus.h"
#include "platform/ui/ui_host.h"
#include "platform/win32/last_error.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <exception>
#include <map>
#include <mutex>

namespace {

const QEvent::Type kPostedMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

struct PostedMessage final : QEvent {
    PostedMessage(UINT msg, WPARAM wParam, LPARAM lParam)
        : QEvent(kPostedMessageEvent), msg(msg), wParam(wParam), lParam(lParam) {}
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageWindow final : public QObject {
public:
    explicit MessageWindow(MessageHandler handler) : handler(std::move(handler)) {}

    // Drops the handler; deletes now unless a message is being handled, which finishes first.
    void release() {
        handler = nullptr;
        if (dispatching)
            deleteLater();
        else
            delete this;
    }

    bool event(QEvent* e) override {
        if (e->type() != kPostedMessageEvent)
            return QObject::event(e);
        const auto* message = static_cast<PostedMessage*>(e);
        if (handler)
            dispatch(*message);
        return true;
    }

private:
    // An exception must not unwind through Qt's event loop: it is reported the way the framework
    // reports one that reached an event handler, and the loop goes on.
    void dispatch(const PostedMessage& message) {
        ++dispatching;
        const MessageHandler current = handler;
        try {
            current(message.msg, message.wParam, message.lParam);
        } catch (const std::exception& error) {
            uiHost().reportException(QString::fromUtf8(error.what()));
        } catch (...) {
            uiHost().reportException(QStringLiteral("Unknown exception"));
        }
        --dispatching;
    }

    MessageHandler handler;
    int dispatching = 0;
};

// Handles count up and are never reused, so a stale handle cannot reach a newer window.
struct WindowTable {
    std::mutex mutex;
    std::map<std::uintptr_t, MessageWindow*> windows;
    std::uintptr_t nextHandle = 0x10000;
};

WindowTable& table() {
    static WindowTable instance;
    return instance;
}

std::uintptr_t key(HWND window) {
    return reinterpret_cast<std::uintptr_t>(window);
}

} // namespace

HWND AllocateHWnd(MessageHandler handler) {
    static const bool listening = (addDeviceChangeListener(&BroadcastDeviceChange), true);
    (void)listening;
    auto* window = new MessageWindow(std::move(handler));
    std::lock_guard lock(table().mutex);
    const std::uintptr_t handle = table().nextHandle++;
    table().windows.emplace(handle, window);
    return reinterpret_cast<HWND>(handle);
}

void DeallocateHWnd(HWND window) {
    MessageWindow* found = nullptr;
    {
        std::lock_guard lock(table().mutex);
        const auto it = table().windows.find(key(window));
        if (it == table().windows.end())
            return;
        found = it->second;
        table().windows.erase(it);
    }
    found->release();
}

BOOL PostMessageW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    std::lock_guard lock(table().mutex);
    const auto it = table().windows.find(key(window));
    if (it == table().windows.end()) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    QCoreApplication::postEvent(it->second, new PostedMessage(msg, wParam, lParam));
    return TRUE;
}

void BroadcastDeviceChange() {
    std::lock_guard lock(table().mutex);
    for (const auto& [handle, window] : table().windows)
        QCoreApplication::postEvent(window,
                                    new PostedMessage(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0));
}
