#include "util/mutex.h"

#include "util/errors.h"

TCkMutex::Made TCkMutex::Make(const QString& name, bool initialOwner) {
    Made made{nullptr, false};
    made.mutex = RobustMutex::Create(name, initialOwner, made.existed);
    if (!made.mutex)
        throw ECkMutexError(ECkWin32Error::CreateRes(CkRes::SCreateMutexFailed));
    return made;
}

TCkMutex::TCkMutex(const Made& made, const QString& name)
    : TCkDispatcherObject(made.mutex, name, made.existed), FMutex(made.mutex.get()) {}

TCkMutex::TCkMutex(const SECURITY_ATTRIBUTES*, bool initialOwner, const QString& name)
    : TCkMutex(Make(name, initialOwner), name) {}

TCkMutex TCkMutex::Open(DWORD access, bool, const QString& name) {
    auto mutex = RobustMutex::Open(name, access);
    if (!mutex)
        throw ECkMutexError(ECkWin32Error::CreateRes(CkRes::SOpenMutexFailed));
    return TCkMutex(Made{std::move(mutex), true}, name);
}

bool TCkMutex::Acquire(DWORD timeoutMs) {
    const TCkWaitResult result = WaitFor(timeoutMs);
    return result == wrSignaled || result == wrAbandoned;
}

bool TCkMutex::Release() {
    return FMutex->Release();
}
