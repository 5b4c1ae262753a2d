#pragma once
// A recursive mutex with the Windows rules for owners that go away: when the owning thread
// ends without releasing it, the next waiter gets it with CkWaitCode::Abandoned. Named mutexes
// live in a table of this process, so the same name gives the same mutex.

#include "util/waitable.h"

#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class RobustMutex final : public CkWaitable, public std::enable_shared_from_this<RobustMutex> {
public:
    // The mutex for name, made when the process has none yet; existed tells which. An empty name
    // makes an unnamed mutex. initialOwner makes the calling thread the owner of a new mutex.
    static std::shared_ptr<RobustMutex> Create(const QString& name, bool initialOwner,
                                               bool& existed);
    // The existing mutex for name, or null with last error ERROR_FILE_NOT_FOUND.
    static std::shared_ptr<RobustMutex> Open(const QString& name);

    DWORD Wait(DWORD timeoutMs) override;
    // False with last error ERROR_NOT_OWNER when the calling thread does not own the mutex.
    bool Release();
    bool Signal() override { return Release(); }

    // Called for each mutex a thread still owns when the thread ends.
    void Abandon();

    RobustMutex() = default;

private:
    DWORD TakeOwnership();

    std::mutex FLock;
    std::condition_variable FFreed;
    std::thread::id FOwner;
    int FRecursion = 0;
    bool FAbandoned = false;
};
