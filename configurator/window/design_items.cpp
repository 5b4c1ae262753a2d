#include "configurator/window/design_items.h"

namespace DesignItems {

namespace {

QStringList WithBlank(const QString& prefix, int count) {
    QStringList items{QStringLiteral("----------")};
    for (int number = 1; number <= count; ++number) {
        items << prefix + QString::number(number);
    }
    return items;
}

} // namespace

QStringList AutoCalibration() {
    return {QStringLiteral("---"), QStringLiteral("Centre"), QStringLiteral("Min/Max"),
            QStringLiteral("Min/Centre/Max"), QStringLiteral("Fixed values")};
}

QStringList Chips() {
    return {QStringLiteral("--"), QStringLiteral("at90usb646"), QStringLiteral("atmega32u4"),
            QStringLiteral("at90usb1286")};
}

QStringList Bootloaders() {
    return {QStringLiteral("--"), QStringLiteral("Atmel FLIP"), QStringLiteral("Arduino"),
            QStringLiteral("Teensy2")};
}

QStringList GridModes() {
    return {QStringLiteral("----------"), QStringLiteral("Pulse"), QStringLiteral("Pulse on"),
            QStringLiteral("Pulse off"), QStringLiteral("Toggle")};
}

QStringList GridShifts() {
    return WithBlank(QStringLiteral("Shift "), 3);
}

QStringList GridOnTimers() {
    return WithBlank(QStringLiteral("Timer "), 3);
}

QStringList GridOffTimers() {
    return {QStringLiteral("No"), QStringLiteral("Yes")};
}

} // namespace DesignItems
