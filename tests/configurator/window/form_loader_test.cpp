#include "components/edit/file_name_edit.h"
#include "components/image/image.h"
#include "configurator/files/text_file.h"
#include "configurator/loader/loader_console.h"
#include "configurator/loader/loader_script.h"
#include "configurator/loader/serial_ports.h"
#include "configurator/loader/tool_launchers.h"
#include "pictures/gif/gif_image.h"
#include "platform/win32/registry.h"
#include "tests/configurator/window/wiring_fixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

using LoaderTest = WiringTest;

// A stand-in loader that prints what it was given, then fails as a loader without its board does.
TEST_F(LoaderTest, StartFirmwareRunsTheScriptAndShowsItsOutputAndFailure) {
    const QString loaderFolder = Path("Plexivane_arduino") + "/";
    ASSERT_TRUE(QDir().mkpath(loaderFolder));
    QString error;
    ASSERT_TRUE(writeTextLines(loaderFolder + "arduino.cmd",
                               {"echo flashing $file$ into $CHIP$ on $PORT$ >&2",
                                "cd $PATH$ && exit 4", "not part of the script"},
                               &error));
    Open();
    Find<QComboBox>("select_bootloader")->setCurrentIndex(2);
    Find<QComboBox>("joy_hardware_mcu")->setCurrentText("atmega32u4");
    // The file field quotes a name holding a blank; the loader gets the name itself.
    const QString firmware = Path("my joy.hex");
    ASSERT_TRUE(writeTextLines(firmware, {":00000001FF"}, &error));
    Find<QLineEdit>("FileFirm")->setText("\"" + firmware + "\"");
    Find<QLineEdit>("com_port")->setText("/dev/ttyACM0");
    host.log.clear();

    Click("btnStartFirmware");

    EXPECT_EQ(Find<QLineEdit>("command_file")->text(), loaderFolder + "arduino.cmd");
    EXPECT_EQ(ReadLines("Plexivane_arduino/Plexivane_temp.cmd"),
              QStringList(
                  {"echo flashing " + shellWord(firmware) + " into atmega32u4 on /dev/ttyACM0 >&2",
                   "cd " + shellWord(loaderFolder) + " && exit 4"}));
    auto* console = Find<LoaderConsole>("loaderConsole");
    ASSERT_NE(console, nullptr);
    EXPECT_TRUE(console->isVisible());
    ASSERT_TRUE(console->waitForFinished(10000));
    EXPECT_TRUE(console->text().endsWith("flashing " + firmware +
                                         " into atmega32u4 on /dev/ttyACM0\n"
                                         "The loader failed with exit status 4.\n"))
        << console->text().toStdString();
    EXPECT_TRUE(host.log.isEmpty()) << host.log.join('\n').toStdString();
}

TEST_F(LoaderTest, StartFirmwareWithoutAFileOrTemplateStartsNothing) {
    Open();
    auto* file = Find<TWkFilenameEdit>("FileFirm");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->text(), "-");
    EXPECT_EQ(file->Filter(), "Hex|*.hex");
    const QString firmware = Path("joy.hex");
    QString error;
    ASSERT_TRUE(writeTextLines(firmware, {":00000001FF"}, &error));
    const struct {
        QString file;
        QString message;
    } cases[] = {
        {"-", "No firmware file is chosen"},
        {"", "No firmware file is chosen"},
        {Path("none.hex"), "The firmware file \"" + Path("none.hex") + "\" does not exist"},
        {firmware, "'-'"}};
    for (const auto& c : cases) {
        file->setText(c.file);
        host.log.clear();
        Click("btnStartFirmware");
        EXPECT_EQ(Find<QLineEdit>("command_file")->text(), "-");
        ASSERT_EQ(host.log.size(), 1) << host.log.join('\n').toStdString();
        EXPECT_TRUE(host.log[0].startsWith("messageBox: ")) << host.log[0].toStdString();
        EXPECT_TRUE(host.log[0].contains(c.message)) << host.log[0].toStdString();
    }
    const auto* console = form->findChild<LoaderConsole*>();
    EXPECT_TRUE(!console || !console->isVisible());
}

