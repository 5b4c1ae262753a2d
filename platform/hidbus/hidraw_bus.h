#pragma once
// The machine's HID devices through Linux hidraw: enumeration from sysfs, transfers on
// /dev/hidrawN, hot-plug from a udev monitor watched on the Qt event loop.

#include "platform/hidbus/hid_bus.h"
#include "platform/hidbus/sysfs_hid_scan.h"

#include <QHash>
#include <QPointer>
#include <mutex>
#include <unordered_map>

class QSocketNotifier;
struct udev;
struct udev_monitor;

class HidrawBus final : public HidBus {
public:
    // The real system, with hot-plug notification.
    HidrawBus();
    // A tree of one's own (tests): nodes from sysfsRoot, opened under devRoot; no hot-plug.
    HidrawBus(QString sysfsRoot, QString devRoot);
    ~HidrawBus() override;

    std::vector<HidNodeInfo> nodes() override;
    // Looks up the one node, not the whole tree: a node listed by the last nodes() opens only
    // while it is still the same device (plug instance, and device number where the kernel gives
    // one), so a reused /dev/hidrawN never reaches another device (ERROR_DEVICE_NOT_CONNECTED).
    // The node's information is the one that listing read.
    std::shared_ptr<HidChannel> open(const QString& nodePath, HidAccess access,
                                     DWORD& error) override;

private:
    void startMonitor();
    void drainMonitor();
    std::optional<HidNodeInfo> listedNode(const QString& nodePath);

    QString sysfsRoot;
    QString devRoot;
    bool watchHotPlug;
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    QPointer<QSocketNotifier> notifier;
    // Opens come from reader threads too.
    std::mutex listedLock;
    std::unordered_map<QString, ScannedHidraw> listed; // by node path; guarded by listedLock
};
