#pragma once
// A simulated Tavro controller: the firmware's side of the configuration interface's feature
// reports and of the joystick interface's input report 1, as plain code on byte buffers. It
// starts with the default configuration, stores reports 4, 5 and 6 as they are set and returns
// them on get, answers report 7 with live data and takes commands on it, and keeps ten LED
// colours on report 8. The USB identity and joystick descriptor change only when it (re)starts.
// Not thread-safe: SimControllerDevice serialises the calls.

#include "configurator/model/config.h"
#include "configurator/model/controller_reports.h"
#include "configurator/model/live_data.h"
#include "configurator/model/report_codec.h"
#include "platform/win32/types.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

constexpr int HatCentred = 15; // outside the hat's logical 0..7: no direction

// The images a controller holds after a configuration reset.
ReportImages DefaultControllerImages();

// What the controller shows on USB.
struct SimControllerIdentity {
    WORD vendorId = 0;
    WORD productId = 0;
    QString product;
    QString serial;

    bool operator==(const SimControllerIdentity&) const = default;
};

class SimController {
public:
    // Starts with images as its stored configuration (a reset still returns to the defaults).
    explicit SimController(QString serial = QStringLiteral("TAVRO-SIM-0001"),
                           const ReportImages& images = DefaultControllerImages());

    // Feature reports of the configuration interface; report[0] is the report id and the span
    // the whole transfer. ERROR_SUCCESS, ERROR_GEN_FAILURE for a report id the controller does
    // not have, ERROR_INVALID_PARAMETER for a wrong length or an unknown command or LED request.
    DWORD getFeature(std::span<BYTE> report);
    DWORD setFeature(std::span<const BYTE> report);

    // A restart or bootloader command written since the last call; the USB side acts on it.
    std::optional<ControllerCommand> takeCommand();

    SimControllerIdentity identity() const { return identity_; }
    const std::vector<std::uint8_t>& joystickDescriptor() const { return descriptor_; }
    // The configuration the controller runs: the stored images as of its last start.
    const Config& activeConfig() const { return active_; }
    const ReportImages& images() const { return images_; }

    // Input report 1 packed by the joystick descriptor from the live axis values, hats and the
    // physical buttons mapped to logical buttons; empty when the descriptor has no input.
    std::vector<std::uint8_t> inputReport() const;

    // Live values; uptime is kept by tick.
    LiveData& live() { return live_; }
    const LiveData& live() const { return live_; }
    // Hat 1..2 position: 0..7 clockwise from up, HatCentred for none.
    void setHat(int hat, int position);
    // Advances the uptime (hours:minutes:seconds, each a byte) by milliseconds.
    void tick(int milliseconds);

    // LED 1..10 colour as $00BBGGRR; 0 for other numbers.
    std::uint32_t ledColor(int led) const;

private:
    void start();
    DWORD command(std::uint8_t code);
    DWORD led(std::span<const BYTE> report);
    ReportImage* imageFor(std::uint8_t reportId);

    ReportImages images_;
    Config active_;
    SimControllerIdentity identity_;
    std::vector<std::uint8_t> descriptor_;
    LiveData live_;
    std::array<int, HatCount> hats_{HatCentred, HatCentred};
    std::array<std::uint32_t, LedCount> leds_{};
    int selectedLed_ = 1;
    int elapsedMs_ = 0;
    std::optional<ControllerCommand> pending_;
};
