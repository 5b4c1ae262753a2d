#pragma once
// Item lists of the window's own design for the lists whose items a language file gives later
// (the same meaning at each index as the English language file) and for the firmware page's
// lists.

#include <QStringList>

namespace DesignItems {

QStringList AutoCalibration(); // osi_N_acal: "---" and four modes
QStringList Chips();           // joy_hardware_mcu
QStringList Bootloaders();     // select_bootloader

// The button grids' Mode, Shift, TimOn and TimOf editor lists.
QStringList GridModes();
QStringList GridShifts();
QStringList GridOnTimers();
QStringList GridOffTimers();

} // namespace DesignItems
