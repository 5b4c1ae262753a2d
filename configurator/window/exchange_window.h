#pragma once
// What the controller exchange, the LED sheet and the live-data poll need from the main window
// beyond its named controls: its shared state and the reactions that belong to other parts of
// the window. The window implements it; tests may too.

#include "configurator/model/config.h"
#include "configurator/window/form_state.h"

#include <QString>

class ExchangeWindow {
public:
    virtual ~ExchangeWindow() = default;

    virtual FormState& State() = 0;
    // Index of the page shown (TMForm::Page).
    virtual int ActivePage() const = 0;
    // Not-connected display with read, write and restart disabled.
    virtual void ShowNoDevice() = 0;
    // Not-connected display with the firmware page's restart, bootloader and reset disabled.
    virtual void ShowNoFirmwareDevice() = 0;
    // Validates the shown configuration: verdict line and ConfigError.
    virtual void CheckConfig() = 0;
    // Encodes the shown configuration into the images and the descriptor dump; what makes it
    // unfit to send sets ConfigError and shows in the check line.
    virtual void ConfigToReport() = 0;
    // The configuration the controls show, with the button tables.
    virtual Config CurrentConfig() const = 0;
    // Shows a configuration read from the controller in every control and button table.
    virtual void ShowDeviceConfig(const Config& config) = 0;
    // Clears the statistics page's counters.
    virtual void ResetStatistics() = 0;
    // Lets go of the configuration and joystick interfaces.
    virtual void DropDevices() = 0;
    // Offers every device again, which checks the selected controller out anew.
    virtual void EnumerateDevices() = 0;
    // The machine's serial ports as comma text.
    virtual QString ComPortList() = 0;
    // Starts the firmware loader chosen on the firmware page.
    virtual void StartFirmware() = 0;
    // Moves the curve chart's cursor to an axis output and redraws the curve.
    virtual void ShowCurveAxisValue(int value) = 0;
};
