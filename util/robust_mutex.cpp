#include "util/robust_mutex.h"

#include "platform/win32/last_error.h"
#include "util/wait_result.h"

#include <QHash>
#include <algorithm>
#include <chrono>
#include <vector>

namespace {

// The mutexes the current thread owns; ending the thread abandons them.
class OwnedMutexes {
public:
    ~OwnedMutexes() {
        for (const auto& mutex : FMutexes)
            mutex->Abandon();
    }
    void Add(std::shared_ptr<RobustMutex> mutex) { FMutexes.push_back(std::move(mutex)); }
    void Remove(const RobustMutex* mutex) {
        std::erase_if(FMutexes, [mutex](const auto& held) { return held.get() == mutex; });
    }

private:
    std::vector<std::shared_ptr<RobustMutex>> FMutexes;
};

thread_local OwnedMutexes ownedByThisThread;

struct NamedMutexes {
    std::mutex lock;
    QHash<QString, std::weak_ptr<RobustMutex>> byName;
};

NamedMutexes& Names() {
    static NamedMutexes* names = new NamedMutexes; // outlives every thread's clean-up
    return *names;
}

} // namespace

std::shared_ptr<RobustMutex> RobustMutex::Create(const QString& name, bool initialOwner,
                                                 bool& existed) {
    existed = false;
    std::shared_ptr<RobustMutex> mutex;
    if (!name.isEmpty()) {
        NamedMutexes& names = Names();
        const std::lock_guard guard(names.lock);
        mutex = names.byName[name].lock();
        existed = mutex != nullptr;
        if (!mutex) {
            mutex = std::make_shared<RobustMutex>();
            names.byName[name] = mutex;
        }
    } else {
        mutex = std::make_shared<RobustMutex>();
    }
    // As on Windows, an existing mutex is not taken over by its creator's initial owner flag.
    if (initialOwner && !existed)
        mutex->Wait(0);
    return mutex;
}

std::shared_ptr<RobustMutex> RobustMutex::Open(const QString& name) {
    NamedMutexes& names = Names();
    const std::lock_guard guard(names.lock);
    const auto found = names.byName.find(name);
    std::shared_ptr<RobustMutex> mutex = found == names.byName.end() ? nullptr : found->lock();
    if (!mutex)
        SetLastError(ERROR_FILE_NOT_FOUND);
    return mutex;
}

DWORD RobustMutex::Wait(DWORD timeoutMs) {
    std::unique_lock lock(FLock);
    const auto me = std::this_thread::get_id();
    if (FOwner == me) {
        ++FRecursion;
        return CkWaitCode::Object0;
    }
    const auto isFree = [this] {
        return FRecursion == 0;
    };
    if (timeoutMs == CkInfinite)
        FFreed.wait(lock, isFree);
    else if (!FFreed.wait_for(lock, std::chrono::milliseconds(timeoutMs), isFree))
        return CkWaitCode::Timeout;
    const DWORD code = TakeOwnership();
    lock.unlock();
    ownedByThisThread.Add(shared_from_this());
    return code;
}

DWORD RobustMutex::TakeOwnership() {
    FOwner = std::this_thread::get_id();
    FRecursion = 1;
    const bool abandoned = FAbandoned;
    FAbandoned = false;
    return abandoned ? CkWaitCode::Abandoned : CkWaitCode::Object0;
}

bool RobustMutex::Release() {
    std::unique_lock lock(FLock);
    if (FOwner != std::this_thread::get_id() || FRecursion == 0) {
        SetLastError(ERROR_NOT_OWNER);
        return false;
    }
    if (--FRecursion > 0)
        return true;
    FOwner = {};
    lock.unlock();
    FFreed.notify_one();
    ownedByThisThread.Remove(this);
    return true;
}

void RobustMutex::Abandon() {
    {
        const std::lock_guard lock(FLock);
        if (FOwner != std::this_thread::get_id())
            return;
        FOwner = {};
        FRecursion = 0;
        FAbandoned = true;
    }
    FFreed.notify_one();
}
