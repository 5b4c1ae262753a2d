#include "platform/hidbus/sim_hid_bus.h"
#include "platform/ui/message_window.h"
#include "platform/win32/last_error.h"
#include "tests/support/recording_ui_host.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
#include <tuple>
#include <vector>

namespace {

using Message = std::tuple<UINT, WPARAM, LPARAM>;

class MessageWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "message_window_test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }

    HWND recordingWindow(std::vector<Message>& log) {
        return AllocateHWnd([&log](UINT msg, WPARAM w, LPARAM l) { log.emplace_back(msg, w, l); });
    }

    static void deliver() { QCoreApplication::processEvents(); }
};

TEST_F(MessageWindowTest, PostedMessagesArriveInOrderOnTheEventLoop) {
    std::vector<Message> log;
    HWND window = recordingWindow(log);
    EXPECT_TRUE(PostMessageW(window, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, -1));
    EXPECT_TRUE(PostMessageW(window, 0x400, 1, 2));
    EXPECT_TRUE(log.empty()) << "posting never calls the handler directly";
    deliver();
    const std::vector<Message> expected = {{WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, -1},
                                           {0x400, 1, 2}};
    EXPECT_EQ(log, expected);
    DeallocateHWnd(window);
}

TEST_F(MessageWindowTest, ReleasedWindowGetsNothingMore) {
    std::vector<Message> log;
    HWND window = recordingWindow(log);
    PostMessageW(window, 0x400, 0, 0);
    DeallocateHWnd(window);
    MSG found{};
    EXPECT_FALSE(PeekMessageW(&found, nullptr, 0, 0, PM_NOREMOVE));
    deliver();
    EXPECT_TRUE(log.empty()) << "a message queued before the release is dropped";

    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(PostMessageW(window, 0x400, 0, 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    DeallocateHWnd(window);

    std::vector<Message> newer;
    HWND other = recordingWindow(newer);
    EXPECT_NE(other, window) << "handles are not reused";
    DeallocateHWnd(other);
}

TEST_F(MessageWindowTest, WindowMayReleaseItselfInItsHandler) {
    int calls = 0;
    HWND window = nullptr;
    window = AllocateHWnd([&](UINT, WPARAM, LPARAM) {
        ++calls;
        DeallocateHWnd(window);
    });
    PostMessageW(window, 0x400, 0, 0);
    PostMessageW(window, 0x401, 0, 0);
    deliver();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(calls, 1);
}

TEST_F(MessageWindowTest, ExceptionInAHandlerIsReportedAndTheLoopGoesOn) {
    RecordingUiHost host;
    ScopedUiHost hostGuard(host);
    std::vector<Message> log;
    HWND failing = AllocateHWnd([](UINT, WPARAM, LPARAM) { throw std::runtime_error("boom"); });
    HWND healthy = recordingWindow(log);
    PostMessageW(failing, 0x400, 0, 0);
    PostMessageW(healthy, 0x401, 0, 0);
    PostMessageW(failing, 0x402, 0, 0);
    deliver();
    EXPECT_EQ(host.entries(QStringLiteral("exception")).size(), 2);
    EXPECT_TRUE(host.entries(QStringLiteral("exception")).value(0).contains(u"boom"));
    EXPECT_EQ(log.size(), 1u);
    DeallocateHWnd(failing);
    DeallocateHWnd(healthy);
}

TEST_F(MessageWindowTest, DeviceChangesOfTheCurrentBusReachEveryWindow) {
    SimHidBus bus;
    ScopedHidBus guard(bus);
    std::vector<Message> first, second;
    HWND a = recordingWindow(first);
    HWND b = recordingWindow(second);

    const auto id = bus.addDevice(SimHidDeviceSpec{});
    bus.unplug(id);
    deliver();
    const Message change{WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0};
    EXPECT_EQ(first, (std::vector<Message>{change, change}));
    EXPECT_EQ(second, first);
    DeallocateHWnd(a);
    DeallocateHWnd(b);
}

TEST_F(MessageWindowTest, PeekingFindsTheOldestMatchingMessageAndRemovingKeepsItFromTheHandler) {
    std::vector<Message> log;
    HWND window = recordingWindow(log);
    HWND other = recordingWindow(log);
    PostMessageW(other, 0x401, 9, 9);
    PostMessageW(window, 0x400, 1, 0);
    PostMessageW(window, 0x401, 2, 0);
    PostMessageW(window, 0x401, 3, 0);

    MSG found{};
    ASSERT_TRUE(PeekMessageW(&found, window, 0x401, 0x401, PM_NOREMOVE));
    EXPECT_EQ(found.hwnd, window);
    EXPECT_EQ(found.wParam, 2u);
    ASSERT_TRUE(PeekMessageW(&found, window, 0x401, 0x401, PM_REMOVE));
    EXPECT_EQ(found.wParam, 2u);
    EXPECT_FALSE(PeekMessageW(&found, window, 0x402, 0x4FF, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageW(&found, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(found.hwnd, other) << "any window of the thread: the oldest first";

    deliver();
    const std::vector<Message> expected = {{0x401, 9, 9}, {0x400, 1, 0}, {0x401, 3, 0}};
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(PeekMessageW(&found, nullptr, 0, 0, PM_NOREMOVE)) << "delivered ones are gone";
    DeallocateHWnd(window);
    DeallocateHWnd(other);
}

TEST_F(MessageWindowTest, AQuitBelongsToThePostingThread) {
    PostQuitMessage(7);
    MSG found{};
    ASSERT_TRUE(PeekMessageW(&found, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    EXPECT_EQ(found.hwnd, nullptr);
    EXPECT_EQ(found.wParam, 7u);

    std::thread other([] {
        MSG seen{};
        EXPECT_FALSE(PeekMessageW(&seen, nullptr, 0, 0, PM_NOREMOVE));
    });
    other.join();

    // Taken off again so it never ends the test's event loops.
    ASSERT_TRUE(PeekMessageW(&found, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    deliver();
}

// Answers each message with wParam + lParam, after noting it.
HWND addingWindow(std::vector<Message>& log) {
    return AllocateHWnd([&log](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        log.emplace_back(msg, w, l);
        return static_cast<LRESULT>(w) + l;
    });
}

// Pumps the event loop until done is set, for at most five seconds.
bool pumpUntil(const std::atomic<bool>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done;
}

TEST_F(MessageWindowTest, SentMessageIsHandledAtOnceAheadOfPostedOnesAndAnswers) {
    std::vector<Message> log;
    HWND window = addingWindow(log);
    PostMessageW(window, 0x400, 1, 1);
    EXPECT_EQ(SendMessageW(window, 0x401, 40, 2), 42);
    EXPECT_EQ(log, (std::vector<Message>{{0x401, 40, 2}}));
    deliver();
    EXPECT_EQ(log, (std::vector<Message>{{0x401, 40, 2}, {0x400, 1, 1}}));
    DeallocateHWnd(window);
}

TEST_F(MessageWindowTest, SentMessageFromAnotherThreadWaitsForTheWindowsThread) {
    std::vector<Message> log;
    HWND window = addingWindow(log);
    std::atomic<bool> done = false;
    LRESULT answer = 0;
    std::thread sender([&] {
        answer = SendMessageW(window, 0x402, 5, 6);
        done = true;
    });
    ASSERT_TRUE(pumpUntil(done));
    sender.join();
    EXPECT_EQ(answer, 11);
    EXPECT_EQ(log, (std::vector<Message>{{0x402, 5, 6}})) << "handled on this thread";
    DeallocateHWnd(window);
}

TEST_F(MessageWindowTest, SentMessageAnswersZeroWhenItCannotBeHandled) {
    RecordingUiHost host;
    ScopedUiHost hostGuard(host);
    std::vector<Message> log;

    HWND gone = addingWindow(log);
    DeallocateHWnd(gone);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(SendMessageW(gone, 0x400, 1, 2), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);

    HWND failing = AllocateHWnd(
        [](UINT, WPARAM, LPARAM) -> LRESULT { throw std::runtime_error("no answer"); });
    EXPECT_EQ(SendMessageW(failing, 0x400, 1, 2), 0);
    EXPECT_EQ(host.entries(QStringLiteral("exception")).size(), 1);
    DeallocateHWnd(failing);

    // Released while another thread waits for the answer: the waiting ends.
    HWND released = addingWindow(log);
    std::atomic<bool> queued = false;
    std::atomic<bool> done = false;
    LRESULT answer = -1;
    std::thread sender([&] {
        queued = true;
        answer = SendMessageW(released, 0x403, 1, 2);
        done = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!queued && clock.elapsed() < 5000)
        std::this_thread::yield();
    // The sender may not have queued its message yet; the window then no longer exists.
    DeallocateHWnd(released);
    ASSERT_TRUE(pumpUntil(done));
    sender.join();
    EXPECT_EQ(answer, 0);
    EXPECT_TRUE(log.empty());
}

} // namespace