TEST_F(LoaderTest, FirmwareFileButtonBrowsesForHexFiles) {
    Open();
    host.fileAnswers.push_back(Path("my fw.hex"));
    Find<TWkFilenameEdit>("FileFirm")->DoClick();
    ASSERT_EQ(host.fileRequests.size(), 1u);
    EXPECT_EQ(host.fileRequests[0].filter, "Hex|*.hex");
    EXPECT_EQ(host.fileRequests[0].fileName, "-");
    EXPECT_EQ(Find<QLineEdit>("FileFirm")->text(), "\"" + Path("my fw.hex") + "\"");
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
    TMForm& window = Open();
    const struct {
        const char* picture;
        void (TMForm::*handler)(QObject*);
    } pictures[] = {{"img_red", &TMForm::img_redClick}, {"img_grn", &TMForm::img_grnClick}};
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.picture);
        auto* image = Find<TWkImage>(picture.picture);
        ASSERT_NE(image, nullptr);
        host.log.clear();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(image, &event);
        }
        EXPECT_EQ(host.log, QStringList({"dialog: Tavro2"}));
        ASSERT_TRUE(image->OnClick);
        host.log.clear();
        (window.*picture.handler)(image);
        EXPECT_EQ(host.log, QStringList({"dialog: Tavro2"}));
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
        // The lamp's corners are see-through: the group must paint its background under them.
        EXPECT_FALSE(image->testAttribute(Qt::WA_OpaquePaintEvent)) << picture.name;
    }
    auto* red = Find<TWkImage>("img_red");
    QWidget* group = red->parentWidget();
    const QImage withLamp = group->grab(red->geometry()).toImage();
    red->hide();
    const QImage withoutLamp = group->grab(red->geometry()).toImage();
    EXPECT_EQ(withLamp.pixel(1, 1), withoutLamp.pixel(1, 1));
}

// Each tool button runs its own handler, which opens its program when the tools folder holds it
// and does nothing at all when it does not.
TEST_F(LoaderTest, ToolButtonsOpenTheirProgramsFromTheToolsFolder) {
    const struct {
        const char* button;
        void (TMForm::*handler)();
        const char* program;
    } tools[] = {
        {"Direct_Input_Viewer", &TMForm::Direct_Input_ViewerClick, "DIView.exe"},
        {"USBDeview", &TMForm::USBDeviewClick, "USBDeview.exe"},
        {"DAZ_Button_Tester", &TMForm::DAZ_Button_TesterClick, "DAZ_BtnTester.exe"},
        {"DAZ_Joystick_Tester", &TMForm::DAZ_Joystick_TesterClick, "DAZ_JoyTester.exe"},
    };
    TMForm& window = Open();
    host.shellResult = false; // a tool that fails to start shows nothing either
    for (const auto& tool : tools) {
        SCOPED_TRACE(tool.button);
        host.log.clear();
        Click(tool.button);
        (window.*tool.handler)();
        EXPECT_TRUE(host.log.isEmpty()) << host.log.join('\n').toStdString();

        ASSERT_TRUE(QDir().mkpath(Path("tools")));
        QFile program(Path("tools/") + tool.program);
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
        program.close();
        const QString opened = "shellOpen: " + Path("tools/") + tool.program + " |  | ";
        Click(tool.button);
        (window.*tool.handler)();
        EXPECT_EQ(host.log, QStringList({opened, opened}));
        ASSERT_TRUE(program.remove());
    }
}

// The panels are looked up on the search path; the donation page always opens.
TEST_F(LoaderTest, PanelAndDonationButtonsRunTheirHandlers) {
    TMForm& window = Open();
    const struct {
        const char* button;
        void (TMForm::*handler)();
    } buttons[] = {
        {"btn_devmgmt", &TMForm::btn_devmgmtClick},
        {"Windows_Joysticks", &TMForm::Windows_JoysticksClick},
        {"BtnDonate", &TMForm::BtnDonateClick},
    };
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.button);
        host.log.clear();
        Click(button.button);
        const QStringList clicked = host.log;
        host.log.clear();
        (window.*button.handler)();
        EXPECT_EQ(host.log, clicked);
    }
    host.log.clear();
    Click("BtnDonate");
    EXPECT_EQ(host.log, QStringList({"shellOpen: " + donationPageAddress() + " |  | "}));
}

} // namespace
