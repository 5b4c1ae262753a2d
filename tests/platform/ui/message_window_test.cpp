#include "platform/hidbus/sim_hid_bus.h"
#include "platform/ui/message_window.h"
#include "platform/win32/last_error.h"
#include "tests/support/recording_ui_host.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <stdexcept>
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

} // namespace
