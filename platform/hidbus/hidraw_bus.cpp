#include "platform/hidbus/hidraw_bus.h"

#include "platform/hidbus/hidraw_channel.h"
#include "platform/hidbus/sysfs_hid_scan.h"
#include "platform/win32/last_error.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <libudev.h>
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
    return scanSysfsHidraw(sysfsRoot, devRoot);
}

std::shared_ptr<HidChannel> HidrawBus::open(const QString& nodePath, HidAccess access,
                                            DWORD& error) {
    for (HidNodeInfo& node : scanSysfsHidraw(sysfsRoot, devRoot)) {
        if (node.nodePath != nodePath)
            continue;
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
        }
        error = ERROR_SUCCESS;
        return std::make_shared<HidrawChannel>(std::move(node), access, fd);
    }
    error = ERROR_FILE_NOT_FOUND;
    return nullptr;
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
