#pragma once
// What the report functions share: the checks on their arguments, the capability look-up by
// usage, and reading and writing the fields a capability describes.

#include "platform/hidparser/preparsed_data.h"

#include <optional>

struct ReportView {
    const HidpPreparsedData* data = nullptr;
    const ReportKind* kind = nullptr;
    BYTE* bytes = nullptr;
    ULONG length = 0;
    UCHAR reportId = 0;
};

// The checks every report function starts with: valid preparsed data, a known report type and a
// report exactly as long as the capabilities give for that type.
NTSTATUS openReport(HIDP_REPORT_TYPE type, PHIDP_PREPARSED_DATA handle, PCHAR report, ULONG length,
                    ReportView& view);

inline bool linkMatches(USHORT wanted, USHORT actual) {
    return wanted == 0 || wanted == actual;
}

template <class Caps> bool holdsUsage(const Caps& caps, USAGE usage) {
    return caps.IsRange ? usage >= caps.Range.UsageMin && usage <= caps.Range.UsageMax
                        : usage == caps.NotRange.Usage;
}

template <class Caps> bool holdsDataIndex(const Caps& caps, USHORT index) {
    const USHORT first = caps.Range.DataIndexMin;
    const USHORT last = caps.IsRange ? caps.Range.DataIndexMax : first;
    return index >= first && index <= last;
}

// The widest field the single-value calls (and data lists) carry: a ULONG.
constexpr USHORT kMaxSingleValueBits = 32;

// A single usage over several fields, or a field wider than a ULONG, is a value array, read and
// written only as a whole through the value-array functions.
inline bool isValueArray(const ValueCap& cap) {
    return (!cap.caps.IsRange && cap.layout.fieldCount > 1) ||
           cap.layout.bitSize > kMaxSingleValueBits;
}

// The capability of `caps` with this page, link collection and usage in the report at hand.
// Answers HIDP_STATUS_INCOMPATIBLE_REPORT_ID when the usage exists only in other reports and
// HIDP_STATUS_USAGE_NOT_FOUND when it does not exist at all.
template <class Cap>
NTSTATUS findCap(const std::vector<Cap>& caps, const ReportView& view, USAGE page, USHORT link,
                 USAGE usage, const Cap*& found) {
    bool elsewhere = false;
    for (const Cap& cap : caps) {
        if (cap.caps.UsagePage != page || !linkMatches(link, cap.caps.LinkCollection) ||
            !holdsUsage(cap.caps, usage))
            continue;
        if (cap.caps.ReportID == view.reportId) {
            found = &cap;
            return HIDP_STATUS_SUCCESS;
        }
        elsewhere = true;
    }
    return elsewhere ? HIDP_STATUS_INCOMPATIBLE_REPORT_ID : HIDP_STATUS_USAGE_NOT_FOUND;
}

// The field of a capability that holds `usage`: ranges give each usage its own field.
template <class Caps> ULONG usageField(const Caps& caps, USAGE usage) {
    return caps.IsRange ? ULONG{usage} - caps.Range.UsageMin : 0;
}

// A field as a number. Of a field wider than 32 bits only the low 32 bits are read (as the Linux
// HID core reads them); writing one clears the bits above them.
bool readField(const ReportView& view, const FieldLayout& layout, ULONG field, ULONG& value);
bool writeField(const ReportView& view, const FieldLayout& layout, ULONG field, ULONG value);

// The usage that an array field's raw value selects through `cap`, if any. Usage 0 means "no
// event" and is never selected.
std::optional<USAGE> arrayUsage(const ButtonCap& cap, ULONG raw);
// The raw value that selects `usage` of `cap` (an array capability holding it).
ULONG arrayValueFor(const ButtonCap& cap, USAGE usage);
// Whether `raw` selects a usage of the array item numbered `mainItem`.
bool arraySelects(const ReportKind& kind, ULONG mainItem, ULONG raw);
// A raw value that selects no usage of the array item `layout` belongs to.
ULONG arrayEmptyValue(const ReportKind& kind, const FieldLayout& layout);
// Turns a button on or off in the report: a bit of a variable item, or a field of an array item
// (the first free one when turned on). Answers HIDP_STATUS_BUFFER_TOO_SMALL when every field of
// the array is taken, HIDP_STATUS_VALUE_OUT_OF_RANGE when the array's fields cannot hold the
// value that selects the usage, and HIDP_STATUS_BUTTON_NOT_PRESSED when turning off a button
// that is not on.
NTSTATUS setButton(const ReportView& view, const ButtonCap& cap, USAGE usage, bool on);
// The raw value outside the logical range that a field with a null state takes, if one fits.
std::optional<ULONG> nullValue(const ValueCap& cap);
