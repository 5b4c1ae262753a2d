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
    return {QStringLiteral("---"), QStringLiteral("Manual"), QStringLiteral("Auto"),
            QStringLiteral("Auto centre"), QStringLiteral("Auto range")};
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
