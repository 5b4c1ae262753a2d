#include "components/image/image.h"
#include "configurator/files/text_file.h"
#include "configurator/loader/serial_ports.h"
#include "pictures/gif/gif_image.h"
#include "platform/win32/registry.h"
#include "tests/configurator/window/wiring_fixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

using LoaderTest = WiringTest;

TEST_F(LoaderTest, StartFirmwareShowsTheTemplateAndRunsTheScriptInItsFolder) {
    const QString loaderFolder = Path("Plexivane_arduino") + "/";
    ASSERT_TRUE(QDir().mkpath(loaderFolder));
    QString error;
    ASSERT_TRUE(writeTextLines(
        loaderFolder + "arduino.cmd",
        {"avrdude -p $CHIP$ -P $PORT$ -U flash:w:$file$", "cd $PATH$", "not part of the script"},
        &error));
    Open();
    Find<QComboBox>("select_bootloader")->setCurrentIndex(2);
    Find<QComboBox>("joy_hardware_mcu")->setCurrentText("atmega32u4");
    Find<QLineEdit>("FileFirm")->setText("/fw/my joy.hex");
    Find<QLineEdit>("com_port")->setText("/dev/ttyACM0");

    Click("btnStartFirmware");

    EXPECT_EQ(Find<QLineEdit>("command_file")->text(), loaderFolder + "arduino.cmd");
    EXPECT_EQ(ReadLines("Plexivane_arduino/Plexivane_temp.cmd"),
              QStringList({"avrdude -p 'atmega32u4' -P '/dev/ttyACM0' -U flash:w:'/fw/my joy.hex'",
                           "cd '" + loaderFolder + "'"}));
    EXPECT_EQ(host.log, QStringList({"shellOpen: /bin/sh | " + loaderFolder +
                                     "Plexivane_temp.cmd | " + loaderFolder}));
}

TEST_F(LoaderTest, StartFirmwareWithoutATemplateStartsNothing) {
    Open();
    host.log.clear();
    Click("btnStartFirmware");
    EXPECT_EQ(Find<QLineEdit>("command_file")->text(), "-");
    ASSERT_EQ(host.log.size(), 1) << host.log.join('\n').toStdString();
    EXPECT_TRUE(host.log[0].startsWith("messageBox: "));
}

TEST_F(LoaderTest, GetPortsShowsTheMachinesPortList) {
    Open();
    auto* port = Find<QLineEdit>("com_port");
    port->setText("stale");
    Click("BtnGetCPorts");
    EXPECT_EQ(port->text(), GetComPortList());
}

TEST_F(LoaderTest, ClearRegistryReportsEveryKeyOfTheUnselectedController) {
    const QString oem = "CurrentControlSet\\Control\\MediaProperties\\PrivateProperties\\Joystick\\"
                        "OEM\\VID_&PID_";
    const QString input = "System\\CurrentControlSet\\Control\\MediaProperties\\PrivateProperties\\"
                          "DirectInput\\VID_&PID_";
    Registry registry(folder.path());
    registry.setRootKey(RegistryRoot::LocalMachine);
    ASSERT_TRUE(registry.createKey("SYSTEM\\" + oem + "\\Calibration"));
    Open();
    host.log.clear();

    Click("clear_reg");

    EXPECT_EQ(host.log, QStringList({"showMessage: ERROR [HKEY_CURRENT_USER][System\\" + oem + "]",
                                     "showMessage: ERROR [HKEY_CURRENT_USER][" + input + "]",
                                     "showMessage: OK [HKEY_LOCAL_MACHINE][SYSTEM\\" + oem + "]"}));
    EXPECT_FALSE(registry.keyExists("SYSTEM\\" + oem));
}

TEST_F(LoaderTest, AboutBoxOpensModallyFromEachOfItsControls) {
    Open();
    const char* pictures[] = {"img_red", "img_grn"};
    for (const char* picture : pictures) {
        host.log.clear();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Find<QLabel>(picture), &press);
        EXPECT_EQ(host.log, QStringList({"dialog: Tavro2"})) << picture;
    }
    host.log.clear();
    Click("btn_about");
    EXPECT_EQ(host.log, QStringList({"dialog: Tavro2"}));
}

TEST_F(LoaderTest, TheStatusPicturesAreImagesOfTheGeneratedLamps) {
    Open();
    const struct {
        const char* name;
        bool red;
    } pictures[] = {{"img_red", true}, {"img_grn", false}};
    for (const auto& picture : pictures) {
        auto* image = Find<TWkImage>(picture.name);
        ASSERT_NE(image, nullptr) << picture.name;
        const auto* gif = dynamic_cast<const TWkGIFImage*>(image->Displayed().Graphic());
        ASSERT_NE(gif, nullptr) << picture.name;
        EXPECT_EQ(gif->Width(), 113);
        EXPECT_TRUE(gif->Transparent());
        const QRgb middle = image->grab().toImage().pixel(56, 80);
        EXPECT_EQ(qRed(middle) > qGreen(middle), picture.red) << picture.name;
    }
}

TEST_F(LoaderTest, ToolButtonsOpenTheirProgramsFromTheToolsFolder) {
    const struct {
        const char* button;
        const char* program;
    } tools[] = {
        {"Direct_Input_Viewer", "DIView.exe"},
        {"USBDeview", "USBDeview.exe"},
        {"DAZ_Button_Tester", "DAZ_BtnTester.exe"},
        {"DAZ_Joystick_Tester", "DAZ_JoyTester.exe"},
    };
    Open();
    host.shellResult = false; // absent tools fail without a message
    for (const auto& tool : tools) {
        host.log.clear();
        Click(tool.button);
        EXPECT_EQ(host.log, QStringList({"shellOpen: " + Path("tools/") + tool.program + " |  | "}))
            << tool.button;
    }
}

} // namespace
