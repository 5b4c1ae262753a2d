#include "configurator/loader/serial_ports.h"
#include "tests/configurator/files/qt_print.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A sysfs tree as the kernel lays it out: class/tty entries link to device folders; a port with
// hardware has a "device" link whose "driver" names the driver.
class FakeSysfs {
public:
    QString root() const { return dir.path(); }

    void addTty(const QString& name, const char* driver) {
        const QString device = dir.filePath("devices/" + name);
        ASSERT_TRUE(QDir().mkpath(device + "/tty/" + name));
        ASSERT_TRUE(QDir().mkpath(dir.filePath("class/tty")));
        ASSERT_TRUE(QFile::link(device + "/tty/" + name, dir.filePath("class/tty/" + name)));
        if (!driver)
            return;
        ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("drivers/") + driver)));
        ASSERT_TRUE(QFile::link(device, device + "/tty/" + name + "/device"));
        ASSERT_TRUE(
            QFile::link(dir.filePath(QStringLiteral("drivers/") + driver), device + "/driver"));
    }

private:
    QTemporaryDir dir;
};

TEST(SerialPorts, ListsPortsWithHardwareInNaturalOrder) {
    FakeSysfs sysfs;
    sysfs.addTty("ttyACM10", "cdc_acm");
    sysfs.addTty("ttyACM2", "cdc_acm");
    sysfs.addTty("ttyUSB0", "ftdi_sio");
    sysfs.addTty("tty0", nullptr);       // virtual terminal
    sysfs.addTty("ttyS0", "serial");     // a real port found through ACPI
    sysfs.addTty("ttyS1", "serial8250"); // a placeholder of the legacy driver
    EXPECT_EQ(serialPortNames(sysfs.root()),
              QStringList({"/dev/ttyACM2", "/dev/ttyACM10", "/dev/ttyS0", "/dev/ttyUSB0"}));
    EXPECT_EQ(GetComPortList(sysfs.root()), "/dev/ttyACM2,/dev/ttyACM10,/dev/ttyS0,/dev/ttyUSB0");
}

TEST(SerialPorts, MissingSysfsGivesAnEmptyList) {
    QTemporaryDir dir;
    EXPECT_EQ(GetComPortList(dir.filePath("nothing")), "");
}

TEST(SerialPorts, CommaTextQuotesItemsThatNeedIt) {
    const struct {
        const char* name;
        QStringList items;
        const char* text;
    } cases[] = {
        {"two ports", {"COM1", "COM3"}, "COM1,COM3"},
        {"none", {}, ""},
        {"blank", {"/dev/my port", "x"}, "\"/dev/my port\",x"},
        {"comma", {"a,b"}, "\"a,b\""},
        {"double quote", {"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {"empty item", {"", "x"}, "\"\",x"},
        {"tab", {"a\tb"}, "\"a\tb\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(commaText(c.items), QString::fromUtf8(c.text)) << c.name;
}

TEST(SerialPorts, PortNameWithABlankIsQuotedInTheList) {
    FakeSysfs sysfs;
    sysfs.addTty("ttyUSB 1", "ftdi_sio");
    sysfs.addTty("ttyACM0", "cdc_acm");
    EXPECT_EQ(GetComPortList(sysfs.root()), "/dev/ttyACM0,\"/dev/ttyUSB 1\"");
}

} // namespace
