#include "util/mutex.h"

#include "util/errors.h"
#include "util/robust_mutex.h"

TCkMutex::Made TCkMutex::Make(const QString& name, bool initialOwner) {
    Made made{nullptr, false};
    made.mutex = RobustMutex::Create(name, initialOwner, made.existed);
    return made;
}

TCkMutex::TCkMutex(const Made& made, const QString& name)
    : TCkDispatcherObject(made.mutex, name, made.existed), FMutex(made.mutex.get()) {}

TCkMutex::TCkMutex(bool initialOwner, const QString& name)
    : TCkMutex(Make(name, initialOwner), name) {}

TCkMutex TCkMutex::Open(const QString& name) {
    auto mutex = RobustMutex::Open(name);
    if (!mutex)
        throw ECkMutexError(QStringLiteral("Failed to open mutex"));
    return TCkMutex(Made{std::move(mutex), true}, name);
}

bool TCkMutex::Acquire(DWORD timeoutMs) {
    const TCkWaitResult result = WaitFor(timeoutMs);
    return result == wrSignaled || result == wrAbandoned;
}

bool TCkMutex::Release() {
    return FMutex->Release();
}
