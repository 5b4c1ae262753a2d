#pragma once
// The real main window with a simulated controller on the simulated HID bus, connected the way a
// click on its list line connects it. Pauses, messages and every transfer with the device land
// in one ordered log.

#include "configurator/sim/sim_controller_device.h"
#include "configurator/window/form_exchange.h"
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
    // Selects the simulated controller and lets the window enumerate, which checks out its
    // configuration interface and turns polling on; the log starts empty afterwards.
    void Connect();
    // Unplugs the simulated controller and lets the window's HID controller notice.
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
    TWkHidDevice* device = nullptr; // the configuration interface Connect found
};
