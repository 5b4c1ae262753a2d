#pragma once
// Item lists of the window's combo boxes as the window is designed. Lists that come from a
// language file are replaced when a language is applied; the indexes keep their meaning.

#include <QStringList>

namespace DesignItems {

QStringList Buttons();                                // "--", "01".."96": physical inputs
QStringList Pins();                                   // "--", "A0".."F7"
QStringList Numbered(const QString& first, int last); // first, "1"..last
QStringList AxisSources(); // design source list before a language is applied
QStringList AxisUsages();  // "--", "X" .. "Elevator"
QStringList MouseUsages(); // "--", "Mouse X", "Mouse Y"
QStringList Filters();     // "---", "x2".."x14"
QStringList AutoCalibration();
QStringList Precisions();    // "8".."14"
QStringList PollIntervals(); // "-", "1", "2", "4", "8"
QStringList Boards();        // joy_hardware
QStringList Chips();         // joy_hardware_mcu
QStringList Bootloaders();   // select_bootloader
QStringList ShiftLengths();  // "--", "01".."04"

// The button grids' editor lists (Number, Mode, Shift, TimOn, TimOf); Type comes from the model.
QStringList GridNumbers();
QStringList GridModes();
QStringList GridShifts();
QStringList GridOnTimers();
QStringList GridOffTimers();

} // namespace DesignItems
