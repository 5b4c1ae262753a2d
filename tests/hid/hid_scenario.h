#pragma once
// Shared set-up of the HID scenario tests: a Qt application for posted messages and hand-overs,
// a simulated bus with the platform's providers registered, and a recording UI host. Devices
// answer feature report 4 with its bytes numbered and carry input report 1 of 9 bytes.

#include "hid/hid_controller.h"
#include "platform/hidbus/sim_hid_bus.h"
#include "platform/ui/message_window.h"
#include "platform/win32/last_error.h"
#include "tests/support/recording_ui_host.h"

#include <QCoreApplication>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

QCoreApplication& TestApp();

// Runs the UI thread's posted events until done() holds or a few seconds passed (a bounded
// wait on the reader threads). Returns done().
bool PumpUntil(const std::function<bool()>& done,
               std::chrono::milliseconds limit = std::chrono::seconds(5));
// Delivers the messages posted so far (device changes, hand-overs).
void PumpPosted();

SimHidDeviceSpec JoystickSpec(WORD vendorId, WORD productId, const QString& product);

class HidScenario : public ::testing::Test {
protected:
    HidScenario();
    ~HidScenario() override;

    // Makes the controller and delivers its first device-change message.
    TWkHidDeviceController& StartController();
    // The devices Enumerate offers, in list order, with their names read and cached.
    std::vector<TWkHidDevice*> Offered();

    SimHidBus bus;
    ScopedHidBus busGuard{bus};
    RecordingUiHost host;
    ScopedUiHost hostGuard{host};
    std::unique_ptr<TWkHidDeviceController> controller;
};

// Records handler calls of a controller as text lines.
class EventLog : public QObject {
public:
    QStringList lines;

    void DeviceChange(QObject*) { lines << QStringLiteral("change"); }
    void Arrival(TWkHidDevice* d) { lines << QStringLiteral("arrival ") + d->ProductName(); }
    void Removal(TWkHidDevice* d) { lines << QStringLiteral("removal ") + d->ProductName(); }
    void Unplug(TWkHidDevice*) { lines << QStringLiteral("unplug"); }
};
