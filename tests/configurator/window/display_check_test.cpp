#include "configurator/window/display_check.h"
#include "tests/configurator/files/qt_print.h"

#include <gtest/gtest.h>

namespace {

struct DisplayCase {
    const char* name;
    DisplayEnvironment environment;
    bool canShow;
};

// ":0" and the runtime folder's "wayland-0" answer; every other display is named but dead.
const DisplayProbes Probes = {
    [](const QString& display) { return display == ":0"; },
    [](const QString& socket) { return socket == "/run/user/7/wayland-0"; },
};

const DisplayCase DisplayCases[] = {
    {"nothing set", {}, false},
    {"X display", {"", ":0", "", ""}, true},
    {"X display that does not answer", {"", ":99999", "", ""}, false},
    {"Wayland display", {"", "", "wayland-0", "/run/user/7"}, true},
    {"Wayland display given as a path", {"", "", "/run/user/7/wayland-0", ""}, true},
    {"Wayland display that does not answer", {"", "", "wayland-9", "/run/user/7"}, false},
    {"Wayland display without a runtime folder", {"", "", "wayland-0", ""}, false},
    {"dead X display, live Wayland one", {"", ":5", "wayland-0", "/run/user/7"}, true},
    {"X platform without its display", {"xcb", "", "", ""}, false},
    {"X platform with only Wayland alive", {"xcb", ":5", "wayland-0", "/run/user/7"}, false},
    {"Wayland platform without its display", {"wayland", ":0", "", ""}, false},
    {"Wayland platform with its display", {"wayland-egl", "", "wayland-0", "/run/user/7"}, true},
    {"offscreen", {"offscreen", "", "", ""}, true},
    {"framebuffer with options", {"linuxfb:fb=/dev/fb1", "", "", ""}, true},
    {"remote viewer", {"vnc", "", "", ""}, true},
    {"fallback list ending in offscreen", {"wayland;offscreen", "", "", ""}, true},
    {"fallback list of display platforms", {"wayland;xcb", "", "", ""}, false},
    {"fallback to a live X display", {"wayland;xcb", ":0", "", ""}, true},
    {"empty display names", {"", "", "", ""}, false},
};

TEST(DisplayCheck, WindowNeedsADisplayThatAnswersOrAPlatformWithoutOne) {
    for (const DisplayCase& c : DisplayCases) {
        EXPECT_EQ(CanShowWindow(c.environment, Probes), c.canShow) << c.name;
    }
}

TEST(DisplayCheck, RealProbesRefuseDisplaysThatAreNotThere) {
    const DisplayProbes system = DisplayProbes::System();
    EXPECT_FALSE(system.xAnswers(":99999"));
    EXPECT_FALSE(system.waylandAnswers("/nonexistent/wayland-0"));
    EXPECT_FALSE(system.waylandAnswers(QString(200, 'x')));
}

TEST(DisplayCheck, CommandLinePlatformOverridesTheVariable) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    EXPECT_EQ(DisplayEnvironment::FromProcess({"tavro2", "-platform", "offscreen"}).platform,
              "offscreen");
    EXPECT_EQ(DisplayEnvironment::FromProcess({"tavro2", "--platform", "vnc"}).platform, "vnc");
    EXPECT_EQ(DisplayEnvironment::FromProcess({"tavro2", "-platform"}).platform, "xcb");
    EXPECT_EQ(DisplayEnvironment::FromProcess({"tavro2"}).platform, "xcb");
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace
