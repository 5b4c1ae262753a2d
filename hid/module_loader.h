#pragma once
// Loads system libraries by name at run time and looks up their entry points, so the program
// starts without them and callers only test whether a binding succeeded.

#include "platform/win32/types.h"

#include <QString>

// Loads name when handle is 0 (a missing file shows no error box). Result: handle is not 0.
bool OpenModule(HMODULE& handle, const QString& name);
// Frees the library when loaded; handle becomes 0.
void CloseModule(HMODULE& handle);
// The entry point name of handle, nullptr when missing or when handle is 0; allFound becomes
// false when the result is nullptr and keeps its value otherwise.
FARPROC BindModuleSymbol(HMODULE handle, const char* name, bool& allFound);
