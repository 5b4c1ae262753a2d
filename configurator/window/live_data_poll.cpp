#include "configurator/window/live_data_poll.h"

#include "configurator/window/control_color.h"
#include "configurator/window/device_session.h"
#include "configurator/window/exchange_window.h"
#include "configurator/window/main_form.h"
#include "configurator/window/named_control.h"
#include "configurator/window/serial_port_watch.h"

#include <QCheckBox>
#include <QLineEdit>
#include <array>

LiveDataPoll::LiveDataPoll(const QWidget& root, const ControlArrays& arrays, ExchangeWindow& window)
    : window_(window), comPort_(FindNamed<QLineEdit>(root, "com_port")),
      autoFirmware_(FindNamed<QCheckBox>(root, "chk_autofirmware")), view_(root, arrays, window) {}

void LiveDataPoll::Run() {
    const int page = window_.ActivePage();
    if (page == TMForm::TabFMW) {
        WatchSerialPort();
    }
    if (!window_.State().PollingEnabled || page > TMForm::TabLED) {
        return;
    }
    ReadLiveData();
}

void LiveDataPoll::WatchSerialPort() {
    if (!PortListed(window_.ComPortList(), comPort_->text())) {
        SetControlColor(comPort_, QPalette::Base, clWindow);
        return;
    }
    SetControlColor(comPort_, QPalette::Base, clGreen);
    if (autoFirmware_->isChecked()) {
        autoFirmware_->setChecked(false);
        window_.StartFirmware();
    }
}

void LiveDataPoll::ReadLiveData() {
    FormState& state = window_.State();
    DeviceSession session(state);
    if (!session.Present()) {
        window_.ShowNoDevice();
        return;
    }
    std::array<std::uint8_t, LiveDataReportLength> report{};
    report[0] = LiveDataReportId;
    state.LastTransferOk = session.GetFeature(report.data(), LiveDataReportLength).ok;
    // A failed read may have left part of an answer: it counts as no data at all.
    const LiveData data =
        DecodeLiveData(report.data(), state.LastTransferOk ? report.size() : std::size_t(0));
    if (data.board == 0) {
        return;
    }
    view_.Show(data, window_.ActivePage() == TMForm::TabOSI_SF);
}
