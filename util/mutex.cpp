#include "util/mutex.h"

#include "platform/win32/security.h"
#include "util/errors.h"

namespace {

constexpr mode_t UserOnly = 0600;
constexpr mode_t EveryUser = 0666;

NamedObjectSharing SharingOf(const SECURITY_ATTRIBUTES* secAttr) {
    return {secAttr && secAttr->bInheritHandle, GrantsEveryone(secAttr) ? EveryUser : UserOnly};
}

} // namespace

TCkMutex::Made TCkMutex::Make(const QString& name, bool initialOwner, NamedObjectSharing sharing) {
    Made made{nullptr, false};
    made.mutex = RobustMutex::Create(name, initialOwner, made.existed, sharing);
    if (!made.mutex)
        throw ECkMutexError(ECkWin32Error::CreateRes(CkRes::SCreateMutexFailed));
    return made;
}

TCkMutex::TCkMutex(const Made& made, const QString& name)
    : TCkDispatcherObject(made.mutex, name, made.existed), FMutex(made.mutex.get()) {}

TCkMutex::TCkMutex(const SECURITY_ATTRIBUTES* secAttr, bool initialOwner, const QString& name)
    : TCkMutex(Make(name, initialOwner, SharingOf(secAttr)), name) {}

TCkMutex TCkMutex::Open(DWORD access, bool inheritable, const QString& name) {
    auto mutex = RobustMutex::Open(name, access, inheritable);
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
