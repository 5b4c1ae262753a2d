#include "tests/support/fake_sysfs_tree.h"

#include <QDir>
#include <QFile>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString hex4(unsigned value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

QString usbDir(int number) {
    return QStringLiteral("/devices/pci0000:00/usb1/1-%1").arg(number + 1);
}

} // namespace

FakeSysfsTree::FakeSysfsTree() {
    QDir(dir.path()).mkpath(QStringLiteral("sys/class/hidraw"));
    QDir(dir.path()).mkpath(QStringLiteral("dev"));
}

bool FakeSysfsTree::add(const FakeHidrawNode& node) {
    const QString name = QStringLiteral("hidraw%1").arg(node.number);
    const QString usb = sysfsRoot() + usbDir(node.number);
    const QString hidName =
        QStringLiteral("0003:%1:%2.%3")
            .arg(hex4(node.vendorId), hex4(node.productId), hex4(node.sequence));
    const QString hid = usb + QStringLiteral("/1-%1:1.0/").arg(node.number + 1) + hidName;
    if (!QDir().mkpath(hid + QStringLiteral("/hidraw/") + name))
        return false;
    const QByteArray uevent = QStringLiteral("DRIVER=hid-generic\nHID_ID=0003:0000%1:0000%2\n"
                                             "HID_NAME=%3\nHID_PHYS=usb-0000:00:14.0-%4/input0\n")
                                  .arg(hex4(node.vendorId), hex4(node.productId), node.product)
                                  .arg(node.number + 1)
                                  .toUtf8();
    const QByteArray descriptor(reinterpret_cast<const char*>(node.descriptor.data()),
                                static_cast<qsizetype>(node.descriptor.size()));
    return writeFile(usb + QStringLiteral("/idVendor"), hex4(node.vendorId).toUtf8() + '\n') &&
           writeFile(usb + QStringLiteral("/idProduct"), hex4(node.productId).toUtf8() + '\n') &&
           writeFile(usb + QStringLiteral("/bcdDevice"), "0100\n") &&
           writeFile(usb + QStringLiteral("/manufacturer"), "Hobby Works\n") &&
           writeFile(usb + QStringLiteral("/product"), node.product.toUtf8() + '\n') &&
           writeFile(usb + QStringLiteral("/serial"), QByteArray::number(node.number) + '\n') &&
           writeFile(hid + QStringLiteral("/uevent"), uevent) &&
           writeFile(hid + QStringLiteral("/report_descriptor"), descriptor) &&
           QFile::link(QStringLiteral("../.."),
                       hid + QStringLiteral("/hidraw/") + name + QStringLiteral("/device")) &&
           QFile::link(hid + QStringLiteral("/hidraw/") + name,
                       sysfsRoot() + QStringLiteral("/class/hidraw/") + name) &&
           writeFile(devRoot() + u'/' + name, {});
}

void FakeSysfsTree::remove(int number) {
    const QString name = QStringLiteral("hidraw%1").arg(number);
    // Sysfs never gives a new link the inode number of an old one; a file system may, unless
    // the old link stays allocated.
    const QString retired = dir.path() + QStringLiteral("/retired-links");
    QDir().mkpath(retired);
    QFile::rename(sysfsRoot() + QStringLiteral("/class/hidraw/") + name,
                  retired + u'/' + QString::number(++retiredLinks));
    QDir(sysfsRoot() + usbDir(number)).removeRecursively();
    QFile::remove(devRoot() + u'/' + name);
}

std::vector<std::uint8_t> TwoCollectionDescriptor() {
    return {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x04, 0x09, 0x01, 0x15,
        0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x3F, 0xB1, 0x02, 0xC0, 0x05,
        0x01, 0x09, 0x04, 0xA1, 0x01, 0x85, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15,
        0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x02, 0x81, 0x02, 0xC0,
    };
}
