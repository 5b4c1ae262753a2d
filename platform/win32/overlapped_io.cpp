#include "platform/win32/overlapped_io.h"

#include "platform/win32/last_error.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <mutex>
#include <poll.h>
#include <set>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// OVERLAPPED.Internal holds an NTSTATUS: pending, success, or a Win32 code wrapped the way the
// platform wraps them (facility 7).
constexpr ULONG_PTR kStatusPending = 0x103;
constexpr ULONG_PTR kStatusFromWin32 = 0xC0070000;

struct Operation {
    HANDLE handle;
    std::shared_ptr<DeviceFile> file;
    std::span<BYTE> readBuffer; // empty for writes
    LPOVERLAPPED overlapped;
    LPOVERLAPPED_COMPLETION_ROUTINE routine;
    bool done = false;
    DWORD error = ERROR_SUCCESS;
    DWORD bytes = 0;
};

// Called with the lock held.
void complete(Operation& op, DWORD error, DWORD bytes) {
    op.done = true;
    op.error = error;
    op.bytes = bytes;
    op.overlapped->InternalHigh = bytes;
    op.overlapped->Internal = error ? kStatusFromWin32 | (error & 0xFFFF) : 0;
}

struct ThreadIo;

// Every thread's operations sit under one lock: a close on one thread must end the
// operations another thread waits on, and no buffer is written except under this lock.
struct IoState {
    std::mutex mutex;
    std::set<ThreadIo*> threads;
};

IoState& state() {
    static IoState instance;
    return instance;
}

struct ThreadIo {
    ThreadIo() : wakeFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
        std::lock_guard lock(state().mutex);
        state().threads.insert(this);
    }
    ~ThreadIo() {
        {
            std::lock_guard lock(state().mutex);
            state().threads.erase(this);
        }
        if (wakeFd >= 0)
            close(wakeFd);
    }
    // Called with the lock held.
    void wake() {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = write(wakeFd, &one, sizeof one);
    }
    void drainWake() {
        std::uint64_t count = 0;
        [[maybe_unused]] const auto got = read(wakeFd, &count, sizeof count);
    }

    std::vector<Operation> operations; // in start order; under the lock
    int wakeFd;
};

ThreadIo& thisThread() {
    thread_local ThreadIo io;
    return io;
}

BOOL fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

// Called with the lock held.
bool isPending(const ThreadIo& io, LPOVERLAPPED overlapped) {
    return std::any_of(io.operations.begin(), io.operations.end(), [&](const Operation& op) {
        return !op.done && op.overlapped == overlapped;
    });
}

BOOL start(Operation op, bool isRead) {
    const auto file = DeviceFileFromHandle(op.handle);
    if (!file)
        return FALSE;
    if (!op.overlapped || !op.routine || !file->overlapped)
        return fail(ERROR_INVALID_PARAMETER);
    const HidAccess access = file->channel->access();
    if (isRead ? !accessReads(access) : !accessWrites(access))
        return fail(ERROR_ACCESS_DENIED);
    // A read on a device that is gone fails at its start, as the platform's does.
    if (isRead) {
        if (const DWORD error = file->channel->connectionError())
            return fail(error);
    }
    op.file = file;
    ThreadIo& io = thisThread();
    std::lock_guard lock(state().mutex);
    if (isPending(io, op.overlapped))
        return fail(ERROR_INVALID_PARAMETER);
    op.overlapped->Internal = kStatusPending;
    op.overlapped->InternalHigh = 0;
    io.operations.push_back(std::move(op));
    return TRUE;
}

// Runs the routines of the finished operations of this thread; false when there were none.
bool runCompletions(ThreadIo& io) {
    std::vector<Operation> finished;
    {
        std::lock_guard lock(state().mutex);
        auto firstPending = std::stable_partition(io.operations.begin(), io.operations.end(),
                                                  [](const Operation& op) { return op.done; });
        finished.assign(std::make_move_iterator(io.operations.begin()),
                        std::make_move_iterator(firstPending));
        io.operations.erase(io.operations.begin(), firstPending);
    }
    for (const Operation& op : finished)
        op.routine(op.error, op.bytes, op.overlapped);
    return !finished.empty();
}

