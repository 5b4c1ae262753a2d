#include "configurator/window/timer_pause.h"
#include "tests/configurator/window/window_fixture.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(TimerPause, StopsInsideAndRestartsOnEveryExit) {
    EnsureApplication();
    QTimer timer;
    timer.setInterval(100);
    timer.start();
    const bool stoppedForGood = false;
    {
        const TimerPause pause(timer, stoppedForGood);
        EXPECT_FALSE(timer.isActive());
    }
    EXPECT_TRUE(timer.isActive());
    try {
        const TimerPause pause(timer, stoppedForGood);
        throw std::runtime_error("handler failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(timer.isActive());
}

TEST(TimerPause, LeavesATimerStoppedForGood) {
    EnsureApplication();
    QTimer timer;
    timer.start(100);
    bool stoppedForGood = false;
    {
        const TimerPause pause(timer, stoppedForGood);
        stoppedForGood = true; // the window closed while the handler waited
    }
    EXPECT_FALSE(timer.isActive());
}

} // namespace
