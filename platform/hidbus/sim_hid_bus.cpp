#include "platform/hidbus/sim_hid_bus.h"

#include "platform/win32/last_error.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

// As deep as the kernel's hidraw ring: a report that arrives while it is full is lost, as it would
// be from a real device nobody reads fast enough.
constexpr std::size_t kMaxQueuedReports = 64;

} // namespace

struct SimHidBus::Device {
    std::mutex mutex;
    SimHidDeviceSpec spec;
    SimHidFaults faults;
    HidNodeInfo info;
    bool plugged = true;
    std::vector<Channel*> channels;
};

class SimHidBus::Channel final : public HidChannel {
public:
    Channel(std::shared_ptr<Device> device, HidAccess access)
        : HidChannel(device->info, access), device(std::move(device)),
          wakeFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

    ~Channel() override {
        {
            std::lock_guard lock(device->mutex);
            std::erase(device->channels, this);
        }
        if (wakeFd >= 0)
            close(wakeFd);
    }

    // Called with the device's lock held.
    void push(const std::vector<BYTE>& report) {
        if (queue.size() == kMaxQueuedReports)
            return;
        queue.push_back(report);
        wake();
    }

    // Called with the device's lock held.
    void wake() {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = write(wakeFd, &one, sizeof one);
    }

    DWORD readAttributes(WORD& vendorId, WORD& productId, WORD& version) override {
        std::lock_guard lock(device->mutex);
        if (const DWORD error = stateError())
            return error;
        if (device->faults.attributesError)
            return device->faults.attributesError;
        return HidChannel::readAttributes(vendorId, productId, version);
    }

    DWORD readReportDescriptor(std::vector<BYTE>& descriptor) override {
        std::lock_guard lock(device->mutex);
        if (const DWORD error = stateError())
            return error;
        return HidChannel::readReportDescriptor(descriptor);
    }

    DWORD getFeature(std::span<BYTE> buffer) override {
        return callGet(&SimHidDeviceSpec::getFeature, buffer);
    }
    DWORD setFeature(std::span<const BYTE> buffer) override {
        return callSet(&SimHidDeviceSpec::setFeature, buffer);
    }
    DWORD getInputReport(std::span<BYTE> buffer) override {
        return callGet(&SimHidDeviceSpec::getInput, buffer);
    }
    DWORD setOutputReport(std::span<const BYTE> buffer) override {
        return callSet(&SimHidDeviceSpec::setOutput, buffer);
    }
    DWORD getOutputReport(std::span<BYTE> buffer) override {
        return callGet(&SimHidDeviceSpec::getOutput, buffer);
    }
    DWORD writeReport(std::span<const BYTE> buffer) override {
        return callSet(&SimHidDeviceSpec::setOutput, buffer);
    }

    DWORD readReport(std::span<BYTE> buffer, DWORD& bytesRead) override {
        bytesRead = 0;
        std::lock_guard lock(device->mutex);
        if (const DWORD error = stateError())
            return error;
        if (queue.empty())
            return ERROR_SUCCESS;
        const std::vector<BYTE>& report = queue.front();
        const std::size_t count = std::min(report.size(), buffer.size());
        std::copy_n(report.begin(), count, buffer.begin());
        bytesRead = static_cast<DWORD>(count);
        queue.pop_front();
        if (queue.empty())
            drainWake();
        return ERROR_SUCCESS;
    }

    DWORD connectionError() override {
        std::lock_guard lock(device->mutex);
        return stateError();
    }

    int pollFd() const override { return accessReads(access()) ? wakeFd : -1; }

    DWORD flush() override {
        std::lock_guard lock(device->mutex);
        if (const DWORD error = stateError())
            return error;
        queue.clear();
        drainWake();
        return ERROR_SUCCESS;
    }

private:
    // Called with the device's lock held. A channel stays with the instance it was opened on, so
    // a replug does not revive it.
    DWORD stateError() const {
        if (!device->plugged || device->info.instance != node().instance)
            return ERROR_DEVICE_NOT_CONNECTED;
        return ERROR_SUCCESS;
    }

    template <typename Handler> DWORD prepare(Handler SimHidDeviceSpec::*member, Handler& out) {
        std::lock_guard lock(device->mutex);
        if (const DWORD error = stateError())
            return error;
        if (device->faults.transferError)
            return device->faults.transferError;
        out = device->spec.*member;
        return out ? ERROR_SUCCESS : ERROR_INVALID_FUNCTION;
    }

    DWORD callGet(SimGetReportHandler SimHidDeviceSpec::*member, std::span<BYTE> buffer) {
        SimGetReportHandler handler;
        if (const DWORD error = prepare(member, handler))
            return error;
        return handler(buffer);
    }

