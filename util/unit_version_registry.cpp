#include "util/unit_version_registry.h"

#include "util/errors.h"
#include "util/mutex.h"
#include "util/shared_memory.h"

#include <memory>
#include <mutex>
#include <unistd.h>

namespace {

// What this module knows of the registry. Only touched under the named mutex, except the
// mutex itself, which is made once under a local lock.
struct ModuleState {
    std::mutex mutexCreation;
    std::unique_ptr<TCkMutex> mutex;
    TUnitVersioning* registry = nullptr;
    bool createdHere = false;
    TUnitVersioning** cell = nullptr;
    bool shuttingDown = false;
};

ModuleState& State() {
    static ModuleState state;
    return state;
}

QString ProcessName(const char* prefix) {
    return QLatin1String(prefix) + QString::number(::getpid());
}

TCkMutex& RegistryMutex(ModuleState& state) {
    const std::lock_guard guard(state.mutexCreation);
    if (!state.mutex)
        state.mutex = std::make_unique<TCkMutex>(false, ProcessName("MutexNPA_UnitVersioning_"));
    return *state.mutex;
}

void OpenCell(ModuleState& state) {
    void* view = nullptr;
    try {
        SharedMemoryOpen(view, ProcessName("ShmNPA_UnitVersioning_"), sizeof(TUnitVersioning*));
    } catch (const ECkError&) {
        view = nullptr; // the module keeps a registry of its own then
    }
    state.cell = static_cast<TUnitVersioning**>(view);
}

class Held {
public:
    explicit Held(TCkMutex& mutex) : FMutex(mutex) { FMutex.Acquire(); }
    ~Held() { FMutex.Release(); }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

private:
    TCkMutex& FMutex;
};

} // namespace

TUnitVersioning* UnitVersionRegistry() {
    ModuleState& state = State();
    if (state.shuttingDown)
        return nullptr;
    const Held held(RegistryMutex(state));
    if (!state.registry) {
        if (!state.cell)
            OpenCell(state);
        if (state.cell)
            state.registry = *state.cell;
        if (!state.registry) {
            state.registry = new TUnitVersioning;
            state.createdHere = true;
            if (state.cell)
                *state.cell = state.registry;
        }
    } else if (state.cell) {
        state.registry = *state.cell;
    }
    return state.registry;
}

void AddUnitVersionRecord(HMODULE instance, PUnitVersionInfo info) {
    if (TUnitVersioning* registry = UnitVersionRegistry())
        registry->Add(instance, info);
}

void RemoveUnitVersionRecord(HMODULE instance) {
    if (TUnitVersioning* registry = UnitVersionRegistry())
        registry->UnregisterModule(instance);
}

void ReleaseUnitVersionRegistry() {
    ModuleState& state = State();
    if (state.shuttingDown)
        return;
    {
        const Held held(RegistryMutex(state));
        state.shuttingDown = true;
        // Modules still holding the cell must not reach a registry that is about to go.
        if (state.cell && state.createdHere && *state.cell == state.registry)
            *state.cell = nullptr;
        void* view = state.cell;
        SharedMemoryClose(view);
        state.cell = nullptr;
        if (state.createdHere)
            delete state.registry;
        state.registry = nullptr;
        state.createdHere = false;
    }
    state.mutex.reset();
}
