#include "configurator/window/display_check.h"
#include "tests/configurator/files/qt_print.h"

#include <gtest/gtest.h>

namespace {

struct DisplayCase {
    const char* name;
    DisplayEnvironment environment;
    bool canShow;
};

const DisplayCase DisplayCases[] = {
    {"nothing set", {}, false},
    {"X display", {"", ":0", ""}, true},
    {"Wayland display", {"", "", "wayland-0"}, true},
    {"X platform without its display", {"xcb", "", ""}, false},
    {"Wayland platform without its display", {"wayland", "", ""}, false},
    {"offscreen", {"offscreen", "", ""}, true},
    {"framebuffer with options", {"linuxfb:fb=/dev/fb1", "", ""}, true},
    {"remote viewer", {"vnc", "", ""}, true},
    {"fallback list ending in offscreen", {"wayland;offscreen", "", ""}, true},
    {"fallback list of display platforms", {"wayland;xcb", "", ""}, false},
    {"empty display names", {"", "", ""}, false},
};

TEST(DisplayCheck, WindowNeedsADisplayOrAPlatformWithoutOne) {
    for (const DisplayCase& c : DisplayCases) {
        EXPECT_EQ(CanShowWindow(c.environment), c.canShow) << c.name;
    }
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
