#include "platform/hidbus/sim_hid_bus.h"
#include "platform/win32/last_error.h"
#include "platform/win32/overlapped_io.h"

#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace {

// What one completion routine saw; routines get no context but their OVERLAPPED, whose hEvent
// is free for the caller.
struct Completion {
    int calls = 0;
    DWORD error = 0;
    DWORD bytes = 0;
    std::thread::id thread;
};

void recordCompletion(DWORD error, DWORD bytes, LPOVERLAPPED overlapped) {
    auto* seen = static_cast<Completion*>(overlapped->hEvent);
    ++seen->calls;
    seen->error = error;
    seen->bytes = bytes;
    seen->thread = std::this_thread::get_id();
}

// Long enough never to end a wait in a passing run; short enough that a broken run still ends.
constexpr DWORD kBoundedWaitMs = 10000;

class OverlappedIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        SimHidDeviceSpec spec;
        spec.setOutput = [this](std::span<const BYTE> report) {
            written.assign(report.begin(), report.end());
            return ERROR_SUCCESS;
        };
        device = bus.addDevice(spec);
        buffer.fill(0xAA);
        overlapped.hEvent = &completion;
    }

    HANDLE open(DWORD access, DWORD flags = FILE_FLAG_OVERLAPPED) {
        const std::u16string path = bus.nodePath(device).toStdU16String();
        return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, flags, nullptr);
    }

    bool startRead(HANDLE handle) {
        return ReadFileEx(handle, buffer.data(), buffer.size(), &overlapped, &recordCompletion);
    }

    bool bufferUntouched() const {
        return std::all_of(buffer.begin(), buffer.end(), [](BYTE b) { return b == 0xAA; });
    }

    SimHidBus bus;
    ScopedHidBus guard{bus};
    SimHidBus::DeviceId device = 0;
    std::array<BYTE, 9> buffer{};
    OVERLAPPED overlapped{};
    Completion completion;
    std::vector<BYTE> written;
};

TEST_F(OverlappedIoTest, CompletionRunsOnlyInsideTheAlertableWait) {
    HANDLE handle = open(GENERIC_READ);
    bus.queueInput(device, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    ASSERT_TRUE(startRead(handle));

    DWORD bytes = 0;
    EXPECT_FALSE(GetOverlappedResult(handle, &overlapped, &bytes, FALSE));
    EXPECT_EQ(GetLastError(), ERROR_IO_INCOMPLETE);
    EXPECT_EQ(SleepEx(0, FALSE), 0u) << "a plain sleep runs no routine";
    EXPECT_EQ(completion.calls, 0);

    EXPECT_EQ(SleepEx(0, TRUE), WAIT_IO_COMPLETION);
    EXPECT_EQ(completion.calls, 1);
    EXPECT_EQ(completion.error, ERROR_SUCCESS);
    EXPECT_EQ(completion.bytes, 9u);
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[8], 9);
    ASSERT_TRUE(GetOverlappedResult(handle, &overlapped, &bytes, FALSE));
    EXPECT_EQ(bytes, 9u);

    EXPECT_EQ(SleepEx(0, TRUE), 0u) << "nothing left to complete";
    CloseHandle(handle);
}

TEST_F(OverlappedIoTest, ReportArrivingLaterWakesTheWaitingThread) {
    HANDLE handle = open(GENERIC_READ);
    std::promise<void> started;
    std::thread::id readerId;
    DWORD waitResult = 0;
    std::thread reader([&] {
        readerId = std::this_thread::get_id();
        const bool ok = startRead(handle);
        started.set_value();
        waitResult = ok ? SleepEx(kBoundedWaitMs, TRUE) : 0;
    });
    started.get_future().wait();
    bus.queueInput(device, {1, 0x55});
    reader.join();

    EXPECT_EQ(waitResult, WAIT_IO_COMPLETION);
    EXPECT_EQ(completion.calls, 1);
    EXPECT_EQ(completion.thread, readerId) << "the routine runs on the thread that started";
    EXPECT_EQ(completion.bytes, 2u);
    EXPECT_EQ(buffer[1], 0x55);
    CloseHandle(handle);
}

