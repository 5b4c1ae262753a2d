#include "platform/win32/sleep.h"

#include "platform/ui/ui_host.h"

void Sleep(DWORD ms) {
    uiHost().sleep(ms);
}
