#include "configurator/window/event_guard.h"
#include "tests/configurator/window/window_fixture.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(EventGuard, HandlerExceptionIsReportedAndTheWindowGoesOn) {
    EnsureApplication();
    RecordingUiHost host;
    const ScopedUiHost guard(host);
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, Guarded([&] {
        ++clicks;
        if (clicks == 1) {
            throw std::runtime_error("Device cannot be opened");
        }
        throw 42;
    }));
    button.click();
    button.click();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(host.entries(QStringLiteral("exception")),
              (QStringList{"exception: Device cannot be opened", "exception: Unknown exception"}));
}

} // namespace
