#include "components/draw/desktop_queries.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace {

TEST(Monitors, WorkAreaIsTheScreensAvailableGeometry) {
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(GetMonitorWorkArea(screen), FromQRect(screen->availableGeometry()));
    EXPECT_TRUE(GetMonitorWorkArea(nullptr).IsEmpty());
}

TEST(Monitors, FindsOnlyConnectedScreens) {
    for (QScreen* screen : QGuiApplication::screens())
        EXPECT_EQ(FindMonitorByHandle(screen), screen);
    int notAScreen = 0;
    EXPECT_EQ(FindMonitorByHandle(&notAScreen), nullptr);
    EXPECT_EQ(FindMonitorByHandle(nullptr), nullptr);
}

TEST(ActiveWindow, BelongsToTheUserInterfaceThreadOnly) {
    QApplication::setActiveWindow(nullptr);
    EXPECT_FALSE(ActiveWindowInThread());

    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_EQ(QApplication::activeWindow(), &window);
    EXPECT_TRUE(ActiveWindowInThread());

    auto other = std::async(std::launch::async, [] { return ActiveWindowInThread(); });
    ASSERT_EQ(other.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_FALSE(other.get());

    window.close();
    QApplication::setActiveWindow(nullptr);
}

} // namespace
