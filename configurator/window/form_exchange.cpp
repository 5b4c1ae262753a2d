#include "configurator/window/form_exchange.h"

#include "configurator/loader/serial_ports.h"
#include "configurator/window/event_guard.h"
#include "configurator/window/main_form.h"
#include "configurator/window/named_control.h"
#include "configurator/window/statistics_page.h"

#include <QPushButton>
#include <QScopeGuard>

FormExchange::FormExchange(TMForm& form)
    : form_(form), exchange_(form, *this), leds_(form, *this), poll_(form, form.arrays_, *this) {
    ConnectButtons();
}

void FormExchange::TmrGetRawDataTimer() {
    if (!sequenceRunning_) {
        poll_.Run();
    }
}

QPushButton* FormExchange::Button(const char* name) const {
    return FindNamed<QPushButton>(form_, name);
}

void FormExchange::ConnectButtons() {
    const struct {
        const char* name;
        void (ControllerExchange::*handler)();
    } commands[] = {
        {"btnRead_MK", &ControllerExchange::btnRead_MKClick},
        {"btnWrite_MK", &ControllerExchange::btnWrite_MKClick},
        {"btnRestart", &ControllerExchange::btnRestartClick},
        {"btnOpenBL", &ControllerExchange::btnOpenBLClick},
        {"btnResetCnf", &ControllerExchange::btnResetCnfClick},
    };
    for (const auto& command : commands) {
        QObject::connect(Button(command.name), &QPushButton::clicked, &form_,
                         Guarded([this, handler = command.handler] {
                             RunSequence([this, handler] { (exchange_.*handler)(); });
                         }));
    }
    QObject::connect(Button("led_set"), &QPushButton::clicked, &form_,
                     Guarded([this] { RunSequence([this] { leds_.led_setClick(); }); }));
    QObject::connect(Button("led_get"), &QPushButton::clicked, &form_,
                     Guarded([this] { RunSequence([this] { leds_.led_getClick(); }); }));
}

// Pauses and message boxes keep the window responsive; a click meanwhile must not start a
// second sequence on the same device, so it is ignored.
void FormExchange::RunSequence(const std::function<void()>& sequence) {
    if (sequenceRunning_) {
        return;
    }
    sequenceRunning_ = true;
    const auto done = qScopeGuard([this] { sequenceRunning_ = false; });
    sequence();
}

FormState& FormExchange::State() {
    return form_.state_;
}

int FormExchange::ActivePage() const {
    return form_.ActivePage();
}

void FormExchange::ShowNoDevice() {
    form_.ShowNoDevice();
}

void FormExchange::ShowNoFirmwareDevice() {
    form_.ShowNoDevice(Button("btnRestart"), Button("btnOpenBL"), Button("btnResetCnf"));
}

void FormExchange::CheckConfig() {
    form_.CheckConfig();
}

void FormExchange::ConfigToReport() {
    form_.ConfigToReport();
}

Config FormExchange::CurrentConfig() const {
    return form_.CurrentConfig();
}

void FormExchange::ShowDeviceConfig(const Config& config) {
    form_.SetConfig(config);
}

void FormExchange::ResetStatistics() {
    form_.statistics_->JoyStatResetClick();
}

void FormExchange::DropDevices() {
    form_.DropDevices();
}

void FormExchange::EnumerateDevices() {
    form_.EnumerateDevices();
}

QString FormExchange::ComPortList() {
    return GetComPortList();
}

void FormExchange::StartFirmware() {
    form_.btnStartFirmwareClick();
}

void FormExchange::ShowCurveAxisValue(int value) {
    form_.ShowCurveAxisPosition(value);
}
