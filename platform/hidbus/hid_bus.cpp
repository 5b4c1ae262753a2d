#include "platform/hidbus/hid_bus.h"

#include "platform/hidbus/hidraw_bus.h"
#include "platform/win32/last_error.h"

#include <atomic>
#include <mutex>

HidChannel::HidChannel(HidNodeInfo node, HidAccess access) : info(std::move(node)), mode(access) {}

DWORD HidChannel::readAttributes(WORD& vendorId, WORD& productId, WORD& version) {
    vendorId = info.vendorId;
    productId = info.productId;
    version = info.version;
    return ERROR_SUCCESS;
}

DWORD HidChannel::getFeature(std::span<BYTE>) {
    return ERROR_INVALID_FUNCTION;
}

DWORD HidChannel::setFeature(std::span<const BYTE>) {
    return ERROR_INVALID_FUNCTION;
}

DWORD HidChannel::getInputReport(std::span<BYTE>) {
    return ERROR_INVALID_FUNCTION;
}

DWORD HidChannel::setOutputReport(std::span<const BYTE>) {
    return ERROR_INVALID_FUNCTION;
}

DWORD HidChannel::getOutputReport(std::span<BYTE>) {
    return ERROR_INVALID_FUNCTION;
}

DWORD HidChannel::getReport(HidReportKind kind, std::span<BYTE> buffer, DWORD& transferred) {
    transferred = 0;
    DWORD error = ERROR_INVALID_FUNCTION;
    switch (kind) {
    case HidReportKind::Feature:
        error = getFeature(buffer);
        break;
    case HidReportKind::Input:
        error = getInputReport(buffer);
        break;
    case HidReportKind::Output:
        error = getOutputReport(buffer);
        break;
    }
    if (error == ERROR_SUCCESS)
        transferred = static_cast<DWORD>(buffer.size());
    return error;
}

DWORD HidChannel::readReportDescriptor(std::vector<BYTE>& descriptor) {
    descriptor = info.reportDescriptor;
    return ERROR_SUCCESS;
}

DWORD HidChannel::writeReport(std::span<const BYTE>) {
    return ERROR_INVALID_FUNCTION;
}

DWORD HidChannel::readReport(std::span<BYTE>, DWORD& bytesRead) {
    bytesRead = 0;
    return ERROR_INVALID_FUNCTION;
}

DWORD HidChannel::connectionError() {
    return ERROR_SUCCESS;
}

int HidChannel::pollFd() const {
    return -1;
}

DWORD HidChannel::flush() {
    return ERROR_SUCCESS;
}

namespace {

std::atomic<HidBus*> installedBus{nullptr};

HidBus& systemBus() {
    static HidrawBus bus;
    return bus;
}

struct Listeners {
    std::mutex mutex;
    std::vector<std::function<void()>> list;
};

Listeners& listeners() {
    static Listeners instance;
    return instance;
}

} // namespace

void HidBus::announceChange() {
    if (&currentHidBus() != this)
        return;
    std::vector<std::function<void()>> toCall;
    {
        std::lock_guard lock(listeners().mutex);
        toCall = listeners().list;
    }
    for (const auto& listener : toCall)
        listener();
}

HidBus& currentHidBus() {
    HidBus* bus = installedBus.load();
    return bus ? *bus : systemBus();
}

ScopedHidBus::ScopedHidBus(HidBus& bus) : previous(installedBus.exchange(&bus)) {}

ScopedHidBus::~ScopedHidBus() {
    installedBus.store(previous);
}

void addDeviceChangeListener(std::function<void()> listener) {
    std::lock_guard lock(listeners().mutex);
    listeners().list.push_back(std::move(listener));
}
