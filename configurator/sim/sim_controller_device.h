#pragma once
// A simulated controller plugged into a SimHidBus as the two interfaces the configurator looks
// for: the configuration interface (top-level usage 1, feature reports 4..8) and the joystick
// interface (usage 4, input report 1 by the generated descriptor), both with the controller's
// vendor and product id, product and serial strings. A restart command makes both leave and
// come back with the identity and descriptor stored in report 6; the bootloader command makes
// them leave. A controller whose descriptor is empty shows no joystick interface.
//
//   SimHidBus bus;
//   ScopedHidBus guard(bus);
//   SimControllerDevice controller(bus);
//   controller.with([](SimController& c) { c.live().axisValues[0] = 512; });
//   controller.tick(10); // uptime, and one input report on the joystick interface

#include "configurator/sim/sim_controller.h"
#include "platform/hidbus/sim_hid_bus.h"

#include <functional>
#include <memory>
#include <optional>

class SimControllerDevice {
public:
    // Plugs the controller in; it starts with images as its stored configuration.
    explicit SimControllerDevice(SimHidBus& bus, QString serial = QStringLiteral("TAVRO-SIM-0001"),
                                 const ReportImages& images = DefaultControllerImages());
    ~SimControllerDevice();
    SimControllerDevice(const SimControllerDevice&) = delete;
    SimControllerDevice& operator=(const SimControllerDevice&) = delete;

    // Runs f under the lock the report handlers take.
    void with(const std::function<void(SimController&)>& f);

    // Advances the uptime and queues one input report on the joystick interface when plugged.
    void tick(int milliseconds);

    // The bus ids of the interfaces present now.
    std::optional<SimHidBus::DeviceId> configInterface() const;
    std::optional<SimHidBus::DeviceId> joystickInterface() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

// The configuration interface's report descriptor: vendor page, usage 1, feature reports 4..8.
std::vector<BYTE> ConfigInterfaceDescriptor();
