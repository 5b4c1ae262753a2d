#pragma once
// Where each value sits in input report 1 of the joystick interface, as the generated descriptor
// declares it: after the id byte, the fields of axes 1..8 with a source (in axis order), then a
// 4-bit field per hat that is on (hat 1 first), then one bit per logical button 1..n, then
// constant padding to a whole byte. Fields are packed least significant bit first.

#include "configurator/model/config.h"

#include <vector>

constexpr int HatFieldBits = 4;
constexpr int InputReportId = 1;

enum class InputFieldKind { Axis, Hat, Button };

struct InputField {
    InputFieldKind kind;
    int number;    // axis row 1..8, hat 1..2 or logical button 1..n
    int bitOffset; // from bit 0 of the first byte after the report id
    int bitWidth;

    bool operator==(const InputField&) const = default;
};

struct InputReportLayout {
    std::vector<InputField> fields;
    int dataBits = 0; // bits of all fields, padding excluded
    int length = 0;   // InputReportLength: bytes including the id; 0 when there are no fields
};

// Bits of an axis field: 8 + precision index; a precision outside 0..6 counts as index 0.
int AxisFieldBits(const AxisRow& row);

// Whether the row's source selects a source item; one outside the list is stored as "--" and so
// counts as none.
bool HasSource(const AxisRow& row);

InputReportLayout JoystickInputLayout(const Config& config);
