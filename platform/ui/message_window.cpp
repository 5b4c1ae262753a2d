#include "platform/ui/message_window.h"

#include "platform/hidbus/hid_bus.h"
#include "platform/ui/ui_host.h"
#include "platform/win32/last_error.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>
#include <cstdint>
#include <exception>
#include <future>
#include <map>
#include <memory>
#include <mutex>

namespace {

const QEvent::Type kPostedMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
const QEvent::Type kSentMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// The event only names its message: the message itself waits in the table, where
// PeekMessageW can see and take it before Qt delivers the event.
struct PostedMessage final : QEvent {
    explicit PostedMessage(std::uint64_t id) : QEvent(kPostedMessageEvent), id(id) {}
    std::uint64_t id;
};

// A message sent from another thread. The sender waits for the answer; an event dropped
// unhandled (its window went first) answers 0, so the sender never waits for ever.
struct SentMessage final : QEvent {
    SentMessage(const MSG& message, std::promise<LRESULT> answer)
        : QEvent(kSentMessageEvent), message(message), answer(std::move(answer)) {}
    ~SentMessage() override {
        if (!answered)
            answer.set_value(0);
    }
    void reply(LRESULT result) {
        answered = true;
        answer.set_value(result);
    }

    MSG message;
    std::promise<LRESULT> answer;
    bool answered = false;
};

struct PendingMessage {
    std::uintptr_t handle; // 0 for the thread's WM_QUIT
    QThread* thread;
    MSG message;
};

class MessageWindow;

// Handles count up and are never reused, so a stale handle cannot reach a newer window.
// Messages are keyed by a number that counts up too, so the map holds them in posting order.
struct WindowTable {
    std::mutex mutex;
    std::map<std::uintptr_t, MessageWindow*> windows;
    std::uintptr_t nextHandle = 0x10000;
    std::map<std::uint64_t, PendingMessage> pending;
    std::uint64_t nextMessage = 1;
    // One receiver per thread that posted a quit; it lives as long as the process.
    std::map<QThread*, MessageWindow*> quitReceivers;
};

WindowTable& table() {
    static WindowTable instance;
    return instance;
}

std::uintptr_t key(HWND window) {
    return reinterpret_cast<std::uintptr_t>(window);
}

// The caller holds the table's lock.
void post(MessageWindow* receiver, std::uintptr_t handle, const MSG& message);

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

    // Handles a message now; 0 once released.
    LRESULT send(const MSG& message) { return handler ? dispatch(message) : 0; }

    bool event(QEvent* e) override {
        if (e->type() == kSentMessageEvent) {
            auto* sent = static_cast<SentMessage*>(e);
            sent->reply(send(sent->message));
            return true;
        }
        if (e->type() != kPostedMessageEvent)
            return QObject::event(e);
        const auto id = static_cast<PostedMessage*>(e)->id;
        MSG message;
        {
            std::lock_guard lock(table().mutex);
            const auto it = table().pending.find(id);
            if (it == table().pending.end())
                return true; // taken by PeekMessageW
            message = it->second.message;
            table().pending.erase(it);
        }
        if (handler)
            dispatch(message);
        return true;
    }

private:
    // An exception must not unwind through Qt's event loop: it is reported the way the framework
    // reports one that reached an event handler, and the loop goes on.
    LRESULT dispatch(const MSG& message) {
        ++dispatching;
        const MessageHandler current = handler;
        LRESULT result = 0;
        try {
            result = current(message.message, message.wParam, message.lParam);
        } catch (const std::exception& error) {
            uiHost().reportException(QString::fromUtf8(error.what()));
        } catch (...) {
            uiHost().reportException(QStringLiteral("Unknown exception"));
        }
        --dispatching;
        return result;
    }

    MessageHandler handler;
    int dispatching = 0;
};

void post(MessageWindow* receiver, std::uintptr_t handle, const MSG& message) {
    const std::uint64_t id = table().nextMessage++;
    table().pending.emplace(id, PendingMessage{handle, receiver->thread(), message});
    QCoreApplication::postEvent(receiver, new PostedMessage(id));
}

void quitThread(UINT msg, WPARAM wParam) {
    if (msg != WM_QUIT)
        return;
    const int exitCode = static_cast<int>(wParam);
    if (QCoreApplication::instance() != nullptr &&
        QThread::currentThread() == QCoreApplication::instance()->thread())
        QCoreApplication::exit(exitCode);
    else
        QThread::currentThread()->exit(exitCode);
}

bool inFilter(UINT msg, UINT filterMin, UINT filterMax) {
    return (filterMin == 0 && filterMax == 0) || (msg >= filterMin && msg <= filterMax);
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
        std::erase_if(table().pending,
                      [&](const auto& entry) { return entry.second.handle == key(window); });
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
    post(it->second, it->first, MSG{window, msg, wParam, lParam});
    return TRUE;
}

LRESULT SendMessageW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    const MSG message{window, msg, wParam, lParam};
    MessageWindow* local = nullptr;
    std::future<LRESULT> answer;
    {
        std::lock_guard lock(table().mutex);
        const auto it = table().windows.find(key(window));
        if (it == table().windows.end()) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        MessageWindow* receiver = it->second;
        if (receiver->thread() == QThread::currentThread()) {
            local = receiver;
        } else {
            // Posted while the window is listed, so it is still alive; released later, it
            // drops the event, which then answers 0.
            std::promise<LRESULT> promise;
            answer = promise.get_future();
            QCoreApplication::postEvent(receiver, new SentMessage(message, std::move(promise)),
                                        Qt::HighEventPriority);
        }
    }
    // Nothing else runs on this thread before the call; a handler that releases its own window
    // defers the deletion until it returns.
    return local != nullptr ? local->send(message) : answer.get();
}

void BroadcastDeviceChange() {
    std::lock_guard lock(table().mutex);
    for (const auto& [handle, window] : table().windows)
        post(window, handle,
             MSG{reinterpret_cast<HWND>(handle), WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0});
}

void PostQuitMessage(int exitCode) {
    std::lock_guard lock(table().mutex);
    MessageWindow*& receiver = table().quitReceivers[QThread::currentThread()];
    if (receiver == nullptr)
        receiver = new MessageWindow([](UINT msg, WPARAM wParam, LPARAM) -> LRESULT {
            quitThread(msg, wParam);
            return 0;
        });
    post(receiver, 0, MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0});
}

BOOL PeekMessageW(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
    QThread* const current = QThread::currentThread();
    std::lock_guard lock(table().mutex);
    for (auto it = table().pending.begin(); it != table().pending.end(); ++it) {
        const PendingMessage& entry = it->second;
        const bool forWindow =
            window == nullptr ? entry.thread == current : entry.handle == key(window);
        if (!forWindow || !inFilter(entry.message.message, filterMin, filterMax))
            continue;
        if (msg != nullptr)
            *msg = entry.message;
        if (removeFlags & PM_REMOVE)
            table().pending.erase(it);
        return TRUE;
    }
    return FALSE;
}
