#pragma once
// The main window's side of the controller exchange: connects the device buttons, the LED
// buttons and the live-data timer to their handlers and answers the exchange's needs from the
// window.

#include "configurator/window/controller_exchange.h"
#include "configurator/window/exchange_window.h"
#include "configurator/window/led_sheet.h"
#include "configurator/window/live_data_poll.h"

#include <functional>

class QPushButton;
class TMForm;

class FormExchange final : public ExchangeWindow {
public:
    // The window's controls and arrays must exist (after AssignObjects).
    explicit FormExchange(TMForm& form);

    // The live-data timer's work; the window pauses the timer around it. A tick that comes
    // while a sequence waits does nothing, so no report 7 read falls between its transfers.
    void TmrGetRawDataTimer();
    ControllerExchange& Exchange() { return exchange_; }
    LedSheet& Leds() { return leds_; }

    FormState& State() override;
    int ActivePage() const override;
    void ShowNoDevice() override;
    void ShowNoFirmwareDevice() override;
    void CheckConfig() override;
    void ConfigToReport() override;
    Config CurrentConfig() const override;
    void ShowDeviceConfig(const Config& config) override;
    void ResetStatistics() override;
    void DropDevices() override;
    void EnumerateDevices() override;
    QString ComPortList() override;
    void StartFirmware() override;
    void ShowCurveAxisValue(int value) override;

private:
    void ConnectButtons();
    // Runs a button's sequence unless another one is still running.
    void RunSequence(const std::function<void()>& sequence);
    QPushButton* Button(const char* name) const;

    TMForm& form_;
    ControllerExchange exchange_;
    LedSheet leds_;
    LiveDataPoll poll_;
    bool sequenceRunning_ = false;
};
