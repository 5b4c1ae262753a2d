#include "util/unit_version_registry.h"

#include "util/errors.h"
#include "util/mutex.h"
#include "util/named_object.h"
#include "util/shared_memory.h"

#include <cstdlib>
#include <memory>
#include <mutex>
#include <unistd.h>
#include <utility>

namespace {

constexpr const char* MutexPrefix = "MutexNPA_UnitVersioning_";
constexpr const char* CellPrefix = "ShmNPA_UnitVersioning_";

// What this module knows of the registry. The mutex pointer is guarded by a local lock; everything
// else is touched only under the named mutex. A caller keeps its own reference to the mutex while
// it holds it, so a release running meanwhile cannot free it under the caller.
struct ModuleState {
    std::mutex mutexLock;
    std::shared_ptr<TCkMutex> mutex;
    bool shuttingDown = false;
    TUnitVersioning* registry = nullptr;
    bool createdHere = false;
    TUnitVersioning** cell = nullptr;
};

ModuleState& State() {
    static ModuleState state;
    return state;
}

QString ProcessName(const char* prefix) {
    return QLatin1String(prefix) + QString::number(::getpid());
}

// The named mutex, made on first use; null once the registry was released.
std::shared_ptr<TCkMutex> RegistryMutex(ModuleState& state) {
    const std::lock_guard guard(state.mutexLock);
    if (state.shuttingDown)
        return nullptr;
    if (!state.mutex) {
        ReclaimAbandonedObjects(QLatin1String(MutexPrefix));
        ReclaimAbandonedObjects(QLatin1String(CellPrefix));
        state.mutex = std::make_shared<TCkMutex>(nullptr, false, ProcessName(MutexPrefix));
    }
    return state.mutex;
}

// The cell's name lives in the file system, named after this process: a process that ends
// without releasing the registry must still give it back, or the names pile up.
void CloseCellAtExit() {
    ModuleState& state = State();
    void* view = std::exchange(state.cell, nullptr);
    if (view)
        SharedMemoryClose(view);
}

void OpenCell(ModuleState& state) {
    void* view = nullptr;
    try {
        SharedMemoryOpen(view, ProcessName(CellPrefix), sizeof(TUnitVersioning*));
    } catch (const ECkError&) {
        view = nullptr; // the module keeps a registry of its own then
    }
    state.cell = static_cast<TUnitVersioning**>(view);
    // Registered after the named-object machinery made its own statics, so it runs before
    // they go.
    static const bool closesAtExit = (std::atexit(CloseCellAtExit), true);
    (void)closesAtExit;
}

class Held {
public:
    explicit Held(std::shared_ptr<TCkMutex> mutex) : FMutex(std::move(mutex)) {
        if (FMutex)
            FMutex->Acquire();
    }
    ~Held() {
        if (FMutex)
            FMutex->Release();
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

    // False when the registry was released before the mutex could be had.
    bool Usable(const ModuleState& state) const { return FMutex && !state.shuttingDown; }

private:
    std::shared_ptr<TCkMutex> FMutex;
};

// The registry; the caller holds the named mutex.
TUnitVersioning* LockedRegistry(ModuleState& state) {
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

} // namespace

TUnitVersioning* UnitVersionRegistry() {
    ModuleState& state = State();
    const Held held(RegistryMutex(state));
    return held.Usable(state) ? LockedRegistry(state) : nullptr;
}

// The registry is changed under the named mutex, so modules registering from several threads do
// not lose records and a release cannot free the registry in the middle of a change.
void AddUnitVersionRecord(HMODULE instance, PUnitVersionInfo info) {
    ModuleState& state = State();
    const Held held(RegistryMutex(state));
    if (held.Usable(state))
        LockedRegistry(state)->Add(instance, info);
}

void RemoveUnitVersionRecord(HMODULE instance) {
    ModuleState& state = State();
    const Held held(RegistryMutex(state));
    if (held.Usable(state))
        LockedRegistry(state)->UnregisterModule(instance);
}

void ReleaseUnitVersionRegistry() {
    ModuleState& state = State();
    const Held held(RegistryMutex(state));
    if (!held.Usable(state))
        return;
    {
        const std::lock_guard guard(state.mutexLock);
        state.shuttingDown = true;
        // Callers that still hold a reference finish with it; new ones find none.
        state.mutex.reset();
    }
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