// Waits up to timeoutMs (-1: without end) for a pending read to become readable or for a wake,
// then reads whatever is ready.
void waitForInput(ThreadIo& io, int timeoutMs) {
    std::vector<pollfd> fds{{io.wakeFd, POLLIN, 0}};
    {
        std::lock_guard lock(state().mutex);
        for (const Operation& op : io.operations) {
            if (!op.done && op.file->channel->pollFd() >= 0)
                fds.push_back({op.file->channel->pollFd(), POLLIN, 0});
        }
    }
    if (poll(fds.data(), fds.size(), timeoutMs) < 0 && errno != EINTR)
        return;
    std::lock_guard lock(state().mutex);
    io.drainWake();
    for (Operation& op : io.operations) {
        if (op.done || op.readBuffer.empty())
            continue;
        DWORD got = 0;
        const DWORD error = op.file->readReport(op.readBuffer, got);
        if (error || got > 0)
            complete(op, error, got);
    }
}

} // namespace

BOOL ReadFileEx(HANDLE handle, LPVOID buffer, DWORD toRead, LPOVERLAPPED overlapped,
                LPOVERLAPPED_COMPLETION_ROUTINE routine) {
    if (!buffer || toRead == 0)
        return fail(ERROR_INVALID_PARAMETER);
    return start({handle, nullptr, {static_cast<BYTE*>(buffer), toRead}, overlapped, routine},
                 true);
}

BOOL WriteFileEx(HANDLE handle, LPCVOID buffer, DWORD toWrite, LPOVERLAPPED overlapped,
                 LPOVERLAPPED_COMPLETION_ROUTINE routine) {
    if (!buffer || toWrite == 0)
        return fail(ERROR_INVALID_PARAMETER);
    if (!start({handle, nullptr, {}, overlapped, routine}, false))
        return FALSE;
    // A write does not wait for anything, so it is sent at once; its routine still runs only
    // inside the next alertable wait.
    ThreadIo& io = thisThread();
    std::shared_ptr<HidChannel> channel;
    {
        std::lock_guard lock(state().mutex);
        channel = io.operations.back().file->channel;
    }
    const DWORD error = channel->writeReport({static_cast<const BYTE*>(buffer), toWrite});
    std::lock_guard lock(state().mutex);
    for (Operation& op : io.operations) {
        if (!op.done && op.overlapped == overlapped)
            complete(op, error, error ? 0 : toWrite);
    }
    return TRUE;
}

DWORD SleepEx(DWORD ms, BOOL alertable) {
    if (!alertable) {
        if (ms == INFINITE)
            for (;;)
                std::this_thread::sleep_for(std::chrono::hours(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return 0;
    }
    ThreadIo& io = thisThread();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (runCompletions(io))
            return WAIT_IO_COMPLETION;
        int timeoutMs = -1;
        if (ms != INFINITE) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            timeoutMs = static_cast<int>(std::clamp<long long>(left.count(), 0, INT32_MAX));
        }
        waitForInput(io, timeoutMs);
        if (runCompletions(io))
            return WAIT_IO_COMPLETION;
        if (timeoutMs == 0)
            return 0;
    }
}

BOOL GetOverlappedResult(HANDLE handle, LPOVERLAPPED overlapped, LPDWORD bytes, BOOL wait) {
    if (!DeviceFileFromHandle(handle))
        return FALSE;
    if (!overlapped || !bytes || wait)
        return fail(ERROR_INVALID_PARAMETER);
    std::lock_guard lock(state().mutex);
    const ULONG_PTR status = overlapped->Internal;
    if (status == kStatusPending)
        return fail(ERROR_IO_INCOMPLETE);
    *bytes = static_cast<DWORD>(overlapped->InternalHigh);
    if (status != 0)
        return fail(static_cast<DWORD>(status & 0xFFFF));
    return TRUE;
}

BOOL CancelIo(HANDLE handle) {
    if (!DeviceFileFromHandle(handle))
        return FALSE;
    ThreadIo& io = thisThread();
    std::lock_guard lock(state().mutex);
    for (Operation& op : io.operations) {
        if (!op.done && op.handle == handle)
            complete(op, ERROR_OPERATION_ABORTED, 0);
    }
    return TRUE;
}

void AbortPendingIo(HANDLE handle) {
    std::lock_guard lock(state().mutex);
    for (ThreadIo* io : state().threads) {
        bool aborted = false;
        for (Operation& op : io->operations) {
            if (!op.done && op.handle == handle) {
                complete(op, ERROR_OPERATION_ABORTED, 0);
                aborted = true;
            }
        }
        if (aborted)
            io->wake();
    }
}