TEST_F(OverlappedIoTest, CancelledReadNeverTouchesTheBuffer) {
    HANDLE handle = open(GENERIC_READ);
    ASSERT_TRUE(startRead(handle));
    EXPECT_TRUE(CancelIo(handle));
    bus.queueInput(device, {1, 2, 3});

    EXPECT_EQ(SleepEx(0, TRUE), WAIT_IO_COMPLETION);
    EXPECT_EQ(completion.calls, 1);
    EXPECT_EQ(completion.error, ERROR_OPERATION_ABORTED);
    EXPECT_EQ(completion.bytes, 0u);
    EXPECT_TRUE(bufferUntouched());
    DWORD bytes = 7;
    EXPECT_FALSE(GetOverlappedResult(handle, &overlapped, &bytes, FALSE));
    EXPECT_EQ(GetLastError(), ERROR_OPERATION_ABORTED);
    EXPECT_EQ(bytes, 0u);

    ASSERT_TRUE(startRead(handle)) << "the report queued after the cancel is still there";
    EXPECT_EQ(SleepEx(0, TRUE), WAIT_IO_COMPLETION);
    EXPECT_EQ(completion.bytes, 3u);
    CloseHandle(handle);
}

TEST_F(OverlappedIoTest, ClosingTheHandleWakesTheWaiterWithAnAbortedRead) {
    HANDLE handle = open(GENERIC_READ);
    std::promise<void> started;
    DWORD waitResult = 0;
    std::thread reader([&] {
        const bool ok = startRead(handle);
        started.set_value();
        waitResult = ok ? SleepEx(kBoundedWaitMs, TRUE) : 0;
    });
    started.get_future().wait();
    EXPECT_TRUE(CloseHandle(handle));
    reader.join();
    bus.queueInput(device, {1, 2, 3});

    EXPECT_EQ(waitResult, WAIT_IO_COMPLETION);
    EXPECT_EQ(completion.error, ERROR_OPERATION_ABORTED);
    EXPECT_TRUE(bufferUntouched());
    DWORD bytes = 0;
    EXPECT_FALSE(GetOverlappedResult(handle, &overlapped, &bytes, FALSE));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(startRead(handle)) << "a closed handle starts nothing";
}

TEST_F(OverlappedIoTest, UnplugEndsAPendingReadWithNotConnected) {
    HANDLE handle = open(GENERIC_READ);
    ASSERT_TRUE(startRead(handle));
    bus.unplug(device);
    EXPECT_EQ(SleepEx(0, TRUE), WAIT_IO_COMPLETION);
    EXPECT_EQ(completion.error, ERROR_DEVICE_NOT_CONNECTED);
    EXPECT_TRUE(bufferUntouched());

    // A reader that starts again must hear it at once, not from a completion in a busy loop.
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(startRead(handle));
    EXPECT_EQ(GetLastError(), ERROR_DEVICE_NOT_CONNECTED);
    EXPECT_EQ(SleepEx(0, TRUE), 0u) << "nothing was started";
    CloseHandle(handle);
}

TEST_F(OverlappedIoTest, WriteIsSentAtOnceAndReportedInTheWait) {
    HANDLE handle = open(GENERIC_WRITE);
    const BYTE report[] = {3, 1, 4};
    ASSERT_TRUE(WriteFileEx(handle, report, sizeof report, &overlapped, &recordCompletion));
    EXPECT_EQ(written, (std::vector<BYTE>{3, 1, 4}));
    EXPECT_EQ(completion.calls, 0);
    EXPECT_EQ(SleepEx(0, TRUE), WAIT_IO_COMPLETION);
    EXPECT_EQ(completion.bytes, 3u);
    CloseHandle(handle);
}

TEST_F(OverlappedIoTest, RefusedStarts) {
    HANDLE plain = open(GENERIC_READ | GENERIC_WRITE, 0);
    HANDLE writer = open(GENERIC_WRITE);
    HANDLE reader = open(GENERIC_READ);
    ASSERT_TRUE(startRead(reader));
    const struct {
        const char* what;
        HANDLE handle;
        DWORD error;
    } cases[] = {
        {"handle opened without FILE_FLAG_OVERLAPPED", plain, ERROR_INVALID_PARAMETER},
        {"write-only handle", writer, ERROR_ACCESS_DENIED},
        {"OVERLAPPED of a pending read", reader, ERROR_INVALID_PARAMETER},
        {"not a handle", INVALID_HANDLE_VALUE, ERROR_INVALID_HANDLE},
    };
    for (const auto& c : cases) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(startRead(c.handle)) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
    CancelIo(reader);
    SleepEx(0, TRUE);
    for (HANDLE h : {plain, writer, reader})
        CloseHandle(h);
}

} // namespace
