#include "hid/module_loader.h"

#include "platform/modules/module_registry.h"

bool OpenModule(HMODULE& handle, const QString& name) {
    if (handle == nullptr)
        handle = SafeLoadLibrary(name, SEM_NOOPENFILEERRORBOX);
    return handle != nullptr;
}

void CloseModule(HMODULE& handle) {
    if (handle != nullptr)
        FreeLibrary(handle);
    handle = nullptr;
}

FARPROC BindModuleSymbol(HMODULE handle, const char* name, bool& allFound) {
    FARPROC symbol = handle != nullptr ? GetProcAddress(handle, name) : nullptr;
    allFound = allFound && symbol != nullptr;
    return symbol;
}
