#include "own_object_name.h"
#include "platform/win32/last_error.h"
#include "util/errors.h"
#include "util/mutex.h"
#include "util/robust_mutex.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace {

constexpr auto Bound = std::chrono::seconds(10);

TEST(WaitResult, MapsWaitCodes) {
    const struct {
        DWORD code;
        TCkWaitResult result;
    } cases[] = {
        {0x0, wrSignaled},  {0x80, wrAbandoned}, {0xC0, wrIoCompletion},
        {0x102, wrTimeout}, {0x1, wrError},      {0xFFFFFFFF, wrError},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WaitResultFromCode(c.code), c.result) << c.code;
}

// Runs body on another thread and waits, bounded, for it to end.
template <typename Body> void OnOtherThread(Body body) {
    auto done = std::async(std::launch::async, body);
    ASSERT_EQ(done.wait_for(Bound), std::future_status::ready);
    done.get();
}

TEST(Mutex, WaitOnMutexHeldElsewhereTimesOut) {
    TCkMutex mutex(nullptr, false, QString());
    std::promise<void> taken;
    std::promise<void> mayRelease;
    std::thread holder([&] {
        EXPECT_TRUE(mutex.Acquire());
        taken.set_value();
        mayRelease.get_future().wait_for(Bound);
        EXPECT_TRUE(mutex.Release());
    });
    ASSERT_EQ(taken.get_future().wait_for(Bound), std::future_status::ready);
    EXPECT_EQ(mutex.WaitFor(0), wrTimeout);
    EXPECT_FALSE(mutex.Acquire(0));
    mayRelease.set_value();
    holder.join();
    EXPECT_EQ(mutex.WaitFor(0), wrSignaled);
    EXPECT_TRUE(mutex.Release());
}

TEST(Mutex, OwnerReentersAndReleasesOncePerAcquire) {
    TCkMutex mutex(nullptr, false, QString());
    EXPECT_TRUE(mutex.Acquire());
    EXPECT_TRUE(mutex.Acquire(0));
    EXPECT_TRUE(mutex.Release());
    OnOtherThread([&] { EXPECT_EQ(mutex.WaitFor(0), wrTimeout); }); // still held once
    EXPECT_TRUE(mutex.Release());
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(mutex.Release());
    EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);
    OnOtherThread([&] {
        EXPECT_EQ(mutex.WaitFor(0), wrSignaled);
        EXPECT_TRUE(mutex.Release());
    });
}

TEST(Mutex, OwnerThatEndsLeavesTheMutexAbandoned) {
    TCkMutex mutex(nullptr, false, QString());
    OnOtherThread([&] {
        EXPECT_TRUE(mutex.Acquire());
        EXPECT_TRUE(mutex.Acquire());
    });
    EXPECT_EQ(mutex.WaitFor(0), wrAbandoned);
    EXPECT_TRUE(mutex.Release()); // the abandoned mutex was taken over with one acquire
    EXPECT_EQ(mutex.WaitFor(0), wrSignaled);
    EXPECT_TRUE(mutex.Release());

    OnOtherThread([&] { EXPECT_TRUE(mutex.Acquire()); });
    EXPECT_TRUE(mutex.Acquire(0)); // taking over an abandoned mutex counts as acquired
    EXPECT_TRUE(mutex.Release());
}

TEST(Mutex, SameNameGivesTheSameMutex) {
    TCkMutex first(nullptr, true, OwnObjectName(QStringLiteral("MutexTest_Same")));
    EXPECT_FALSE(first.Existed());
    TCkMutex second(nullptr, true, OwnObjectName(QStringLiteral("MutexTest_Same")));
    EXPECT_TRUE(second.Existed());
    EXPECT_NE(second.Handle(), first.Handle()); // each is a handle of its own
    EXPECT_EQ(second.Name(), OwnObjectName(QStringLiteral("MutexTest_Same")));
    const TCkMutex opened =
        TCkMutex::Open(MUTEX_ALL_ACCESS, false, OwnObjectName(QStringLiteral("MutexTest_Same")));
    EXPECT_TRUE(opened.Existed());
    OnOtherThread([&] { EXPECT_EQ(second.WaitFor(0), wrTimeout); }); // the first one's
    // Only the first creator became owner: one release frees it for others.
    EXPECT_TRUE(first.Release());
    OnOtherThread([&] {
        EXPECT_EQ(second.WaitFor(0), wrSignaled);
        EXPECT_TRUE(second.Release());
    });
}

TEST(Mutex, OpeningAMissingNameRaisesWithTheSystemError) {
    try {
        TCkMutex::Open(MUTEX_ALL_ACCESS, false, OwnObjectName(QStringLiteral("MutexTest_Missing")));
        FAIL() << "missing mutex opened";
    } catch (const ECkMutexError& e) {
        EXPECT_EQ(e.LastError(), ERROR_FILE_NOT_FOUND);
        EXPECT_TRUE(e.Message().endsWith(QStringLiteral("(2)\r\nFailed to open mutex")));
    }
}

TEST(Mutex, NameIsFreedWithItsLastHolder) {
    { TCkMutex gone(nullptr, false, OwnObjectName(QStringLiteral("MutexTest_Gone"))); }
    EXPECT_THROW(
        TCkMutex::Open(MUTEX_ALL_ACCESS, false, OwnObjectName(QStringLiteral("MutexTest_Gone"))),
        ECkMutexError);
    TCkMutex again(nullptr, false, OwnObjectName(QStringLiteral("MutexTest_Gone")));
    EXPECT_FALSE(again.Existed());
}

TEST(DispatcherObject, AttachedObjectIsWaitedOnDirectly) {
    bool existed = true;
    const auto raw = RobustMutex::Create(QString(), true, existed);
    EXPECT_FALSE(existed);
    TCkDispatcherObject attached = TCkDispatcherObject::Attach(raw);
    EXPECT_TRUE(attached.Existed());
    EXPECT_TRUE(attached.Name().isEmpty());
    EXPECT_EQ(attached.Handle(), raw.get());
    OnOtherThread([&] { EXPECT_EQ(attached.WaitFor(0), wrTimeout); }); // owned by its maker
    EXPECT_TRUE(raw->Release());
    OnOtherThread([&] {
        EXPECT_EQ(attached.WaitFor(0), wrSignaled);
        EXPECT_TRUE(raw->Release());
    });
}

} // namespace
