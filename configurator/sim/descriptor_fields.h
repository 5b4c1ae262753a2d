#pragma once
// The input fields a report descriptor declares, found by walking its items (USB HID 1.11,
// section 6.2.2): what the simulated controller needs to pack input reports by the descriptor it
// was given, whatever built it.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct DescriptorField {
    std::uint8_t reportId = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0; // 0 for constant fields
    bool constant = false;   // padding
    int bitOffset = 0;       // from bit 0 of the first byte after the report id
    int bitSize = 0;

    bool operator==(const DescriptorField&) const = default;
};

// Every field of every Input main item, in descriptor order, one entry per report count.
// Empty when the descriptor is truncated or declares more than the walker accepts.
std::optional<std::vector<DescriptorField>> InputFieldsOf(std::span<const std::uint8_t> descriptor);

// Bytes of the input report with reportId, the id byte included; 0 when it has no fields.
int InputReportLengthOf(const std::vector<DescriptorField>& fields, std::uint8_t reportId);
