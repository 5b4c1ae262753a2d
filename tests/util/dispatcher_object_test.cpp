#include "platform/hidbus/sim_hid_bus.h"
#include "platform/win32/last_error.h"
#include "platform/win32/overlapped_io.h"
#include "util/mutex.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace {

// Long enough never to end a wait in a passing run; short enough that a broken run still ends.
constexpr DWORD BoundMs = 10000;
constexpr auto Bound = std::chrono::milliseconds(BoundMs);

int completions = 0;

void countCompletion(DWORD, DWORD, LPOVERLAPPED) {
    ++completions;
}

// Holds a mutex on another thread until released.
class Holder {
public:
    explicit Holder(TCkMutex& mutex) {
        thread = std::thread([&] {
            mutex.Acquire();
            taken.set_value();
            mayRelease.get_future().wait_for(Bound);
            mutex.Release();
        });
        taken.get_future().wait();
    }
    ~Holder() {
        mayRelease.set_value();
        thread.join();
    }

private:
    std::promise<void> taken;
    std::promise<void> mayRelease;
    std::thread thread;
};

// Whether another thread can take the mutex at once.
bool FreeElsewhere(TCkMutex& mutex) {
    auto taken = std::async(std::launch::async, [&] {
        const bool got = mutex.Acquire(0);
        if (got)
            mutex.Release();
        return got;
    });
    return taken.wait_for(Bound) == std::future_status::ready && taken.get();
}

} // namespace

TEST(AlertableWait, EndsWhenTheObjectIsSignalledOrTheTimeIsUp) {
    TCkMutex mutex(nullptr, false, QString());
    EXPECT_EQ(mutex.WaitAlertable(0), wrSignaled);
    mutex.Release();
    const Holder holder(mutex);
    EXPECT_EQ(mutex.WaitAlertable(0), wrTimeout);
}

TEST(AlertableWait, ACompletedOperationEndsTheWaitAfterItsRoutine) {
    SimHidBus bus;
    const ScopedHidBus guard(bus);
    SimHidDeviceSpec spec;
    spec.setOutput = [](std::span<const BYTE>) {
        return DWORD{ERROR_SUCCESS};
    };
    const auto device = bus.addDevice(spec);
    const std::u16string path = bus.nodePath(device).toStdU16String();
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);

    TCkMutex mutex(nullptr, false, QString());
    const Holder holder(mutex);
    const BYTE report[9] = {7};
    OVERLAPPED overlapped{};
    completions = 0;
    ASSERT_TRUE(WriteFileEx(handle, report, sizeof report, &overlapped, &countCompletion));
    EXPECT_EQ(mutex.WaitAlertable(BoundMs), wrIoCompletion);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(mutex.WaitFor(0), wrTimeout) << "a plain wait runs no routine and still times out";
    CloseHandle(handle);
}

TEST(AlertableWait, AnAbandonedMutexIsReported) {
    TCkMutex mutex(nullptr, false, QString());
    std::thread([&] { mutex.Acquire(); }).join();
    EXPECT_EQ(mutex.WaitAlertable(BoundMs), wrAbandoned);
    mutex.Release();
}

TEST(SignalAndWait, ReleasesOneMutexAndTakesTheOther) {
    TCkMutex held(nullptr, false, QString());
    TCkMutex wanted(nullptr, false, QString());
    ASSERT_TRUE(held.Acquire());
    for (const bool alertable : {false, true}) {
        EXPECT_EQ(wanted.SignalAndWait(held, 0, alertable), wrSignaled) << alertable;
        EXPECT_TRUE(FreeElsewhere(held)) << alertable;
        EXPECT_FALSE(FreeElsewhere(wanted)) << alertable;
        wanted.Release();
        ASSERT_TRUE(held.Acquire());
    }
    held.Release();
}

TEST(SignalAndWait, AnObjectThatCannotBeSignalledStopsBeforeTheWait) {
    TCkMutex notOwned(nullptr, false, QString());
    TCkMutex wanted(nullptr, false, QString());
    EXPECT_EQ(wanted.SignalAndWait(notOwned, 0, false), wrError);
    EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);
    EXPECT_TRUE(FreeElsewhere(wanted)) << "nothing was waited for";
}
