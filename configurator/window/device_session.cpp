#include "configurator/window/device_session.h"

#include "configurator/window/form_state.h"
#include "hid/hid_device.h"
#include "platform/win32/last_error.h"

namespace {

TransferOutcome Outcome(bool ok) {
    return {ok, SysErrorMessage(GetLastError())};
}

} // namespace

DeviceSession::DeviceSession(const FormState& state) : state_(state), device_(state.ConfigDevice) {}

bool DeviceSession::Present() const {
    return device_ != nullptr && state_.ConfigDevice == device_ && device_->IsPluggedIn();
}

bool DeviceSession::FlushQueue() {
    return device_->FlushQueue();
}

TransferOutcome DeviceSession::GetFeature(std::uint8_t* report, int length) {
    return Outcome(device_->GetFeature(report, ULONG(length)));
}

TransferOutcome DeviceSession::SetFeature(std::uint8_t* report, int length) {
    return Outcome(device_->SetFeature(report, ULONG(length)));
}
