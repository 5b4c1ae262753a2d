#pragma once
// Plain sleep of the calling (UI) thread. It goes through the UI host, so the event loop keeps
// running and tests record the wait instead of waiting.

#include "platform/win32/types.h"

void Sleep(DWORD ms);
