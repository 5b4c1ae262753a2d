#include "platform/hidbus/sysfs_hid_scan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <dirent.h>
#include <string>
#include <string_view>
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
DWORD instanceFromDeviceName(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return 0;
    const std::string_view digits = name.substr(dot + 1);
    std::uint32_t sequence = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), sequence, 16);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        sequence == UINT32_MAX)
        return 0;
    return sequence + 1;
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
    char buffer[PATH_MAX];
    const QByteArray link = QFile::encodeName(classDir + u'/' + name);
    const ssize_t size = ::readlink(link.constData(), buffer, sizeof buffer);
    if (size <= 0 || size >= static_cast<ssize_t>(sizeof buffer))
        return 0;
    std::string_view target(buffer, static_cast<std::size_t>(size));
    const auto takeLast = [&target]() {
        const std::size_t slash = target.rfind('/');
        const std::string_view last =
            slash == std::string_view::npos ? target : target.substr(slash + 1);
        target = slash == std::string_view::npos ? std::string_view() : target.substr(0, slash);
        return last;
    };
    if (takeLast() != QFile::encodeName(name).toStdString() || takeLast() != "hidraw" ||
        target.empty())
        return 0;
    return instanceFromDeviceName(takeLast());
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
    node.instance =
        instanceFromDeviceName(QFile::encodeName(QFileInfo(hidDir).fileName()).toStdString());
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

struct ClassLink {
    QString name;
    ino_t inode;
};

// The entries called hidraw<N> in the order of N, by name and inode alone: none of them is
// statted or followed.
std::vector<ClassLink> classLinks(const QString& classDir) {
    DIR* dir = opendir(QFile::encodeName(classDir).constData());
    if (dir == nullptr)
        return {};
    std::vector<std::pair<std::uint32_t, ClassLink>> numbered;
    constexpr std::string_view prefix = "hidraw";
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix))
            continue;
        const std::string_view digits = name.substr(prefix.size());
        std::uint32_t number = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (!digits.empty() && error == std::errc() && end == digits.data() + digits.size())
            numbered.push_back({number, {QString::fromLatin1(name), entry->d_ino}});
    }
    closedir(dir);
    std::sort(numbered.begin(), numbered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ClassLink> links;
    links.reserve(numbered.size());
    for (auto& [number, link] : numbered)
        links.push_back(std::move(link));
    return links;
}

} // namespace

std::vector<ScannedHidraw> scanSysfsHidraw(const QString& sysfsRoot, const QString& devRoot,
                                           std::unordered_map<QString, ScannedHidraw> previous) {
    const QString classDir = classDirOf(sysfsRoot);
    const std::vector<ClassLink> links = classLinks(classDir);
    std::vector<ScannedHidraw> result;
    result.reserve(links.size());
    for (const ClassLink& link : links) {
        const auto known = previous.find(devRoot + u'/' + link.name);
        if (known != previous.end() && link.inode != 0 && known->second.link == link.inode) {
            result.push_back(std::move(known->second));
            continue;
        }
        ScannedHidraw node{{}, link.inode};
        if (readNode(classDir, link.name, devRoot, node.info))
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
