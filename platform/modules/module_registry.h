#pragma once
// In-process stand-in for loadable libraries: a provider registers a module name with a table of
// exported symbols, and callers load it, look names up and free it as they would a library file.
// Names compare case-insensitively. A load counts; the module stays loaded, with the symbol
// table it was loaded with, until every load is freed.

#include "platform/win32/types.h"

#include <QString>
#include <vector>

// Error mode flag of the load call: no message box for a missing file (we never show one).
constexpr UINT SEM_NOOPENFILEERRORBOX = 0x8000;

struct ModuleSymbol {
    const char* name;
    FARPROC address;
};

// Wraps a function pointer as an export.
template <typename Function> FARPROC ModuleExport(Function* function) {
    return reinterpret_cast<FARPROC>(function);
}

// Registers the provider of name, replacing one registered before under the same name. Modules
// already loaded keep their old table.
void RegisterModule(const QString& name, std::vector<ModuleSymbol> symbols);
// Removes the provider of name; later loads of it fail.
void UnregisterModule(const QString& name);
// Loads of name not yet freed.
int ModuleLoadCount(const QString& name);

// Loads the module: its handle, or nullptr with ERROR_MOD_NOT_FOUND as the last error when no
// provider has that name. Every load of the same loaded module returns the same handle.
HMODULE SafeLoadLibrary(const QString& name, UINT errorMode);
// The export called name: nullptr with ERROR_PROC_NOT_FOUND when the module lacks it, or
// ERROR_INVALID_HANDLE when module is not loaded.
FARPROC GetProcAddress(HMODULE module, const char* name);
// Undoes one load; FALSE with ERROR_INVALID_HANDLE when module is not loaded.
BOOL FreeLibrary(HMODULE module);
