#include "components/util/window_messages.h"

#include "platform/ui/message_window.h"

LRESULT SendWindowMessage(HWND window, UINT msg, WPARAM wParam, void* lParam) {
    return SendMessageW(window, msg, wParam, reinterpret_cast<LPARAM>(lParam));
}

void DiscardPendingMessage(HWND window, UINT msg) {
    MSG removed;
    if (PeekMessageW(&removed, window, msg, msg, PM_REMOVE) && removed.message == WM_QUIT)
        PostQuitMessage(static_cast<int>(removed.wParam));
}
