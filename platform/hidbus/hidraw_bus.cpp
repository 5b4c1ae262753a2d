#include "platform/hidbus/hidraw_bus.h"

#include "platform/hidbus/hidraw_channel.h"
#include "platform/hidbus/sysfs_hid_scan.h"
#include "platform/win32/last_error.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <libudev.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Q_LOGGING_CATEGORY(lcHidraw, "tavro.hidraw")

int openFlags(HidAccess access) {
    switch (access) {
    case HidAccess::ReadWrite:
        return O_RDWR;
    case HidAccess::Read:
        return O_RDONLY;
    case HidAccess::Write:
        return O_WRONLY;
    case HidAccess::Query:
        break;
    }
    return -1;
}

// Whether fd is still node name of the HID device instance: the plug instance in sysfs, and the
// device number of a character device where sysfs gives one.
bool isSameNode(int fd, const QString& sysfsRoot, const QString& name, DWORD instance) {
    if (sysfsHidrawInstance(sysfsRoot, name) != instance)
        return false;
    struct stat opened {};
    if (fstat(fd, &opened) != 0 || !S_ISCHR(opened.st_mode))
        return true;
    const std::optional<dev_t> number = sysfsHidrawDeviceNumber(sysfsRoot, name);
    return !number || *number == opened.st_rdev;
}

} // namespace

HidrawBus::HidrawBus()
    : sysfsRoot(QStringLiteral("/sys")), devRoot(QStringLiteral("/dev")), watchHotPlug(true) {}

HidrawBus::HidrawBus(QString sysfsRoot, QString devRoot)
    : sysfsRoot(std::move(sysfsRoot)), devRoot(std::move(devRoot)), watchHotPlug(false) {}

HidrawBus::~HidrawBus() {
    delete notifier.data();
    if (monitor)
        udev_monitor_unref(monitor);
    if (context)
        udev_unref(context);
}

std::vector<HidNodeInfo> HidrawBus::nodes() {
    startMonitor();
    // An open meanwhile reads its node itself.
    std::unordered_map<QString, ScannedHidraw> previous;
    {
        std::lock_guard lock(listedLock);
        previous.swap(listed);
    }
    std::vector<ScannedHidraw> scanned = scanSysfsHidraw(sysfsRoot, devRoot, std::move(previous));
    std::vector<HidNodeInfo> found;
    found.reserve(scanned.size());
    std::unordered_map<QString, ScannedHidraw> byPath;
    byPath.reserve(scanned.size());
    for (ScannedHidraw& node : scanned) {
        found.push_back(node.info);
        const QString path = node.info.nodePath;
        byPath.emplace(path, std::move(node));
    }
    std::lock_guard lock(listedLock);
    listed = std::move(byPath);
    return found;
}

std::optional<HidNodeInfo> HidrawBus::listedNode(const QString& nodePath) {
    std::lock_guard lock(listedLock);
    const auto it = listed.find(nodePath);
    if (it == listed.end())
        return std::nullopt;
    return it->second.info;
}

std::shared_ptr<HidChannel> HidrawBus::open(const QString& nodePath, HidAccess access,
                                            DWORD& error) {
    static const QRegularExpression nodeName(QStringLiteral("^hidraw\\d+$"));
    const QString name = nodePath.mid(devRoot.size() + 1);
    // Only a name of the dev folder's own nodes leads to a link in sysfs.
    const bool isNode = nodePath.startsWith(devRoot + u'/') && nodeName.match(name).hasMatch();
    const DWORD instance = isNode ? sysfsHidrawInstance(sysfsRoot, name) : 0;
    if (instance == 0) {
        error = ERROR_FILE_NOT_FOUND;
        return nullptr;
    }
    std::optional<HidNodeInfo> node = listedNode(nodePath);
    if (node && node->instance != instance) {
        error = ERROR_DEVICE_NOT_CONNECTED;
        return nullptr;
    }
    if (!node) {
        node.emplace();
        if (!readSysfsHidraw(sysfsRoot, devRoot, name, *node)) {
            error = ERROR_FILE_NOT_FOUND;
            return nullptr;
        }
    }
    int fd = -1;
    const int flags = openFlags(access);
    if (flags >= 0) {
        fd = ::open(nodePath.toLocal8Bit().constData(), flags | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            error = Win32ErrorFromErrno(errno);
            qCDebug(lcHidraw, "open failed for '%s': %s", qPrintable(nodePath),
                    qPrintable(SysErrorMessage(error)));
            return nullptr;
        }
        // The node may have been replaced between the look-up and the open.
        if (!isSameNode(fd, sysfsRoot, name, instance)) {
            ::close(fd);
            error = ERROR_DEVICE_NOT_CONNECTED;
            return nullptr;
        }
    }
    error = ERROR_SUCCESS;
    return std::make_shared<HidrawChannel>(std::move(*node), access, fd);
}

// The monitor lives on the Qt event loop of the main thread, so it starts on the first
// enumeration made there once the application exists.
void HidrawBus::startMonitor() {
    if (!watchHotPlug || monitor)
        return;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return;
    if (!context)
        context = udev_new();
    if (!context)
        return;
    monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor) {
        qCWarning(lcHidraw, "udev monitor unavailable: hot-plug is not followed");
        watchHotPlug = false;
        return;
    }
    udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr);
    udev_monitor_enable_receiving(monitor);
    notifier = new QSocketNotifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [this] { drainMonitor(); });
}

void HidrawBus::drainMonitor() {
    while (udev_device* device = udev_monitor_receive_device(monitor))
        udev_device_unref(device);
    announceChange();
}
