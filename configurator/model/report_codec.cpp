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
    if (!ParseIdentityId(config.identity.vendorId))
        return EncodeError{EncodeField::VendorId, 0};
    if (!ParseIdentityId(config.identity.productId))
        return EncodeError{EncodeField::ProductId, 0};
    for (QChar c : config.identity.name.left(DeviceNameLength))
        if (c.unicode() == 0 || c.unicode() > 0xFF)
            return EncodeError{EncodeField::DeviceName, 0};
    return std::nullopt;
}

} // namespace

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

QString EncodeErrorText(const EncodeError& error) {
    switch (error.field) {
    case EncodeField::Step:
        return QStringLiteral("Axis %1: the virtual-axis step is not a number.").arg(error.number);
    case EncodeField::Delay:
        return QStringLiteral("Special function %1: the delay is not a number.").arg(error.number);
    case EncodeField::Speed:
        return QStringLiteral("Special function %1: the speed is not a number.").arg(error.number);
    case EncodeField::VendorId:
        return QStringLiteral("The vendor id needs four hex digits.");
    case EncodeField::ProductId:
        return QStringLiteral("The product id needs four hex digits.");
    case EncodeField::DeviceName:
        return QStringLiteral("The device name may hold only Latin characters.");
    }
    return {};
}
