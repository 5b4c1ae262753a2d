#pragma once
// A timer handler disables its own timer on entry and enables it again on every way out,
// exceptions included, so its runs never overlap. A timer stopped for good (the window is
// closing) is not restarted.

#include <QTimer>

class TimerPause {
public:
    TimerPause(QTimer& timer, const bool& stoppedForGood)
        : timer_(timer), stopped_(stoppedForGood) {
        timer_.stop();
    }
    ~TimerPause() {
        if (!stopped_) {
            timer_.start();
        }
    }
    TimerPause(const TimerPause&) = delete;
    TimerPause& operator=(const TimerPause&) = delete;

private:
    QTimer& timer_;
    const bool& stopped_;
};
