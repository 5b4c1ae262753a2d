#include "components/util/window_messages.h"
#include "platform/ui/message_window.h"

#include <QCoreApplication>
#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
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

// The combo edits hand a text buffer to a window and read what the handler wrote into it.
TEST_F(PendingMessagesTest, SentMessageHandsItsPointerOverAndReturnsTheAnswer) {
    constexpr UINT WM_GETTEXT = 0x000D;
    HWND textWindow = AllocateHWnd([](UINT msg, WPARAM size, LPARAM buffer) -> LRESULT {
        if (msg != WM_GETTEXT)
            return 0;
        const std::u16string text = u"Firmware.hex";
        const std::size_t copied = std::min<std::size_t>(size - 1, text.size());
        std::copy_n(text.begin(), copied, reinterpret_cast<char16_t*>(buffer));
        reinterpret_cast<char16_t*>(buffer)[copied] = u'\0';
        return static_cast<LRESULT>(copied);
    });
    char16_t buffer[9] = {};
    EXPECT_EQ(SendWindowMessage(textWindow, WM_GETTEXT, std::size(buffer), buffer), 8);
    EXPECT_EQ(std::u16string(buffer), u"Firmware");
    EXPECT_EQ(SendWindowMessage(textWindow, WM_LBUTTONDOWN, 0, nullptr), 0);
    DeallocateHWnd(textWindow);
    EXPECT_EQ(SendWindowMessage(textWindow, WM_GETTEXT, std::size(buffer), buffer), 0);
    EXPECT_TRUE(log.empty());
}

} // namespace
