#include "configurator/sim/sim_controller_device.h"

#include "platform/win32/last_error.h"

#include <mutex>

namespace {

struct FeatureReport {
    BYTE id;
    BYTE payload; // bytes after the id
};

constexpr FeatureReport FeatureReports[] = {
    {AxisReportId, AxisReportLength - 1}, {GeneralReportId, GeneralReportLength - 1},
    {HidReportId, HidReportLength - 1},   {LiveDataReportId, LiveDataReportLength - 1},
    {LedReportId, LedReportLength - 1},
};

} // namespace

std::vector<BYTE> ConfigInterfaceDescriptor() {
    std::vector<BYTE> d = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01};
    for (const FeatureReport& r : FeatureReports)
        d.insert(d.end(), {0x85, r.id, 0x09, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95,
                           r.payload, 0xB1, 0x02});
    d.push_back(0xC0);
    return d;
}

struct SimControllerDevice::Shared : std::enable_shared_from_this<Shared> {
    Shared(SimHidBus& b, QString serial, const ReportImages& images)
        : bus(b), controller(std::move(serial), images) {}

    // Plugs both interfaces in with the controller's current identity.
    void plug();
    void unplug();
    DWORD setFeature(std::span<const BYTE> report);

    SimHidBus& bus;
    std::mutex mutex; // guards controller and the ids
    SimController controller;
    std::optional<SimHidBus::DeviceId> config;
    std::optional<SimHidBus::DeviceId> joystick;
};

void SimControllerDevice::Shared::plug() {
    SimHidDeviceSpec spec;
    std::vector<BYTE> joystickDescriptor;
    {
        std::lock_guard lock(mutex);
        const SimControllerIdentity identity = controller.identity();
        spec.vendorId = identity.vendorId;
        spec.productId = identity.productId;
        spec.product = identity.product;
        spec.serial = identity.serial;
        joystickDescriptor = controller.joystickDescriptor();
    }
    SimHidDeviceSpec configSpec = spec;
    configSpec.reportDescriptor = ConfigInterfaceDescriptor();
    // The bus keeps the handlers after the controller is gone (a replug revives them), so they
    // hold the controller only weakly.
    const std::weak_ptr<Shared> self = weak_from_this();
    configSpec.getFeature = [self](std::span<BYTE> report) -> DWORD {
        const std::shared_ptr<Shared> shared = self.lock();
        if (!shared)
            return ERROR_DEVICE_NOT_CONNECTED;
        std::lock_guard lock(shared->mutex);
        return shared->controller.getFeature(report);
    };
    configSpec.setFeature = [self](std::span<const BYTE> report) -> DWORD {
        const std::shared_ptr<Shared> shared = self.lock();
        return shared ? shared->setFeature(report) : DWORD(ERROR_DEVICE_NOT_CONNECTED);
    };
    const SimHidBus::DeviceId configId = bus.addDevice(std::move(configSpec));
    std::optional<SimHidBus::DeviceId> joystickId;
    if (!joystickDescriptor.empty()) {
        spec.reportDescriptor = std::move(joystickDescriptor);
        joystickId = bus.addDevice(std::move(spec));
    }
    std::lock_guard lock(mutex);
    config = configId;
    joystick = joystickId;
}

void SimControllerDevice::Shared::unplug() {
    std::optional<SimHidBus::DeviceId> configId, joystickId;
    {
        std::lock_guard lock(mutex);
        configId = std::exchange(config, std::nullopt);
        joystickId = std::exchange(joystick, std::nullopt);
    }
    if (configId)
        bus.unplug(*configId);
    if (joystickId)
        bus.unplug(*joystickId);
}

DWORD SimControllerDevice::Shared::setFeature(std::span<const BYTE> report) {
    DWORD result;
    std::optional<ControllerCommand> command;
    {
        std::lock_guard lock(mutex);
        result = controller.setFeature(report);
        command = controller.takeCommand();
    }
    // The bus is called without the lock: it announces the change to listeners that may come
    // back for reports.
    if (command == ControllerCommand::Restart) {
        unplug();
        plug();
    } else if (command == ControllerCommand::Bootloader) {
        unplug();
    }
    return result;
}

SimControllerDevice::SimControllerDevice(SimHidBus& bus, QString serial, const ReportImages& images)
    : shared_(std::make_shared<Shared>(bus, std::move(serial), images)) {
    shared_->plug();
}

SimControllerDevice::~SimControllerDevice() {
    shared_->unplug();
}

void SimControllerDevice::with(const std::function<void(SimController&)>& f) {
    std::lock_guard lock(shared_->mutex);
    f(shared_->controller);
}

void SimControllerDevice::tick(int milliseconds) {
    std::vector<BYTE> report;
    std::optional<SimHidBus::DeviceId> joystick;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->controller.tick(milliseconds);
        joystick = shared_->joystick;
        if (joystick)
            report = shared_->controller.inputReport();
    }
    if (joystick && !report.empty())
        shared_->bus.queueInput(*joystick, std::move(report));
}

std::optional<SimHidBus::DeviceId> SimControllerDevice::configInterface() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->config;
}

std::optional<SimHidBus::DeviceId> SimControllerDevice::joystickInterface() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->joystick;
}
