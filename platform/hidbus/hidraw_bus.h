#pragma once
// The machine's HID devices through Linux hidraw: enumeration from sysfs, transfers on
// /dev/hidrawN, hot-plug from a udev monitor watched on the Qt event loop.

#include "platform/hidbus/hid_bus.h"

#include <QPointer>

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
    std::shared_ptr<HidChannel> open(const QString& nodePath, HidAccess access,
                                     DWORD& error) override;

private:
    void startMonitor();
    void drainMonitor();

    QString sysfsRoot;
    QString devRoot;
    bool watchHotPlug;
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    QPointer<QSocketNotifier> notifier;
};
