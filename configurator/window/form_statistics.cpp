// The statistics page's side of the window: the live chart and the rate timers, which work only
// while the page is shown, and the input reports of the selected joystick interface.

#include "configurator/window/event_guard.h"
#include "configurator/window/main_form.h"
#include "configurator/window/statistics_page.h"
#include "configurator/window/timer_pause.h"

void TMForm::HIDDeviceData(TWkHidDevice* device, BYTE reportId, const BYTE* data, WORD size) {
    RunGuarded([&] {
        // The configuration interface has its own reader; its reports are no joystick data.
        if (device == nullptr || device != state_.JoystickDevice) {
            return;
        }
        statistics_->HIDDeviceData(reportId, data, size);
    });
}

void TMForm::TmrForVisualTimer() {
    const TimerPause pause(tmrForVisual_, closed_);
    if (ActivePage() != TabJoyStat) {
        return;
    }
    statistics_->ChartStep();
    state_.ChartCursor = statistics_->ChartCursor();
}

void TMForm::TmrPerSecondTimer() {
    const TimerPause pause(tmrPerSecond_, closed_);
    if (ActivePage() != TabJoyStat) {
        return;
    }
    statistics_->RateTick();
}
