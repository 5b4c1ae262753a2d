#pragma once
// The HID report descriptor of the joystick interface, generated from the configured axes 1..8,
// hats and logical buttons, with the layout length of input report 1 and the 1000-line text dump
// that the configuration file set saves.

#include "configurator/model/config.h"

#include <QStringList>
#include <cstdint>
#include <vector>

// The controller takes descriptors of at most this many bytes.
constexpr int DescriptorLimit = 250;
constexpr int HidDebugLineCount = 1000;

struct JoystickDescriptor {
    // Short items (USB HID 1.11, 6.2.2); empty when no axis, hat or button is configured.
    std::vector<std::uint8_t> bytes;
    // Bits of input report 1 including the 8-bit report id, before padding; 0 when empty.
    int bitCount = 0;
    // InputReportLength: bytes of input report 1 including its id; 0 when empty.
    int inputReportLength = 0;
    // Constant bits that fill the last byte.
    int padBits = 0;
    // HidDebugLines: exactly HidDebugLineCount lines, unused ones empty.
    QStringList debugLines;

    bool exceedsLimit() const { return bytes.size() > DescriptorLimit; }
};

// Builds the descriptor and its dump. Axis rows with a source outside rows 1..8 are ignored.
JoystickDescriptor BuildJoystickDescriptor(const Config& config);

// The highest logical button row 1..64 whose Number selects a physical input, 0 when none does.
int HighestMappedButton(const Config& config);

// The check line's text when a descriptor exceeds DescriptorLimit.
QString DescriptorTooLongMessage();
