#include "components/util/window_messages.h"
#include "platform/ui/message_window.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct PendingMessagesTest : ::testing::Test {
    std::vector<std::pair<UINT, WPARAM>> log;
    HWND first = AllocateHWnd([this](UINT msg, WPARAM w, LPARAM) { log.emplace_back(msg, w); });
    HWND second = AllocateHWnd([this](UINT msg, WPARAM w, LPARAM) { log.emplace_back(msg, w); });

    ~PendingMessagesTest() override {
        DeallocateHWnd(first);
        DeallocateHWnd(second);
    }
};

constexpr UINT WM_LBUTTONDOWN = 513;
constexpr UINT WM_LBUTTONDBLCLK = 515;

TEST_F(PendingMessagesTest, DropsOnlyTheOldestMessageOfThatNumber) {
    PostMessageW(second, WM_LBUTTONDOWN, 1, 0);
    PostMessageW(first, WM_LBUTTONDBLCLK, 2, 0);
    PostMessageW(first, WM_LBUTTONDOWN, 3, 0);
    PostMessageW(first, WM_LBUTTONDOWN, 4, 0);

    DiscardPendingMessage(first, WM_LBUTTONDOWN);
    QCoreApplication::processEvents();
    const std::vector<std::pair<UINT, WPARAM>> expected = {
        {WM_LBUTTONDOWN, 1}, {WM_LBUTTONDBLCLK, 2}, {WM_LBUTTONDOWN, 4}};
    EXPECT_EQ(log, expected);
}

TEST_F(PendingMessagesTest, WithoutAWindowAnyWindowOfTheThreadCounts) {
    PostMessageW(second, WM_LBUTTONDOWN, 1, 0);
    PostMessageW(first, WM_LBUTTONDOWN, 2, 0);

    DiscardPendingMessage(nullptr, WM_LBUTTONDOWN);
    DiscardPendingMessage(nullptr, WM_LBUTTONDBLCLK);
    QCoreApplication::processEvents();
    const std::vector<std::pair<UINT, WPARAM>> expected = {{WM_LBUTTONDOWN, 2}};
    EXPECT_EQ(log, expected);
}

TEST_F(PendingMessagesTest, ARemovedQuitIsQueuedAgainWithItsExitCode) {
    PostQuitMessage(5);
    PostMessageW(first, WM_LBUTTONDOWN, 1, 0);

    DiscardPendingMessage(nullptr, WM_QUIT);
    MSG pending{};
    ASSERT_TRUE(PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(pending.message, static_cast<UINT>(WM_LBUTTONDOWN)) << "the quit went to the end";
    ASSERT_TRUE(PeekMessageW(&pending, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(pending.wParam, 5u);
    QCoreApplication::processEvents();
    EXPECT_TRUE(log.empty());
}

} // namespace
