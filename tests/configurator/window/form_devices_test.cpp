#include "configurator/model/report_codec.h"
#include "configurator/sim/sim_controller_device.h"
#include "hid/hid_controller.h"
#include "platform/hidbus/sim_hid_bus.h"
#include "platform/modules/standard_modules.h"
#include "tests/configurator/window/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString ControllerLine = QStringLiteral("VID:8888 PID:8888 Tavro2 (TAVRO-SIM-0001)");

// Images of a controller with one axis, so that it also shows its joystick interface.
ReportImages OneAxisImages() {
    Config config = DefaultConfig();
    config.axes[0].source = 2;
    config.axes[0].usage = 1;
    return ConfigToReport(config).images;
}

void PumpPosted() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

class DeviceTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        RegisterStandardModules();
    }

    // Opens the window and delivers the controller's first device-change message.
    TMForm& Start() {
        TMForm& window = Open();
        PumpPosted();
        list = Find<QListWidget>("lstHID_DeviceList");
        return window;
    }

    void ClickLine(int row) {
        list->setCurrentRow(row);
        emit list->itemClicked(list->item(row));
    }

    void ExpectConnected() {
        EXPECT_TRUE(Find<QPushButton>("btnRead_MK")->isEnabled());
        EXPECT_TRUE(Find<QPushButton>("btnWrite_MK")->isEnabled());
        EXPECT_TRUE(Find<QPushButton>("btnRestart")->isEnabled());
        EXPECT_TRUE(Find<QLabel>("img_red")->isHidden());
        EXPECT_FALSE(Find<QLabel>("img_grn")->isHidden());
        EXPECT_TRUE(form->State().PollingEnabled);
    }

    void ExpectNotConnected() {
        EXPECT_FALSE(Find<QPushButton>("btnRead_MK")->isEnabled());
        EXPECT_FALSE(Find<QPushButton>("btnWrite_MK")->isEnabled());
        EXPECT_FALSE(Find<QPushButton>("btnRestart")->isEnabled());
        EXPECT_FALSE(Find<QLabel>("img_red")->isHidden());
        EXPECT_TRUE(Find<QLabel>("img_grn")->isHidden());
        EXPECT_FALSE(form->State().PollingEnabled);
    }

    SimHidBus bus;
    ScopedHidBus busGuard{bus};
    QListWidget* list = nullptr;
};

TEST_F(DeviceTest, StartWithoutDevicesEndsNotConnected) {
    TMForm& window = Start();
    EXPECT_EQ(list->count(), 0);
    ExpectNotConnected();
    EXPECT_TRUE(window.TmrGetRawData().isActive());
    EXPECT_TRUE(host.entries(QStringLiteral("messageBox")).isEmpty());
}

TEST_F(DeviceTest, ClickOnTheControllerLineConnects) {
    SimControllerDevice controller(bus, QStringLiteral("TAVRO-SIM-0001"), OneAxisImages());
    TMForm& window = Start();
    ASSERT_EQ(list->count(), 1) << "both interfaces give the same line";
    EXPECT_EQ(list->item(0)->text(), ControllerLine);
    ExpectNotConnected();

    ClickLine(0);
    const FormState& state = window.State();
    EXPECT_EQ(state.FilterVid, 0x8888);
    EXPECT_EQ(state.FilterPid, 0x8888);
    EXPECT_EQ(state.FilterVidText, "8888");
    EXPECT_EQ(Find<QLineEdit>("DebugText")->text(), ControllerLine);
    ASSERT_NE(state.ConfigDevice, nullptr);
    ASSERT_NE(state.JoystickDevice, nullptr);
    EXPECT_EQ(state.ConfigDevice->Caps().Usage, 1);
    EXPECT_EQ(state.JoystickDevice->Caps().Usage, 4);
    EXPECT_EQ(Find<QLabel>("connect_status")->text(), " VID[8888] PID[8888] Tavro2");
    EXPECT_TRUE(Find<QPushButton>("btnRead_MK")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>("btnWrite_MK")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>("btnRestart")->isEnabled());
    EXPECT_TRUE(Find<QLabel>("img_red")->isHidden());
    EXPECT_FALSE(Find<QLabel>("img_grn")->isHidden());
    EXPECT_TRUE(state.PollingEnabled);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(window.HID().NumCheckedOutDevices(), 2);

    ClickLine(0);
    EXPECT_EQ(window.HID().NumCheckedOutDevices(), 2) << "a second click borrows nothing more";
}

