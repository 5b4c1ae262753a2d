#include "configurator/loader/tool_launchers.h"
#include "tests/configurator/files/qt_print.h"
#include "tests/support/recording_ui_host.h"

#include <QStandardPaths>
#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(ToolLaunchers, EachButtonOpensItsTargetAndIgnoresFailure) {
    RecordingUiHost host;
    ScopedUiHost scoped(host);
    host.shellResult = false; // nothing installed: still no message
    const QString program = "/opt/tavro";
    const struct {
        const char* name;
        std::function<void()> click;
        QString target;
    } cases[] = {
        {"Direct_Input_Viewer", [&] { openToolProgram(program, ToolProgram::DirectInputViewer); },
         "/opt/tavro/tools/DIView.exe"},
        {"USBDeview", [&] { openToolProgram(program, ToolProgram::UsbDeview); },
         "/opt/tavro/tools/USBDeview.exe"},
        {"DAZ_Button_Tester", [&] { openToolProgram(program, ToolProgram::ButtonTester); },
         "/opt/tavro/tools/DAZ_BtnTester.exe"},
        {"DAZ_Joystick_Tester", [&] { openToolProgram(program, ToolProgram::JoystickTester); },
         "/opt/tavro/tools/DAZ_JoyTester.exe"},
        {"BtnDonate", openDonationPage, donationPageAddress()},
    };
    for (const auto& c : cases) {
        host.log.clear();
        c.click();
        EXPECT_EQ(host.log, QStringList({"shellOpen: " + c.target + " |  | "})) << c.name;
    }
}

TEST(ToolLaunchers, SystemProgramsAreStartedFromTheSearchPathOnly) {
    RecordingUiHost host;
    ScopedUiHost scoped(host);
    EXPECT_FALSE(openInstalledProgram("tavro-no-such-program"));
    EXPECT_TRUE(host.log.isEmpty());
    const QString shell = QStandardPaths::findExecutable("sh");
    ASSERT_FALSE(shell.isEmpty());
    EXPECT_TRUE(openInstalledProgram("sh"));
    EXPECT_EQ(host.log, QStringList({"shellOpen: " + shell + " |  | "}));
}

} // namespace
