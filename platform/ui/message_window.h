#pragma once
// Hidden windows that receive posted messages on the thread that made them (the UI thread):
// a window is a handler behind a handle. Every allocated window also receives
// WM_DEVICECHANGE / DBT_DEVNODES_CHANGED (LParam 0) whenever the current HID bus reports that
// device nodes came or went.

#include "platform/win32/types.h"

#include <functional>

using MessageHandler = std::function<void(UINT msg, WPARAM wParam, LPARAM lParam)>;

// Makes a window whose messages run handler on the calling thread's Qt event loop. Call it on a
// thread with an event loop (the UI thread).
HWND AllocateHWnd(MessageHandler handler);

// Releases the window; messages still queued for it are dropped. A handle not allocated (or
// already released) is ignored.
void DeallocateHWnd(HWND window);

// Queues a message for the window. FALSE with ERROR_INVALID_WINDOW_HANDLE when the window does
// not exist. Callable from any thread.
BOOL PostMessageW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Posts WM_DEVICECHANGE with DBT_DEVNODES_CHANGED and LParam 0 to every allocated window.
void BroadcastDeviceChange();
