#include "util/robust_mutex.h"

#include "platform/win32/last_error.h"
#include "util/named_object.h"
#include "util/wait_result.h"

#include <cerrno>
#include <ctime>
#include <new>
#include <pthread.h>
#include <unistd.h>

// Lives in the mutex's shared memory. The owner fields are written only by the thread that
// holds the lock; they let Release refuse other threads and tell whether a closed handle's
// memory is still in use.
struct RobustMutexState {
    pthread_mutex_t mutex;
    pid_t ownerProcess;
    pid_t ownerThread;
    std::uint32_t recursion;
};

namespace {

void InitialiseState(void* data, bool shared) {
    auto* state = new (data) RobustMutexState{};
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutexattr_setrobust(&attributes, PTHREAD_MUTEX_ROBUST);
    pthread_mutexattr_setpshared(&attributes,
                                 shared ? PTHREAD_PROCESS_SHARED : PTHREAD_PROCESS_PRIVATE);
    pthread_mutex_init(&state->mutex, &attributes);
    pthread_mutexattr_destroy(&attributes);
}

bool OwnedByMe(const RobustMutexState& state) {
    return state.recursion > 0 && state.ownerProcess == ::getpid() &&
           state.ownerThread == ::gettid();
}

int TimedLock(pthread_mutex_t* mutex, DWORD timeoutMs) {
    if (timeoutMs == 0)
        return pthread_mutex_trylock(mutex);
    if (timeoutMs == CkInfinite)
        return pthread_mutex_lock(mutex);
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += time_t(timeoutMs / 1000);
    deadline.tv_nsec += long(timeoutMs % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    return pthread_mutex_clocklock(mutex, CLOCK_MONOTONIC, &deadline);
}

} // namespace

RobustMutex::RobustMutex(std::unique_ptr<NamedObject> object, RobustMutexState* state, DWORD access)
    : FObject(std::move(object)), FState(state), FAccess(access) {}

RobustMutex::~RobustMutex() {
    if (FState->recursion > 0 && FState->ownerProcess == ::getpid()) {
        (void)FObject.release();
        return;
    }
    if (!FObject) {
        pthread_mutex_destroy(&FState->mutex);
        delete FState;
    }
}

std::shared_ptr<RobustMutex> RobustMutex::Create(const QString& name, bool initialOwner,
                                                 bool& existed, NamedObjectSharing sharing) {
    existed = false;
    std::shared_ptr<RobustMutex> mutex;
    if (name.isEmpty()) {
        auto* state = static_cast<RobustMutexState*>(::operator new(sizeof(RobustMutexState)));
        InitialiseState(state, false);
        mutex.reset(new RobustMutex(nullptr, state, MUTEX_ALL_ACCESS));
    } else {
        const NamedObjectRequest request{NamedObjectKind::Mutex,
                                         true,
                                         sizeof(RobustMutexState),
                                         true,
                                         false,
                                         [](void* data) { InitialiseState(data, true); },
                                         sharing};
        auto object = NamedObject::Open(name, request, existed);
        if (!object)
            return nullptr;
        auto* state = static_cast<RobustMutexState*>(object->Data());
        mutex.reset(new RobustMutex(std::move(object), state, MUTEX_ALL_ACCESS));
    }
    // As on the desktop, an existing mutex is not taken over by its creator's initial owner flag.
    if (initialOwner && !existed)
        mutex->Wait(0);
    return mutex;
}

std::shared_ptr<RobustMutex> RobustMutex::Open(const QString& name, DWORD access,
                                               bool inheritable) {
    bool existed = false;
    const NamedObjectRequest request{
        NamedObjectKind::Mutex, false, sizeof(RobustMutexState), true, false, {}, {inheritable}};
    auto object = NamedObject::Open(name, request, existed);
    if (!object)
        return nullptr;
    auto* state = static_cast<RobustMutexState*>(object->Data());
    return std::shared_ptr<RobustMutex>(new RobustMutex(std::move(object), state, access));
}

DWORD RobustMutex::Owned(int lockResult) {
    switch (lockResult) {
    case 0:
        FState->ownerProcess = ::getpid();
        FState->ownerThread = ::gettid();
        ++FState->recursion;
        return CkWaitCode::Object0;
    case EOWNERDEAD:
        pthread_mutex_consistent(&FState->mutex);
        FState->ownerProcess = ::getpid();
        FState->ownerThread = ::gettid();
        FState->recursion = 1;
        return CkWaitCode::Abandoned;
    case EBUSY:
    case ETIMEDOUT:
        return CkWaitCode::Timeout;
    default:
        SetLastErrorFromErrno(lockResult);
        return CkWaitCode::Failed;
    }
}

DWORD RobustMutex::Wait(DWORD timeoutMs) {
    if ((FAccess & SYNCHRONIZE) == 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return CkWaitCode::Failed;
    }
    return Owned(TimedLock(&FState->mutex, timeoutMs));
}

bool RobustMutex::Release() {
    if ((FAccess & MUTEX_MODIFY_STATE) == 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    if (!OwnedByMe(*FState)) {
        SetLastError(ERROR_NOT_OWNER);
        return false;
    }
    if (--FState->recursion == 0) {
        FState->ownerProcess = 0;
        FState->ownerThread = 0;
    }
    pthread_mutex_unlock(&FState->mutex);
    return true;
}
