#pragma once
// A recursive mutex with the desktop's rules for owners that go away: when the owning thread
// ends without releasing it, the next waiter gets it with CkWaitCode::Abandoned. A named mutex
// is shared with every process that opens the same name (see NamedObject); an unnamed one is
// this process's own. Each Create or Open is a handle of its own with its own access rights.

#include "util/named_object.h"
#include "util/waitable.h"

#include <QString>
#include <memory>

struct RobustMutexState;

// Access rights of a mutex handle.
constexpr DWORD SYNCHRONIZE = 0x00100000;
constexpr DWORD MUTEX_MODIFY_STATE = 0x0001;
constexpr DWORD MUTEX_ALL_ACCESS = 0x001F0001;

class RobustMutex final : public CkWaitable {
public:
    // The mutex for name, made when no process has it yet; existed tells which. An empty name
    // makes an unnamed mutex. initialOwner makes the calling thread the owner of a new mutex.
    // Null with the last error set when the name cannot be had (see NamedObject::Open). sharing
    // applies to a named mutex only.
    static std::shared_ptr<RobustMutex> Create(const QString& name, bool initialOwner,
                                               bool& existed, NamedObjectSharing sharing = {});
    // The existing mutex for name with the access asked for, or null with last error
    // ERROR_FILE_NOT_FOUND (or another of NamedObject::Open's).
    static std::shared_ptr<RobustMutex> Open(const QString& name, DWORD access,
                                             bool inheritable = false);

    // Fails with ERROR_ACCESS_DENIED without SYNCHRONIZE access.
    DWORD Wait(DWORD timeoutMs) override;
    // False with last error ERROR_NOT_OWNER when the calling thread does not own the mutex,
    // ERROR_ACCESS_DENIED without MUTEX_MODIFY_STATE access.
    bool Release();
    bool Signal() override { return Release(); }

    // A mutex still owned by a thread of this process stays in memory for good: that thread's
    // list of robust mutexes points into it until the thread ends.
    ~RobustMutex() override;

private:
    RobustMutex(std::unique_ptr<NamedObject> object, RobustMutexState* state, DWORD access);
    DWORD Owned(int lockResult);

    std::unique_ptr<NamedObject> FObject; // null for an unnamed mutex
    RobustMutexState* FState;
    DWORD FAccess;
};
