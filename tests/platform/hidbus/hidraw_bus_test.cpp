#include "platform/hidbus/hidraw_bus.h"
#include "platform/hidbus/sysfs_hid_scan.h"
#include "platform/win32/last_error.h"
#include "tests/support/fake_sysfs_tree.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kSysfs = QStringLiteral(TAVRO_FIXTURES "/sysfs");

std::vector<BYTE> hex(const char* text) {
    const QByteArray bytes = QByteArray::fromHex(text);
    return {bytes.begin(), bytes.end()};
}

TEST(HidrawBus, EnumeratesTheSysfsTree) {
    HidrawBus bus(kSysfs, QStringLiteral("/fakedev"));
    const std::vector<HidNodeInfo> nodes = bus.nodes();
    ASSERT_EQ(nodes.size(), 3u) << "the entry without HID_ID is left out";

    const struct {
        QString path;
        DWORD instance;
        WORD vendorId, productId, version;
        QString manufacturer, product, serial;
        std::vector<WORD> languages;
        QString driver, location;
        std::vector<BYTE> descriptor;
    } expected[] = {
        {QStringLiteral("/fakedev/hidraw0"),
         0x08,
         0x16C0,
         0x05DF,
         0x0102,
         QStringLiteral("Hobby Works"),
         QStringLiteral("Tavro Stick"),
         QStringLiteral("TS-0042"),
         {0x0409},
         QStringLiteral("hid-generic"),
         QStringLiteral("usb-0000:00:14.0-2/input0"),
         hex("05010904a10185010930150026ff00750895018102c0")},
        {QStringLiteral("/fakedev/hidraw2"),
         0x20,
         0x046D,
         0xC077,
         0x7200,
         {},
         {},
         {},
         {},
         QStringLiteral("hid-generic"),
         QStringLiteral("usb-0000:00:14.0-3/input0"),
         hex("05010902a10105091901290315002501750195038102c0")},
        {QStringLiteral("/fakedev/hidraw10"),
         0x0B,
         0x045E,
         0x02E0,
         0,
         {},
         QStringLiteral("Wireless Pad"),
         QStringLiteral("11:22:33:44:55:66"),
         {},
         QStringLiteral("microsoft"),
         QStringLiteral("aa:bb:cc:dd:ee:ff"),
         hex("05010905a10185010930150026ff00750895018102c0")},
    };
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const HidNodeInfo& node = nodes[i];
        const auto& want = expected[i];
        SCOPED_TRACE(want.path.toStdString());
        EXPECT_EQ(node.nodePath, want.path);
        EXPECT_EQ(node.instance, want.instance);
        EXPECT_EQ(node.vendorId, want.vendorId);
        EXPECT_EQ(node.productId, want.productId);
        EXPECT_EQ(node.version, want.version);
        EXPECT_EQ(node.manufacturer, want.manufacturer);
        EXPECT_EQ(node.product, want.product);
        EXPECT_EQ(node.serial, want.serial);
        EXPECT_EQ(node.languageIds, want.languages);
        EXPECT_EQ(node.driver, want.driver);
        EXPECT_EQ(node.location, want.location);
        EXPECT_EQ(node.reportDescriptor, want.descriptor);
    }
}

TEST(HidrawBus, MissingTreeHasNoNodes) {
    HidrawBus bus(QStringLiteral(TAVRO_FIXTURES "/no-such-sysfs"), QStringLiteral("/fakedev"));
    EXPECT_TRUE(bus.nodes().empty());
    DWORD error = 0;
    EXPECT_FALSE(bus.open(QStringLiteral("/fakedev/hidraw0"), HidAccess::Query, error));
    EXPECT_EQ(error, ERROR_FILE_NOT_FOUND);
}

// A FIFO stands in for the device node: what is written to it is what read() hands out.
TEST(HidrawBus, ReadsPutTheZeroIdBeforeReportsOfUnnumberedDevices) {
    QTemporaryDir dev;
    ASSERT_TRUE(dev.isValid());
    for (const char* name : {"hidraw0", "hidraw2"})
        ASSERT_EQ(mkfifo((dev.path() + u'/' + QLatin1String(name)).toLocal8Bit(), 0600), 0);
    HidrawBus bus(kSysfs, dev.path());

    const struct {
        const char* node;
        std::vector<BYTE> sent;
        std::vector<BYTE> received;
    } cases[] = {
        {"hidraw0", {0x01, 0x7F}, {0x01, 0x7F}},       // report ids: as read
        {"hidraw2", {0x05, 0x00}, {0x00, 0x05, 0x00}}, // no report ids: 0 put in front
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.node);
        DWORD error = 0;
        auto channel =
            bus.open(dev.path() + u'/' + QLatin1String(c.node), HidAccess::ReadWrite, error);
        ASSERT_TRUE(channel) << error;
        BYTE buffer[8] = {};
        DWORD got = 99;
        EXPECT_EQ(channel->readReport(buffer, got), ERROR_SUCCESS);
        EXPECT_EQ(got, 0u) << "nothing written yet is not an error";

        ASSERT_EQ(write(channel->pollFd(), c.sent.data(), c.sent.size()),
                  static_cast<ssize_t>(c.sent.size()));
        EXPECT_EQ(channel->readReport(buffer, got), ERROR_SUCCESS);
        EXPECT_EQ(std::vector<BYTE>(buffer, buffer + got), c.received);

        std::vector<BYTE> feature(4, 0);
        feature[0] = 4;
        EXPECT_EQ(channel->getFeature(feature), ERROR_INVALID_FUNCTION)
            << "a FIFO answers no hidraw ioctl";
    }
}

