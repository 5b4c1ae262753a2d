#pragma once
// Dropping a message that is still queued, so a click that closed a popup does not reach the
// control under it as well.

#include "platform/win32/types.h"

// Takes the oldest queued message numbered msg off the queue of window (nullptr: of any window
// of the calling thread). A quit taken this way is queued again with its exit code, so a
// pending quit is never lost.
void DiscardPendingMessage(HWND window, UINT msg);
