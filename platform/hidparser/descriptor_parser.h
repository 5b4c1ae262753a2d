#pragma once
// Reads a report descriptor into one preparsed-data object per top-level collection, or says at
// which item and why the descriptor cannot be used.

#include "platform/hidparser/preparsed_data.h"

#include <memory>

// A HID class descriptor gives the report descriptor's length in 16 bits.
constexpr ULONG kMaxDescriptorBytes = 0xFFFF;
// The largest report the Linux HID core has always moved (its transfer buffer); the controller's
// longest report has 255 bytes. The cap keeps report lengths, field counts and data indices within
// the 16-bit fields of the HIDP records.
constexpr ULONG kMaxReportBytes = 4096;
constexpr ULONG kMaxReportBits = 8 * kMaxReportBytes;
// The widest field real devices declare is 64 bits (a pen's serial number); the Linux HID core
// accepts up to 256. Fields above 32 bits are read whole only through the value-array calls.
constexpr ULONG kMaxReportSize = 256;
// Nesting no real device comes near; the caps bound the state a hostile descriptor can make us
// keep.
constexpr size_t kMaxGlobalStackDepth = 16;
constexpr size_t kMaxCollectionDepth = 32;

enum class DescriptorError {
    None,
    NoCollection,
    DescriptorTooLong,
    TruncatedItem,
    LongItem,
    PushTooDeep,
    PopWithoutPush,
    CollectionTooDeep,
    EndWithoutCollection,
    UnclosedCollection,
    MainItemOutsideCollection,
    ReportSizeTooLarge,
    ReportCountTooLarge,
    ReportTooLong,
    InvalidReportId,
    MixedReportIds,
    ReportIdInTwoCollections,
    BadUsageRange,
    BadDelimiter,
    TooManyDataIndices,
    TooManyCaps,
    TooManyCollections,
};

// A short English description of the error, for diagnostics.
const char* descriptorErrorText(DescriptorError error);

struct DescriptorParse {
    DescriptorError error = DescriptorError::None;
    ULONG errorOffset = 0; // where the offending item starts
    std::vector<std::unique_ptr<HidpPreparsedData>> collections;
};

DescriptorParse parseDescriptor(const BYTE* bytes, ULONG length);

// Whether the descriptor's reports start with a report id byte: some Input, Output or Feature
// item has a Report ID in force. A Report ID item after the last of them changes nothing. This
// is the one answer for the preparsed data and for the channels that read and write the
// device's reports; a descriptor that cannot be parsed answers false.
bool descriptorUsesReportIds(const BYTE* bytes, ULONG length);