TEST_F(DeviceTest, MovingToALineWithTheKeyboardConnectsLikeAClick) {
    SimControllerDevice controller(bus, QStringLiteral("TAVRO-SIM-0001"), OneAxisImages());
    TMForm& window = Start();
    ASSERT_EQ(list->count(), 1);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(list, &down);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(window.State().FilterVid, 0x8888);
    EXPECT_NE(window.State().ConfigDevice, nullptr);

    QApplication::sendEvent(list, &down);
    EXPECT_EQ(window.HID().NumCheckedOutDevices(), 2) << "a key that moves nothing is no click";
}

TEST_F(DeviceTest, AConnectionEnablesTheFirmwareCommandsAgain) {
    SimControllerDevice controller(bus);
    Start();
    for (const char* command : {"btnOpenBL", "btnResetCnf", "led_set"}) {
        SCOPED_TRACE(command);
        Find<QPushButton>("btnOpenBL")->setEnabled(true);
        Find<QPushButton>("btnResetCnf")->setEnabled(true);
        Find<QPushButton>(command)->click();
        ASSERT_FALSE(Find<QPushButton>("btnOpenBL")->isEnabled()) << "no controller chosen yet";
        ASSERT_FALSE(Find<QPushButton>("btnResetCnf")->isEnabled());

        ClickLine(0);

        EXPECT_TRUE(Find<QPushButton>("btnOpenBL")->isEnabled());
        EXPECT_TRUE(Find<QPushButton>("btnResetCnf")->isEnabled());
        Find<QPushButton>("btn_clr_dev_list")->click();
    }
}

TEST_F(DeviceTest, DeviceChangeGivesTheInterfacesBackAndFindsTheChosenControllerAgain) {
    SimControllerDevice controller(bus);
    TMForm& window = Start();
    ClickLine(0);
    TWkHidDevice* before = window.State().ConfigDevice;
    ASSERT_NE(before, nullptr);

    auto* poll = Find<QComboBox>("dev_poll");
    poll->setCurrentIndex(4);
    const Config edited = window.CurrentConfig();
    Find<QLineEdit>("joy_usbpps")->setText("99");
    window.HIDDeviceChange(&window);
    ExpectConnected();
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(poll->currentIndex(), 4) << "the configuration's poll interval stays";
    EXPECT_EQ(window.CurrentConfig(), edited);
    EXPECT_TRUE(Find<QLineEdit>("joy_usbpps")->text().isEmpty());
    EXPECT_NE(window.State().ConfigDevice, nullptr) << "found again";
    EXPECT_EQ(window.HID().NumCheckedOutDevices(), 1) << "the old reference was given back";

    Find<QPushButton>("btn_clr_dev_list")->click();
    EXPECT_EQ(window.State().FilterVid, 0);
    EXPECT_EQ(window.State().ConfigDevice, nullptr);
    EXPECT_EQ(window.State().JoystickDevice, nullptr);
    EXPECT_EQ(window.HID().NumCheckedOutDevices(), 0);
    ExpectNotConnected();
}

TEST_F(DeviceTest, UnplugAndReplugReachTheList) {
    SimControllerDevice controller(bus);
    TMForm& window = Start();
    ClickLine(0);
    const SimHidBus::DeviceId config = *controller.configInterface();
    bus.unplug(config);
    PumpPosted();
    EXPECT_EQ(window.State().ConfigDevice, nullptr);
    ExpectNotConnected();
    bus.replug(config);
    PumpPosted();
    EXPECT_EQ(list->count(), 1);
    EXPECT_NE(window.State().ConfigDevice, nullptr);
    ExpectConnected();
    EXPECT_EQ(list->currentRow(), 0);
}

