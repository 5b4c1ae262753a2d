#include "configurator/model/report_codec.h"

#include "configurator/model/axis_rules.h"
#include "configurator/model/edit_filters.h"
#include "configurator/model/report_codec_parts.h"

namespace {

constexpr int InputReportLengthAt = 241;

std::optional<EncodeError> Validate(const Config& config) {
    for (int n = 1; n <= AxisRowCount; ++n)
        if (!config.axes[n - 1].step)
            return EncodeError{EncodeField::Step, n};
    for (int s = 1; s <= SlotCount; ++s) {
        if (!config.specialFunctions[s - 1].delay)
            return EncodeError{EncodeField::Delay, s};
        if (!config.specialFunctions[s - 1].speed)
            return EncodeError{EncodeField::Speed, s};
    }
    return IdentityEncodeError(config.identity);
}

} // namespace

std::optional<EncodeError> IdentityEncodeError(const DeviceIdentity& identity) {
    if (!ParseIdentityId(identity.vendorId))
        return EncodeError{EncodeField::VendorId, 0};
    if (!ParseIdentityId(identity.productId))
        return EncodeError{EncodeField::ProductId, 0};
    if (FirstNameCharacterBeyondOneByte(identity.name) >= 0)
        return EncodeError{EncodeField::DeviceName, 0};
    return std::nullopt;
}

int FirstNameCharacterBeyondOneByte(const QString& text) {
    const int length = std::min<int>(text.size(), DeviceNameLength);
    for (int i = 0; i < length; ++i)
        if (text[i].unicode() == 0 || text[i].unicode() > 0xFF)
            return i;
    return -1;
}

EncodeResult ConfigToReport(const Config& config) {
    EncodeResult result;
    result.error = Validate(config);
    if (result.error)
        return result;
    EncodeAxisReport(config, result.images.axis);
    EncodeGeneralReport(config, result.images.general);
    EncodeIdentity(config.identity, result.images.hid);

    result.descriptor = BuildJoystickDescriptor(config);
    const std::vector<std::uint8_t>& bytes = result.descriptor.bytes;
    // The builder never exceeds what the image holds; stop at the image's end all the same.
    const int length = std::min<int>(int(bytes.size()), ReportImageSize - HidImageDescriptorAt);
    std::copy_n(bytes.begin(), length, result.images.hid.begin() + HidImageDescriptorAt);
    result.images.hid[HidImageDescriptorLengthAt] = FitByte(length, 255);
    result.images.general[InputReportLengthAt] = FitByte(result.descriptor.inputReportLength, 255);
    return result;
}

Config ReportToConfig(const ReportImage& axis, const ReportImage& general, const ReportImage& hid) {
    Config config = DefaultConfig();
    DecodeAxisReport(axis, config);
    DecodeGeneralReport(general, config);
    ApplyAxisRules(config);
    ClampVirtualAxisSteps(config);
    ApplyHatRule(config);
    DecodeIdentity(hid, config.identity);
    return config;
}
