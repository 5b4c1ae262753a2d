#include "platform/hidbus/sysfs_hid_scan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <dirent.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// The kernel's limit for a report descriptor (HID_MAX_DESCRIPTOR_SIZE).
constexpr qint64 kMaxDescriptorSize = 4096;
// sysfs attribute files here are one short line; anything longer is not ours to read.
constexpr qint64 kMaxAttributeSize = 4096;
// HID bus type of USB devices in HID_ID (BUS_USB).
constexpr unsigned kBusUsb = 0x03;
// The language id the kernel reads USB strings in when the device offers it.
constexpr WORD kUsEnglish = 0x0409;

QByteArray readCapped(const QString& path, qint64 cap) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(cap);
}

QString readLine(const QString& path) {
    return QString::fromUtf8(readCapped(path, kMaxAttributeSize)).trimmed();
}

struct Uevent {
    QString driver;
    unsigned bus = 0;
    unsigned vendor = 0;
    unsigned product = 0;
    QString name;
    QString phys;
    QString uniq;
    bool hasId = false;
};

// HID_ID=0003:000016C0:000005DF
bool parseHidId(const QString& value, Uevent& out) {
    const QStringList parts = value.split(u':');
    if (parts.size() != 3)
        return false;
    bool ok[3] = {};
    out.bus = parts[0].toUInt(&ok[0], 16);
    out.vendor = parts[1].toUInt(&ok[1], 16);
    out.product = parts[2].toUInt(&ok[2], 16);
    return ok[0] && ok[1] && ok[2] && out.vendor <= 0xFFFF && out.product <= 0xFFFF;
}

Uevent readUevent(const QString& path) {
    Uevent result;
    const QString text = QString::fromUtf8(readCapped(path, kMaxAttributeSize));
    for (const QString& line : text.split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString key = line.left(eq);
        const QString value = line.mid(eq + 1);
        if (key == u"DRIVER")
            result.driver = value;
        else if (key == u"HID_ID")
            result.hasId = parseHidId(value, result);
        else if (key == u"HID_NAME")
            result.name = value;
        else if (key == u"HID_PHYS")
            result.phys = value;
        else if (key == u"HID_UNIQ")
            result.uniq = value;
    }
    return result;
}

// The kernel names a HID device "BBBB:VVVV:PPPP.NNNN", NNNN counting up with every device it
// adds, so it tells one plug of the same hardware from the next.
DWORD instanceFromDeviceName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    bool ok = false;
    const uint sequence = dot < 0 ? 0 : name.mid(dot + 1).toUInt(&ok, 16);
    return ok ? sequence + 1 : 0;
}

// The USB device two levels above the HID device (HID device -> USB interface -> USB device).
void readUsbParent(const QString& hidDir, HidNodeInfo& node) {
    const QString usbDir = QDir::cleanPath(hidDir + QStringLiteral("/../.."));
    if (!QFileInfo::exists(usbDir + QStringLiteral("/idVendor")))
        return;
    bool ok = false;
    const uint version = readLine(usbDir + QStringLiteral("/bcdDevice")).toUInt(&ok, 16);
    if (ok && version <= 0xFFFF)
        node.version = static_cast<WORD>(version);
    node.manufacturer = readLine(usbDir + QStringLiteral("/manufacturer"));
    node.product = readLine(usbDir + QStringLiteral("/product"));
    node.serial = readLine(usbDir + QStringLiteral("/serial"));
    if (!node.manufacturer.isEmpty() || !node.product.isEmpty() || !node.serial.isEmpty())
        node.languageIds = {kUsEnglish};
}

// The plug instance from the class link alone (one readlink instead of resolving every step of
// the device path): <class>/hidrawN -> ../../devices/.../BBBB:VVVV:PPPP.NNNN/hidraw/hidrawN.
DWORD linkedInstance(const QString& classDir, const QString& name) {
    char target[PATH_MAX];
    const QByteArray link = QFile::encodeName(classDir + u'/' + name);
    const ssize_t size = ::readlink(link.constData(), target, sizeof target);
    if (size <= 0 || size >= static_cast<ssize_t>(sizeof target))
        return 0;
    const QStringList parts =
        QFile::decodeName(QByteArray(target, static_cast<qsizetype>(size))).split(u'/');
    if (parts.size() < 3 || parts.last() != name || parts[parts.size() - 2] != u"hidraw")
        return 0;
    return instanceFromDeviceName(parts[parts.size() - 3]);
}

