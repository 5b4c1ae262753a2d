#pragma once
// Messages to the program's message windows: sending one and waiting for its answer, and
// dropping one that is still queued, so a click that closed a popup does not reach the control
// under it as well.

#include "platform/win32/types.h"

// Runs window's handler with msg now and returns its answer; lParam carries a pointer. 0 for a
// window that does not exist (the last error says so).
LRESULT SendWindowMessage(HWND window, UINT msg, WPARAM wParam, void* lParam);

// Takes the oldest queued message numbered msg off the queue of window (nullptr: of any window
// of the calling thread). A quit taken this way is queued again with its exit code, so a
// pending quit is never lost.
void DiscardPendingMessage(HWND window, UINT msg);
