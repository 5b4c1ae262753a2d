#pragma once
// The controls that show the configuration beyond the per-row arrays: hats, matrix, shift
// buttons and timers, encoders, shift registers, axis-to-button ranges, poll interval, LED
// settings and the USB identity.

#include "configurator/model/config.h"
#include "configurator/window/control_arrays.h"

#include <array>

class TWkColorComboBox;

struct ConfigControls {
    const ControlArrays* rows = nullptr;
    std::array<QCheckBox*, HatCount> hatOn{};
    std::array<std::array<QComboBox*, 4>, HatCount> hatDirections{}; // up, down, left, right
    std::array<QComboBox*, MatrixLineCount> matrixRows{};
    std::array<QComboBox*, MatrixLineCount> matrixColumns{};
    std::array<QComboBox*, ShiftButtonCount> shiftButtons{};
    std::array<QLineEdit*, ButtonTimerCount> buttonTimers{};
    std::array<std::array<QComboBox*, 2>, EncoderCount> encoders{}; // left, right
    std::array<QComboBox*, ShiftRegisterCount> registerPins{};
    std::array<QComboBox*, ShiftRegisterCount> registerLengths{};
    std::array<QComboBox*, AxisButtonRangeCount> rangeButtons{};
    std::array<QComboBox*, AxisButtonRangeCount> rangeAxes{};
    std::array<QLineEdit*, AxisButtonRangeCount> rangeLows{};
    std::array<QLineEdit*, AxisButtonRangeCount> rangeHighs{};
    QComboBox* poll = nullptr;
    QComboBox* ledPort = nullptr;
    TWkColorComboBox* ledColorInit = nullptr;
    QLineEdit* vendorId = nullptr;
    QLineEdit* productId = nullptr;
    QLineEdit* name = nullptr;
};

// Finds the controls under root by name; rows are the arrays filled by AssignObjects. Throws
// std::runtime_error naming a control that is missing.
ConfigControls FindConfigControls(const QWidget& root, const ControlArrays& rows);
