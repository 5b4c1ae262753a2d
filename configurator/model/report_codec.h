#pragma once
// The codec between a Config and the three configuration report images: 4 (axes,
// special-function slots and curves), 5 (buttons, hats, matrix, encoders, shift registers, ranges,
// interface flags, LED settings) and 6 (USB identity and the generated joystick descriptor).

#include "configurator/model/config.h"
#include "configurator/model/descriptor_builder.h"
#include "configurator/model/report_image.h"

#include <QString>
#include <cstdint>
#include <optional>

constexpr std::uint8_t AxisReportId = 4;
constexpr std::uint8_t GeneralReportId = 5;
constexpr std::uint8_t HidReportId = 6;

// Where report 6 keeps the USB identity and the joystick descriptor.
constexpr int HidImageVendorIdAt = 3;  // low byte first
constexpr int HidImageProductIdAt = 5; // low byte first
constexpr int HidImageNameAt = 7;      // DeviceNameLength bytes, one per character
constexpr int HidImageDescriptorLengthAt = 22;
constexpr int HidImageDescriptorAt = 23;

// Transfer lengths including the id byte.
constexpr int AxisReportLength = 255;
constexpr int GeneralReportLength = 247;
constexpr int HidReportLength = 224;

struct ReportImages {
    ReportImage axis{};    // ConfigAxisBuffer, report 4
    ReportImage general{}; // ConfigBuffer, report 5
    ReportImage hid{};     // ConfigHidBuffer, report 6

    bool operator==(const ReportImages&) const = default;
};

// A value that has no encoding; nothing was encoded.
enum class EncodeField { Step, Delay, Speed, VendorId, ProductId, DeviceName };

struct EncodeError {
    EncodeField field;
    int number; // axis row 1..10 for Step, slot 1..6 for Delay and Speed, 0 otherwise

    bool operator==(const EncodeError&) const = default;
};

struct EncodeResult {
    std::optional<EncodeError> error; // set when nothing was encoded
    ReportImages images;              // the three images; all zero when error is set
    JoystickDescriptor descriptor;    // with HidDebugLines; empty when error is set

    bool ok() const { return !error; }
};

// ConfigToReport: validates, then encodes everything. Steps, delays and speeds must hold a number,
// the vendor and product id exactly four hex digits and the name only characters of one byte
// (U+0001..U+00FF; past 15 characters it is cut); otherwise error names the first field
// that fails (in image order) and no image is produced. Numbers beyond their field are clamped
// to it (calibration 0..65535, timers 0..254, steps 0..100, curve points 0..200, dead zones 0..15,
// other numbers 0..255); indexes outside their list encode as the list's first item. The caller
// runs CheckConfig first and must honour descriptor.exceedsLimit().
EncodeResult ConfigToReport(const Config& config);

// ReportToConfig: decodes the three images into a Config, starting from DefaultConfig(). Every
// byte is bounded by its field: an index that selects no item reads as the first item, a number
// beyond its range as the nearest bound. Then the axis rules, the step clamp and the hat rule
// run, so any image, also a foreign or damaged one, gives a consistent Config. Byte 0 and byte
// 241 of report 5 are not read.
Config ReportToConfig(const ReportImage& axis, const ReportImage& general, const ReportImage& hid);

// The identity's part of ConfigToReport's validation: ids that are not exactly four hex digits
// (vendor first), then a name character among the first 15 that is no single byte.
std::optional<EncodeError> IdentityEncodeError(const DeviceIdentity& identity);

// Where in text the first of its first DeviceNameLength characters that one byte cannot hold
// stands (U+0000 or above U+00FF); -1 when there is none.
int FirstNameCharacterBeyondOneByte(const QString& text);
