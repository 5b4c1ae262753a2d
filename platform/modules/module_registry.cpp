#include "platform/modules/module_registry.h"

#include "platform/win32/last_error.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace {

struct Provider {
    QString name;
    std::vector<ModuleSymbol> symbols;
};

struct LoadedModule {
    std::shared_ptr<const Provider> provider;
    int loads = 0;
};

// Handles count up and are never reused, so a freed handle stays invalid.
struct Registry {
    std::mutex mutex;
    std::map<QString, std::shared_ptr<const Provider>> providers; // by lower-case name
    std::map<std::uintptr_t, LoadedModule> loaded;
    std::uintptr_t nextHandle = 0x400000;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

QString key(const QString& name) {
    return name.toLower();
}

std::uintptr_t handleKey(HMODULE module) {
    return reinterpret_cast<std::uintptr_t>(module);
}

} // namespace

void RegisterModule(const QString& name, std::vector<ModuleSymbol> symbols) {
    auto provider = std::make_shared<const Provider>(Provider{name, std::move(symbols)});
    std::lock_guard lock(registry().mutex);
    registry().providers[key(name)] = std::move(provider);
}

void UnregisterModule(const QString& name) {
    std::lock_guard lock(registry().mutex);
    registry().providers.erase(key(name));
}

int ModuleLoadCount(const QString& name) {
    std::lock_guard lock(registry().mutex);
    int count = 0;
    for (const auto& [handle, module] : registry().loaded) {
        if (key(module.provider->name) == key(name))
            count += module.loads;
    }
    return count;
}

HMODULE SafeLoadLibrary(const QString& name, UINT) {
    std::lock_guard lock(registry().mutex);
    const auto provider = registry().providers.find(key(name));
    if (provider == registry().providers.end()) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    for (auto& [handle, module] : registry().loaded) {
        if (module.provider == provider->second) {
            ++module.loads;
            return reinterpret_cast<HMODULE>(handle);
        }
    }
    const std::uintptr_t handle = registry().nextHandle;
    registry().nextHandle += 0x10000;
    registry().loaded.emplace(handle, LoadedModule{provider->second, 1});
    return reinterpret_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE module, const char* name) {
    std::lock_guard lock(registry().mutex);
    const auto it = registry().loaded.find(handleKey(module));
    if (it == registry().loaded.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (name) {
        for (const ModuleSymbol& symbol : it->second.provider->symbols) {
            if (std::strcmp(symbol.name, name) == 0)
                return symbol.address;
        }
    }
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
}

BOOL FreeLibrary(HMODULE module) {
    std::lock_guard lock(registry().mutex);
    const auto it = registry().loaded.find(handleKey(module));
    if (it == registry().loaded.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (--it->second.loads == 0)
        registry().loaded.erase(it);
    return TRUE;
}