QString hidDirOf(const QString& classDir, const QString& name) {
    return QFileInfo(classDir + u'/' + name + QStringLiteral("/device")).canonicalFilePath();
}

bool readNode(const QString& classDir, const QString& name, const QString& devRoot,
              HidNodeInfo& node) {
    const QString hidDir = hidDirOf(classDir, name);
    if (hidDir.isEmpty())
        return false;
    const Uevent uevent = readUevent(hidDir + QStringLiteral("/uevent"));
    node.instance = instanceFromDeviceName(QFileInfo(hidDir).fileName());
    if (!uevent.hasId || node.instance == 0)
        return false;
    const QByteArray descriptor =
        readCapped(hidDir + QStringLiteral("/report_descriptor"), kMaxDescriptorSize);
    node.reportDescriptor.assign(descriptor.begin(), descriptor.end());
    node.nodePath = devRoot + u'/' + name;
    node.vendorId = static_cast<WORD>(uevent.vendor);
    node.productId = static_cast<WORD>(uevent.product);
    node.driver = uevent.driver;
    node.location = uevent.phys;
    if (uevent.bus == kBusUsb) {
        readUsbParent(hidDir, node);
    } else {
        node.product = uevent.name;
        node.serial = uevent.uniq;
    }
    return true;
}

QString classDirOf(const QString& sysfsRoot) {
    return sysfsRoot + QStringLiteral("/class/hidraw");
}

// The entries called hidraw<N>, by name alone: a rescan stats none of them.
QStringList hidrawNames(const QString& classDir) {
    QStringList names;
    DIR* dir = opendir(QFile::encodeName(classDir).constData());
    if (dir == nullptr)
        return names;
    static const QRegularExpression nodeName(QStringLiteral("^hidraw\\d+$"));
    while (const dirent* entry = readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (nodeName.match(name).hasMatch())
            names << name;
    }
    closedir(dir);
    return names;
}

int nodeNumber(const QString& name) {
    return name.mid(qsizetype(6)).toInt();
}

} // namespace

std::vector<HidNodeInfo> scanSysfsHidraw(const QString& sysfsRoot, const QString& devRoot,
                                         const std::map<QString, HidNodeInfo>& previous) {
    const QString classDir = classDirOf(sysfsRoot);
    QStringList names = hidrawNames(classDir);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return nodeNumber(a) < nodeNumber(b); });
    std::vector<HidNodeInfo> result;
    for (const QString& name : names) {
        const auto known = previous.find(devRoot + u'/' + name);
        if (known != previous.end() && known->second.instance == linkedInstance(classDir, name)) {
            result.push_back(known->second);
            continue;
        }
        HidNodeInfo node;
        if (readNode(classDir, name, devRoot, node))
            result.push_back(std::move(node));
    }
    return result;
}

bool readSysfsHidraw(const QString& sysfsRoot, const QString& devRoot, const QString& name,
                     HidNodeInfo& node) {
    return readNode(classDirOf(sysfsRoot), name, devRoot, node);
}

DWORD sysfsHidrawInstance(const QString& sysfsRoot, const QString& name) {
    return linkedInstance(classDirOf(sysfsRoot), name);
}

std::optional<dev_t> sysfsHidrawDeviceNumber(const QString& sysfsRoot, const QString& name) {
    // "major:minor"
    const QStringList parts =
        readLine(classDirOf(sysfsRoot) + u'/' + name + QStringLiteral("/dev")).split(u':');
    bool ok[2] = {};
    if (parts.size() != 2)
        return std::nullopt;
    const uint major = parts[0].toUInt(&ok[0]);
    const uint minor = parts[1].toUInt(&ok[1]);
    if (!ok[0] || !ok[1])
        return std::nullopt;
    return makedev(major, minor);
}
