#pragma once
// Hidden windows that receive posted and sent messages on the thread that made them (the UI
// thread): a window is a handler behind a handle. Every allocated window also receives
// WM_DEVICECHANGE / DBT_DEVNODES_CHANGED (LParam 0) whenever the current HID bus reports that
// device nodes came or went.

#include "platform/win32/types.h"

#include <functional>
#include <type_traits>
#include <utility>

// Handles one message; what it returns is the answer SendMessageW hands back.
using MessageHandler = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam)>;

// Makes a window whose messages run handler on the calling thread's Qt event loop. Call it on a
// thread with an event loop (the UI thread).
HWND AllocateHWnd(MessageHandler handler);

// The same for a handler without an answer: it answers 0.
template <typename Handler>
requires std::is_void_v<std::invoke_result_t<Handler&, UINT, WPARAM, LPARAM>>
    HWND AllocateHWnd(Handler handler) {
    return AllocateHWnd(MessageHandler(
        [handler = std::move(handler)](UINT msg, WPARAM wParam, LPARAM lParam) mutable -> LRESULT {
            handler(msg, wParam, lParam);
            return 0;
        }));
}

// Releases the window; messages still queued for it are dropped. A handle not allocated (or
// already released) is ignored.
void DeallocateHWnd(HWND window);

// Queues a message for the window. FALSE with ERROR_INVALID_WINDOW_HANDLE when the window does
// not exist. Callable from any thread.
BOOL PostMessageW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Runs the window's handler with the message now, ahead of what is queued, and returns its
// answer. From another thread it waits until the window's thread has handled it. 0 with
// ERROR_INVALID_WINDOW_HANDLE when the window does not exist; 0 also when the window is
// released before it handled the message, or the handler raised (reported like an exception
// that reached an event handler).
LRESULT SendMessageW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Posts WM_DEVICECHANGE with DBT_DEVNODES_CHANGED and LParam 0 to every allocated window.
void BroadcastDeviceChange();

// Ends the calling thread's event loops with exitCode once the message is reached.
constexpr UINT WM_QUIT = 0x0012;

// A queued message as PeekMessageW hands it out; hwnd is nullptr for WM_QUIT.
struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

constexpr UINT PM_NOREMOVE = 0x0;
constexpr UINT PM_REMOVE = 0x1;

// Queues WM_QUIT with exitCode as wParam for the calling thread, after what is queued already.
void PostQuitMessage(int exitCode);

// Finds the oldest message still queued for window (nullptr: for any window of the calling
// thread, WM_QUIT included) whose number lies in filterMin..filterMax (both 0: any number) and
// copies it into msg; with PM_REMOVE it is taken off the queue and never delivered. FALSE when
// there is none.
BOOL PeekMessageW(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags);
