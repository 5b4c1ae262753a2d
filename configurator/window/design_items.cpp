#include "configurator/window/design_items.h"

namespace DesignItems {

namespace {

QStringList ZeroPadded(const QString& first, int last) {
    QStringList items{first};
    for (int number = 1; number <= last; ++number) {
        items << QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    }
    return items;
}

QStringList WithBlank(const QString& prefix, int count) {
    QStringList items{QStringLiteral("----------")};
    for (int number = 1; number <= count; ++number) {
        items << prefix + QString::number(number);
    }
    return items;
}

} // namespace

QStringList Buttons() {
    return ZeroPadded(QStringLiteral("--"), 96);
}

QStringList Pins() {
    QStringList items{QStringLiteral("--")};
    for (char port = 'A'; port <= 'F'; ++port) {
        for (int pin = 0; pin < 8; ++pin) {
            items << QString(QLatin1Char(port)) + QString::number(pin);
        }
    }
    return items;
}

QStringList Numbered(const QString& first, int last) {
    QStringList items{first};
    for (int number = 1; number <= last; ++number) {
        items << QString::number(number);
    }
    return items;
}

QStringList AxisSources() {
    return {QStringLiteral("--"),      QStringLiteral("Виртуальная"), QStringLiteral("Внутренняя"),
            QStringLiteral("KMA200"),  QStringLiteral("MCP3201"),     QStringLiteral("MCP3202"),
            QStringLiteral("MCP3204"), QStringLiteral("MCP3208"),     QStringLiteral("RAMS"),
            QStringLiteral("TavSens")};
}

QStringList AxisUsages() {
    return {QStringLiteral("--"),      QStringLiteral("X"),       QStringLiteral("Y"),
            QStringLiteral("Z"),       QStringLiteral("rX"),      QStringLiteral("rY"),
            QStringLiteral("rZ"),      QStringLiteral("Slider"),  QStringLiteral("Dial"),
            QStringLiteral("Wheel"),   QStringLiteral("Rudder"),  QStringLiteral("Throttle"),
            QStringLiteral("Aileron"), QStringLiteral("Elevator")};
}

QStringList MouseUsages() {
    return {QStringLiteral("--"), QStringLiteral("Mouse X"), QStringLiteral("Mouse Y")};
}

QStringList Filters() {
    QStringList items{QStringLiteral("---")};
    for (int factor = 2; factor <= 14; ++factor) {
        items << QStringLiteral("x%1").arg(factor);
    }
    return items;
}

QStringList AutoCalibration() {
    return {QStringLiteral("---"), QStringLiteral("Manual"), QStringLiteral("Auto"),
            QStringLiteral("Auto centre"), QStringLiteral("Auto range")};
}

QStringList Precisions() {
    QStringList items;
    for (int bits = 8; bits <= 14; ++bits) {
        items << QString::number(bits);
    }
    return items;
}

QStringList PollIntervals() {
    return {QStringLiteral("-"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"),
            QStringLiteral("8")};
}

QStringList Boards() {
    return {QStringLiteral("--"), QStringLiteral("TAVRO2.ATMEGA32U4"),
            QStringLiteral("TAVRO2.AT90USB646"), QStringLiteral("TAVRO2.AT90USB1286")};
}

QStringList Chips() {
    return {QStringLiteral("--"), QStringLiteral("at90usb646"), QStringLiteral("atmega32u4"),
            QStringLiteral("at90usb1286")};
}

QStringList Bootloaders() {
    return {QStringLiteral("--"), QStringLiteral("Atmel FLIP"), QStringLiteral("Arduino"),
            QStringLiteral("Teensy2")};
}

QStringList ShiftLengths() {
    return ZeroPadded(QStringLiteral("--"), 4);
}

QStringList GridNumbers() {
    return Buttons();
}

QStringList GridModes() {
    return WithBlank(QStringLiteral("Mode "), 4);
}

QStringList GridShifts() {
    return WithBlank(QStringLiteral("Shift "), 3);
}

QStringList GridOnTimers() {
    return WithBlank(QStringLiteral("Timer "), 3);
}

QStringList GridOffTimers() {
    return {QStringLiteral("Hold"), QStringLiteral("Release")};
}

} // namespace DesignItems
