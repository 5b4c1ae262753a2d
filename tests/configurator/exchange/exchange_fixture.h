#pragma once
// The real main window with a simulated controller on the simulated HID bus: the HID controller
// checks out the controller's configuration interface and the window takes it as its
// ConfigDevice. Pauses, messages and every transfer with the device land in one ordered log.

#include "configurator/sim/sim_controller_device.h"
#include "configurator/window/form_exchange.h"
#include "hid/hid_controller.h"
#include "tests/configurator/exchange/transfer_log_bus.h"
#include "tests/configurator/window/window_fixture.h"

class QPushButton;

// Readable failures: texts and logs print as text.
void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QStringList& lines, std::ostream* out);

class ExchangeTest : public WindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    FormExchange& Exchange() { return form->Exchange(); }
    FormState& State() { return Exchange().State(); }
    // Gives the window the controller's configuration interface and turns polling on, as a
    // connection does; the log starts empty afterwards.
    void Connect();
    // Unplugs the simulated controller and lets the HID controller notice.
    void Unplug();
    // The log as the sequence left it, from its start.
    QStringList Log() const { return host.log; }
    QPushButton* Button(const char* name);
    void EnableDeviceButtons();
    // The system's text for the fault the transfer log bus injects.
    static QString FailureText();

    SimHidBus simBus;
    TransferLogBus logBus{simBus, host.log};
    std::unique_ptr<ScopedHidBus> busGuard;
    std::unique_ptr<SimControllerDevice> sim;
    std::unique_ptr<TWkHidDeviceController> hid;
    TWkHidDevice* device = nullptr;
};
