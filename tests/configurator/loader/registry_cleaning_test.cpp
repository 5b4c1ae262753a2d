#include "configurator/loader/registry_cleaning.h"
#include "tests/configurator/files/qt_print.h"
#include "tests/support/recording_ui_host.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString OemKey =
    "System\\CurrentControlSet\\Control\\MediaProperties\\PrivateProperties\\Joystick\\OEM\\";
const QString DirectInputKey =
    "System\\CurrentControlSet\\Control\\MediaProperties\\PrivateProperties\\DirectInput\\";
const QString MachineOemKey =
    "SYSTEM\\CurrentControlSet\\Control\\MediaProperties\\PrivateProperties\\Joystick\\OEM\\";

class RegistryCleaningTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Registry registry{dir.path()};
    RecordingUiHost host;
    ScopedUiHost scopedHost{host};

    void create(RegistryRoot root, const QString& key) {
        registry.setRootKey(root);
        ASSERT_TRUE(registry.createKey(key)) << key.toStdString();
    }
    bool exists(RegistryRoot root, const QString& key) {
        registry.setRootKey(root);
        return registry.keyExists(key);
    }
};

TEST_F(RegistryCleaningTest, DeletesTheThreeKeysAndReportsEach) {
    create(RegistryRoot::CurrentUser, OemKey + "VID_8888&PID_8888\\Calibration\\0");
    create(RegistryRoot::LocalMachine, (MachineOemKey + "vid_8888&pid_8888").toLower());
    create(RegistryRoot::CurrentUser, OemKey + "VID_1234&PID_8888");

    clearJoystickRegistryKeys(registry, "8888", "8888");

    EXPECT_EQ(
        host.log,
        QStringList(
            {"showMessage: OK [HKEY_CURRENT_USER][" + OemKey + "VID_8888&PID_8888]",
             "showMessage: ERROR [HKEY_CURRENT_USER][" + DirectInputKey + "VID_8888&PID_8888]",
             "showMessage: OK [HKEY_LOCAL_MACHINE][" + MachineOemKey + "VID_8888&PID_8888]"}));
    EXPECT_FALSE(exists(RegistryRoot::CurrentUser, OemKey + "VID_8888&PID_8888"));
    EXPECT_FALSE(exists(RegistryRoot::LocalMachine, MachineOemKey + "VID_8888&PID_8888"));
    EXPECT_TRUE(exists(RegistryRoot::CurrentUser, OemKey + "VID_1234&PID_8888"));
}

TEST_F(RegistryCleaningTest, EmptyIdsNameKeysEndingInEmptyIds) {
    create(RegistryRoot::CurrentUser, DirectInputKey + "VID_&PID_");
    clearJoystickRegistryKeys(registry, "", "");
    EXPECT_EQ(
        host.log,
        QStringList({"showMessage: ERROR [HKEY_CURRENT_USER][" + OemKey + "VID_&PID_]",
                     "showMessage: OK [HKEY_CURRENT_USER][" + DirectInputKey + "VID_&PID_]",
                     "showMessage: ERROR [HKEY_LOCAL_MACHINE][" + MachineOemKey + "VID_&PID_]"}));
}

TEST_F(RegistryCleaningTest, IdsCannotReachOutsideTheKeys) {
    create(RegistryRoot::CurrentUser, "Keep");
    clearJoystickRegistryKeys(registry, "..\\..\\..\\..\\..\\..\\..\\..", "\\..\\..");
    ASSERT_EQ(host.log.size(), 3);
    for (const QString& line : host.log)
        EXPECT_TRUE(line.startsWith("showMessage: ERROR")) << line.toStdString();
    EXPECT_TRUE(exists(RegistryRoot::CurrentUser, "Keep"));
}

} // namespace