// A FIFO whose last writer went away polls hung up, as a hidraw node of an unplugged device does.
TEST(HidrawBus, HungUpNodeIsNotConnected) {
    QTemporaryDir dev;
    ASSERT_TRUE(dev.isValid());
    const QString path = dev.path() + QStringLiteral("/hidraw0");
    ASSERT_EQ(mkfifo(path.toLocal8Bit(), 0600), 0);
    HidrawBus bus(kSysfs, dev.path());
    DWORD error = 0;
    auto channel = bus.open(path, HidAccess::Read, error);
    ASSERT_TRUE(channel) << error;
    const int device = open(path.toLocal8Bit(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(device, 0);
    EXPECT_EQ(channel->connectionError(), ERROR_SUCCESS);
    close(device);
    EXPECT_EQ(channel->connectionError(), ERROR_DEVICE_NOT_CONNECTED);
}

TEST(HidrawBus, QueryChannelTransfersNothing) {
    HidrawBus bus(kSysfs, QStringLiteral("/fakedev"));
    DWORD error = 0;
    auto channel = bus.open(QStringLiteral("/fakedev/hidraw10"), HidAccess::Query, error);
    ASSERT_TRUE(channel);
    EXPECT_EQ(channel->pollFd(), -1);
    EXPECT_EQ(channel->node().product, QStringLiteral("Wireless Pad"));
    std::vector<BYTE> report(4, 0);
    EXPECT_EQ(channel->getFeature(report), ERROR_INVALID_HANDLE);

    EXPECT_FALSE(bus.open(QStringLiteral("/fakedev/hidraw10"), HidAccess::ReadWrite, error));
    EXPECT_EQ(error, ERROR_FILE_NOT_FOUND) << "no node file under /fakedev";
}

} // namespace

namespace {

FakeHidrawNode stick(unsigned sequence, const QString& product) {
    FakeHidrawNode node;
    node.sequence = sequence;
    node.product = product;
    node.descriptor = TwoCollectionDescriptor();
    return node;
}

TEST(HidrawBus, ReusedNodeNeverReachesAnotherDevice) {
    FakeSysfsTree tree;
    ASSERT_TRUE(tree.add(stick(1, QStringLiteral("First"))));
    HidrawBus bus(tree.sysfsRoot(), tree.devRoot());
    const QString path = tree.devRoot() + QStringLiteral("/hidraw0");
    ASSERT_EQ(bus.nodes().size(), 1u);

    // Unplugged, and another device got the same node before the next rescan.
    tree.remove(0);
    ASSERT_TRUE(tree.add(stick(2, QStringLiteral("Second"))));
    DWORD error = ERROR_SUCCESS;
    EXPECT_EQ(bus.open(path, HidAccess::ReadWrite, error), nullptr);
    EXPECT_EQ(error, ERROR_DEVICE_NOT_CONNECTED);
    EXPECT_EQ(bus.open(path, HidAccess::Query, error), nullptr);

    // The rescan lists the new device, which then opens under its own information.
    const std::vector<HidNodeInfo> nodes = bus.nodes();
    ASSERT_EQ(nodes.size(), 1u);
    EXPECT_EQ(nodes[0].instance, 3u);
    const auto channel = bus.open(path, HidAccess::ReadWrite, error);
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->node().product, QStringLiteral("Second"));
}

TEST(HidrawBus, RescanReadsOnlyNodesWhoseLinkChanged) {
    FakeSysfsTree tree;
    ASSERT_TRUE(tree.add(stick(1, QStringLiteral("Kept"))));
    FakeHidrawNode other = stick(2, QStringLiteral("Old"));
    other.number = 1;
    ASSERT_TRUE(tree.add(other));
    HidrawBus bus(tree.sysfsRoot(), tree.devRoot());
    ASSERT_EQ(bus.nodes().size(), 2u);

    // hidraw0's files change under an unchanged link; hidraw1 becomes another device.
    QFile product(tree.sysfsRoot() + QStringLiteral("/devices/pci0000:00/usb1/1-1/product"));
    ASSERT_TRUE(product.open(QIODevice::WriteOnly));
    product.write("Rewritten\n");
    product.close();
    tree.remove(1);
    other.sequence = 5;
    other.product = QStringLiteral("New");
    ASSERT_TRUE(tree.add(other));

    const std::vector<HidNodeInfo> nodes = bus.nodes();
    ASSERT_EQ(nodes.size(), 2u);
    EXPECT_EQ(nodes[0].product, QStringLiteral("Kept")) << "an unchanged node is not read again";
    EXPECT_EQ(nodes[1].product, QStringLiteral("New"));
    EXPECT_EQ(nodes[1].instance, 6u);
}

TEST(HidrawBus, OpensANodeNoScanHasListed) {
    FakeSysfsTree tree;
    ASSERT_TRUE(tree.add(stick(7, QStringLiteral("Unlisted"))));
    HidrawBus bus(tree.sysfsRoot(), tree.devRoot());
    DWORD error = ERROR_SUCCESS;
    const auto channel =
        bus.open(tree.devRoot() + QStringLiteral("/hidraw0"), HidAccess::ReadWrite, error);
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->node().product, QStringLiteral("Unlisted"));
    EXPECT_EQ(channel->node().instance, 8u);
    EXPECT_EQ(bus.open(tree.devRoot() + QStringLiteral("/hidraw1"), HidAccess::Query, error),
              nullptr);
    EXPECT_EQ(error, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(bus.open(tree.devRoot() + QStringLiteral("/../hidraw0"), HidAccess::Query, error),
              nullptr);
}

} // namespace