    DWORD callSet(SimSetReportHandler SimHidDeviceSpec::*member, std::span<const BYTE> buffer) {
        SimSetReportHandler handler;
        if (const DWORD error = prepare(member, handler))
            return error;
        return handler(buffer);
    }

    void drainWake() {
        std::uint64_t count = 0;
        [[maybe_unused]] const auto got = read(wakeFd, &count, sizeof count);
    }

    std::shared_ptr<Device> device;
    std::deque<std::vector<BYTE>> queue;
    int wakeFd;
};

SimHidBus::SimHidBus() = default;

SimHidBus::~SimHidBus() = default;

SimHidBus::DeviceId SimHidBus::addDevice(SimHidDeviceSpec spec) {
    DeviceId id;
    {
        std::lock_guard lock(mutex);
        id = nextId++;
        auto device = std::make_shared<Device>();
        HidNodeInfo& info = device->info;
        info.nodePath = QStringLiteral("/sim/hid%1").arg(id);
        info.instance = nextInstance++;
        info.vendorId = spec.vendorId;
        info.productId = spec.productId;
        info.version = spec.version;
        info.manufacturer = spec.manufacturer;
        info.product = spec.product;
        info.serial = spec.serial;
        info.languageIds = spec.languageIds;
        info.reportDescriptor = spec.reportDescriptor;
        info.driver = QStringLiteral("sim-hid");
        info.location = QStringLiteral("sim-%1").arg(id);
        device->spec = std::move(spec);
        devices.emplace(id, std::move(device));
    }
    announceChange();
    return id;
}

void SimHidBus::unplug(DeviceId id) {
    const auto device = find(id);
    if (!device)
        return;
    {
        std::lock_guard lock(device->mutex);
        if (!device->plugged)
            return;
        device->plugged = false;
        for (Channel* channel : device->channels)
            channel->wake();
    }
    announceChange();
}

void SimHidBus::replug(DeviceId id) {
    const auto device = find(id);
    if (!device)
        return;
    {
        std::lock_guard busLock(mutex);
        std::lock_guard lock(device->mutex);
        if (device->plugged)
            return;
        device->plugged = true;
        device->info.instance = nextInstance++;
    }
    announceChange();
}

void SimHidBus::setFaults(DeviceId id, SimHidFaults faults) {
    if (const auto device = find(id)) {
        std::lock_guard lock(device->mutex);
        device->faults = faults;
    }
}

void SimHidBus::queueInput(DeviceId id, std::vector<BYTE> report) {
    const auto device = find(id);
    if (!device)
        return;
    std::lock_guard lock(device->mutex);
    if (!device->plugged)
        return;
    for (Channel* channel : device->channels) {
        if (accessReads(channel->access()))
            channel->push(report);
    }
}

QString SimHidBus::nodePath(DeviceId id) const {
    const auto device = find(id);
    return device ? device->info.nodePath : QString();
}

int SimHidBus::openChannelCount(DeviceId id) const {
    const auto device = find(id);
    if (!device)
        return 0;
    std::lock_guard lock(device->mutex);
    return static_cast<int>(device->channels.size());
}

std::vector<HidNodeInfo> SimHidBus::nodes() {
    std::vector<std::shared_ptr<Device>> all;
    {
        std::lock_guard lock(mutex);
        for (const auto& [id, device] : devices)
            all.push_back(device);
    }
    std::vector<HidNodeInfo> result;
    for (const auto& device : all) {
        std::lock_guard lock(device->mutex);
        if (device->plugged)
            result.push_back(device->info);
    }
    return result;
}

std::shared_ptr<HidChannel> SimHidBus::open(const QString& nodePath, HidAccess access,
                                            DWORD& error) {
    std::shared_ptr<Device> device;
    {
        std::lock_guard lock(mutex);
        for (const auto& [id, candidate] : devices) {
            if (candidate->info.nodePath == nodePath)
                device = candidate;
        }
    }
    if (!device) {
        error = ERROR_FILE_NOT_FOUND;
        return nullptr;
    }
    std::lock_guard lock(device->mutex);
    if (!device->plugged) {
        error = ERROR_FILE_NOT_FOUND;
        return nullptr;
    }
    if (device->faults.denyReadWrite && access != HidAccess::Query) {
        error = ERROR_ACCESS_DENIED;
        return nullptr;
    }
    auto channel = std::make_shared<Channel>(device, access);
    device->channels.push_back(channel.get());
    error = ERROR_SUCCESS;
    return channel;
}

std::shared_ptr<SimHidBus::Device> SimHidBus::find(DeviceId id) const {
    std::lock_guard lock(mutex);
    const auto it = devices.find(id);
    return it == devices.end() ? nullptr : it->second;
}
