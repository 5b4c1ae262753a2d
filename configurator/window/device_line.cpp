#include "configurator/window/device_line.h"

#include <algorithm>

namespace {

QString Blank0(QString text) {
    return text.replace(QLatin1Char(' '), QLatin1Char('0'));
}

bool IsHexDigit(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

// The id in a hex text of at most four digits; 0 for anything else.
std::uint16_t HexValue(const QString& text) {
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), IsHexDigit)) {
        return 0;
    }
    return std::uint16_t(text.toUInt(nullptr, 16));
}

} // namespace

QString HexId(std::uint16_t id) {
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')).toUpper();
}

QString DeviceLine(std::uint16_t vendorId, std::uint16_t productId, const QString& product,
                   const QString& serial) {
    return QStringLiteral("VID:%1 PID:%2 %3 (%4)")
        .arg(HexId(vendorId), HexId(productId), product, serial);
}

DeviceLineIds ParseDeviceLine(const QString& line) {
    DeviceLineIds ids;
    ids.vidText = Blank0(line.mid(4, 4));
    ids.pidText = Blank0(line.mid(13, 4));
    ids.vid = HexValue(ids.vidText);
    ids.pid = HexValue(ids.pidText);
    return ids;
}
