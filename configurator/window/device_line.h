#pragma once
// One line of the device list: "VID:%s PID:%s %s (%s)" with both ids as four upper-case hex
// digits, so the vendor id always stands at characters 5..8 and the product id at 14..17.

#include <QString>
#include <cstdint>

QString HexId(std::uint16_t id);
QString DeviceLine(std::uint16_t vendorId, std::uint16_t productId, const QString& product,
                   const QString& serial);

struct DeviceLineIds {
    QString vidText;       // characters 5..8, blanks as "0"
    QString pidText;       // characters 14..17, blanks as "0"
    std::uint16_t vid = 0; // 0 when the text is not a hex number
    std::uint16_t pid = 0;
};

// Reads the ids back from the fixed places of a line; a short line gives shorter texts.
DeviceLineIds ParseDeviceLine(const QString& line);
