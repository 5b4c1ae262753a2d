// Report 6, bytes 1..22: reserved bytes, vendor and product id (low byte first), the device name
// and the descriptor length that the builder fills in.

#include "configurator/model/edit_filters.h"
#include "configurator/model/report_codec.h"
#include "configurator/model/report_codec_parts.h"

namespace {

void PutId(const QString& text, ReportImage& image, int at) {
    const int id = ParseIdentityId(text).value_or(0);
    image[at] = std::uint8_t(id & 0xFF);
    image[at + 1] = std::uint8_t(id >> 8);
}

QString IdText(const ReportImage& image, int at) {
    return QStringLiteral("%1%2")
        .arg(image[at + 1], 2, 16, QLatin1Char('0'))
        .arg(image[at], 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace

std::optional<int> ParseIdentityId(const QString& text) {
    if (text.size() != IdentityIdLength)
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 16);
    for (QChar c : text)
        ok = ok && QStringLiteral("0123456789ABCDEFabcdef").contains(c);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void EncodeIdentity(const DeviceIdentity& identity, ReportImage& image) {
    image[0] = 6;
    PutId(identity.vendorId, image, HidImageVendorIdAt);
    PutId(identity.productId, image, HidImageProductIdAt);
    const int length = std::min<int>(identity.name.size(), DeviceNameLength);
    for (int i = 0; i < length; ++i)
        image[HidImageNameAt + i] = std::uint8_t(identity.name[i].unicode());
}

void DecodeIdentity(const ReportImage& image, DeviceIdentity& identity) {
    identity.vendorId = IdText(image, HidImageVendorIdAt);
    identity.productId = IdText(image, HidImageProductIdAt);
    identity.name.clear();
    for (int i = 0; i < DeviceNameLength; ++i)
        if (image[HidImageNameAt + i] != 0)
            identity.name += QChar(image[HidImageNameAt + i]);
}
