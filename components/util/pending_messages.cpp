#include "components/util/pending_messages.h"

#include "platform/ui/message_window.h"

void DiscardPendingMessage(HWND window, UINT msg) {
    MSG removed;
    if (PeekMessageW(&removed, window, msg, msg, PM_REMOVE) && removed.message == WM_QUIT)
        PostQuitMessage(static_cast<int>(removed.wParam));
}