TEST_F(DeviceTest, AfterAWriteAndARestartTheControllerComesBackConnected) {
    SimControllerDevice controller(bus, QStringLiteral("TAVRO-SIM-0001"), OneAxisImages());
    TMForm& window = Start();
    ClickLine(0);
    Find<QPushButton>("btnWrite_MK")->click();
    ASSERT_TRUE(host.log.join('\n').contains("Restart")) << host.log.join('\n').toStdString();
    PumpPosted();

    ExpectConnected();
    EXPECT_NE(window.State().ConfigDevice, nullptr);
    EXPECT_EQ(list->currentRow(), 0);
}

// A name the image cannot hold stops the write, and the box says so even when the check line
// names another problem first.
TEST_F(DeviceTest, AWriteStoppedByTheNameNamesTheName) {
    SimControllerDevice controller(bus, QStringLiteral("TAVRO-SIM-0001"), OneAxisImages());
    Start();
    ClickLine(0);
    Find<QLineEdit>("dev_name")->setText(QString::fromUtf8("Джойстик"));
    auto* source = Find<QComboBox>("osi_2_src");
    source->setCurrentIndex(2); // an axis without usage
    emit source->activated(2);
    host.log.clear();
    Find<QPushButton>("btnWrite_MK")->click();
    const QString log = host.log.join('\n');
    EXPECT_TRUE(log.contains(QString::fromUtf8("[Джойстик]: Д"))) << log.toStdString();
    EXPECT_FALSE(log.contains("Restart")) << log.toStdString();
}

TEST_F(DeviceTest, SelectingFromCodeDoesNotRunTheClickHandler) {
    SimControllerDevice controller(bus);
    TMForm& window = Start();
    ClickLine(0);
    auto* debug = Find<QLineEdit>("DebugText");
    debug->setText(QStringLiteral("untouched"));
    window.HIDDeviceChange(&window);
    window.HID().Enumerate();
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(debug->text(), "untouched");
}

TEST_F(DeviceTest, SettingsChooseTheControllerAtStart) {
    SimControllerDevice controller(bus);
    QFile settings(folder.filePath("Brantuse.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("\nNoDebug\n\n\n0\n34952\n34952\n");
    settings.close();
    TMForm& window = Start();
    EXPECT_NE(window.State().ConfigDevice, nullptr);
    ExpectConnected();
    EXPECT_EQ(list->currentRow(), 0);
}

TEST_F(DeviceTest, ClosingWhilePollingGivesEverythingBack) {
    SimControllerDevice controller(bus, QStringLiteral("TAVRO-SIM-0001"), OneAxisImages());
    TMForm& window = Start();
    ClickLine(0);
    ASSERT_TRUE(window.State().PollingEnabled);
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(window.State().ConfigDevice, nullptr);
    EXPECT_EQ(window.State().JoystickDevice, nullptr);
    EXPECT_EQ(window.HID().NumCheckedOutDevices(), 0);
    EXPECT_EQ(list->count(), 0);
}

} // namespace

namespace {

TEST_F(DeviceTest, PickingAControllerWithoutAccessSaysWhyAndWhatToInstall) {
    SimControllerDevice controller(bus, QStringLiteral("TAVRO-SIM-0001"), OneAxisImages());
    bus.setFaults(*controller.configInterface(), {.denyReadWrite = true});
    Start();
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(host.entries(QStringLiteral("showMessage")).isEmpty()) << "listing says nothing";

    ClickLine(0);
    const QStringList messages = host.entries(QStringLiteral("showMessage"));
    ASSERT_EQ(messages.size(), 1);
    const QString node = bus.nodePath(*controller.configInterface());
    EXPECT_EQ(messages[0],
              QStringLiteral("showMessage: Cannot open %1 for reading and writing: Access is "
                             "denied. The controller needs the udev rule "
                             "/etc/udev/rules.d/70-tavro-controller.rules: run scripts/setup.sh "
                             "as root to install it, then plug the controller in again.")
                  .arg(node));
    EXPECT_EQ(Find<QLabel>("connect_status")->text(), " VID[8888] PID[8888] Tavro2")
        << "the status line keeps its own texts";
}

TEST_F(DeviceTest, PickingAnAccessibleControllerShowsNoMessage) {
    SimControllerDevice controller(bus, QStringLiteral("TAVRO-SIM-0001"), OneAxisImages());
    Start();
    ClickLine(0);
    EXPECT_TRUE(host.entries(QStringLiteral("showMessage")).isEmpty());
}

} // namespace
