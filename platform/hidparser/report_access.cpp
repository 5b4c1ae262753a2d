#include "platform/hidparser/report_access.h"

#include "platform/hidparser/report_bits.h"

#include <algorithm>
#include <cstdint>

namespace {

// The field value as a number: signed when the logical range reaches below 0.
std::int64_t fieldNumber(const FieldLayout& layout, ULONG raw) {
    return layout.logicalMin < 0 ? std::int64_t{signExtend(raw, layout.bitSize)}
                                 : std::int64_t{raw};
}

bool representable(const FieldLayout& layout, std::int64_t value) {
    const unsigned bits = layout.bitSize;
    // Wider fields hold every 33-bit number the logical extents reach.
    if (bits > kMaxSingleValueBits)
        return true;
    if (layout.logicalMin < 0) {
        const std::int64_t half = std::int64_t{1} << (bits - 1);
        return value >= -half && value < half;
    }
    return value >= 0 && value < (std::int64_t{1} << bits);
}

// Whether an array field can hold the value that selects usage: inside the logical range and
// the field's bits, else it would read back as another key or none.
bool arrayHolds(const ButtonCap& cap, USAGE usage) {
    const FieldLayout& layout = cap.layout;
    const std::int64_t value = layout.arrayFirstValue + usageField(cap.caps, usage);
    return value >= layout.logicalMin && value <= layout.logicalMax && representable(layout, value);
}

NTSTATUS setArrayButton(const ReportView& view, const ButtonCap& cap, USAGE usage, bool on) {
    const FieldLayout& layout = cap.layout;
    if (on && !arrayHolds(cap, usage))
        return HIDP_STATUS_VALUE_OUT_OF_RANGE;
    std::optional<ULONG> freeField;
    for (ULONG field = 0; field < layout.fieldCount; ++field) {
        ULONG raw = 0;
        if (!readField(view, layout, field, raw))
            return HIDP_STATUS_INTERNAL_ERROR;
        if (arrayUsage(cap, raw) == usage) {
            if (on)
                return HIDP_STATUS_SUCCESS;
            writeField(view, layout, field, arrayEmptyValue(*view.kind, layout));
            return HIDP_STATUS_SUCCESS;
        }
        if (!freeField && !arraySelects(*view.kind, layout.mainItem, raw))
            freeField = field;
    }
    if (!on)
        return HIDP_STATUS_BUTTON_NOT_PRESSED;
    if (!freeField)
        return HIDP_STATUS_BUFFER_TOO_SMALL;
    writeField(view, layout, *freeField, arrayValueFor(cap, usage));
    return HIDP_STATUS_SUCCESS;
}

} // namespace

bool arraySelects(const ReportKind& kind, ULONG mainItem, ULONG raw) {
    for (const ButtonCap& cap : kind.buttons) {
        if (cap.layout.isArray && cap.layout.mainItem == mainItem && arrayUsage(cap, raw))
            return true;
    }
    return false;
}

NTSTATUS setButton(const ReportView& view, const ButtonCap& cap, USAGE usage, bool on) {
    if (cap.layout.isArray)
        return setArrayButton(view, cap, usage, on);
    const ULONG field = usageField(cap.caps, usage);
    ULONG raw = 0;
    if (!readField(view, cap.layout, field, raw))
        return HIDP_STATUS_INTERNAL_ERROR;
    if (!on && raw == 0)
        return HIDP_STATUS_BUTTON_NOT_PRESSED;
    writeField(view, cap.layout, field, on ? 1 : 0);
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS openReport(HIDP_REPORT_TYPE type, PHIDP_PREPARSED_DATA handle, PCHAR report, ULONG length,
                    ReportView& view) {
    const HidpPreparsedData* data = preparsedData(handle);
    if (data == nullptr)
        return HIDP_STATUS_INVALID_PREPARSED_DATA;
    const ReportKind* kind = reportKind(*data, type);
    if (kind == nullptr)
        return HIDP_STATUS_INVALID_REPORT_TYPE;
    const USHORT expected = type == HidP_Input    ? data->caps.InputReportByteLength
                            : type == HidP_Output ? data->caps.OutputReportByteLength
                                                  : data->caps.FeatureReportByteLength;
    if (report == nullptr || length == 0 || length != expected)
        return HIDP_STATUS_INVALID_REPORT_LENGTH;
    view.data = data;
    view.kind = kind;
    view.bytes = reinterpret_cast<BYTE*>(report);
    view.length = length;
    view.reportId = view.bytes[0];
    return HIDP_STATUS_SUCCESS;
}

bool readField(const ReportView& view, const FieldLayout& layout, ULONG field, ULONG& value) {
    if (field >= layout.fieldCount)
        return false;
    const ULONG offset = layout.bitOffset + field * layout.bitSize;
    if (!bitsFit(view.length, offset, layout.bitSize))
        return false;
    return readBits(view.bytes, view.length, offset,
                    std::min<unsigned>(layout.bitSize, kMaxSingleValueBits), value);
}

bool writeField(const ReportView& view, const FieldLayout& layout, ULONG field, ULONG value) {
    if (field >= layout.fieldCount)
        return false;
    const ULONG offset = layout.bitOffset + field * layout.bitSize;
    if (!bitsFit(view.length, offset, layout.bitSize))
        return false;
    const unsigned low = std::min<unsigned>(layout.bitSize, kMaxSingleValueBits);
    for (unsigned bit = low; bit < layout.bitSize; bit += kMaxSingleValueBits)
        writeBits(view.bytes, view.length, offset + bit,
                  std::min<unsigned>(layout.bitSize - bit, kMaxSingleValueBits), 0);
    return writeBits(view.bytes, view.length, offset, low, value);
}

std::optional<USAGE> arrayUsage(const ButtonCap& cap, ULONG raw) {
    const FieldLayout& layout = cap.layout;
    const std::int64_t value = fieldNumber(layout, raw);
    if (value < layout.logicalMin || value > layout.logicalMax)
        return std::nullopt;
    const std::int64_t index = value - layout.arrayFirstValue;
    const std::int64_t count =
        cap.caps.IsRange ? std::int64_t{cap.caps.Range.UsageMax} - cap.caps.Range.UsageMin + 1 : 1;
    if (index < 0 || index >= count)
        return std::nullopt;
    const auto usage = static_cast<USAGE>(cap.caps.Range.UsageMin + index);
    if (usage == 0)
        return std::nullopt;
    return usage;
}

ULONG arrayValueFor(const ButtonCap& cap, USAGE usage) {
    const std::int64_t value = cap.layout.arrayFirstValue + usageField(cap.caps, usage);
    return static_cast<ULONG>(value);
}

ULONG arrayEmptyValue(const ReportKind& kind, const FieldLayout& layout) {
    if (!arraySelects(kind, layout.mainItem, 0))
        return 0;
    const std::int64_t above = std::int64_t{layout.logicalMax} + 1;
    if (representable(layout, above) &&
        !arraySelects(kind, layout.mainItem, static_cast<ULONG>(above)))
        return static_cast<ULONG>(above);
    return 0;
}

std::optional<ULONG> nullValue(const ValueCap& cap) {
    const FieldLayout& layout = cap.layout;
    const std::int64_t below = std::int64_t{layout.logicalMin} - 1;
    const std::int64_t above = std::int64_t{layout.logicalMax} + 1;
    if (layout.logicalMin > 0)
        return 0;
    if (layout.logicalMin < 0 && representable(layout, below))
        return static_cast<ULONG>(below);
    if (representable(layout, above))
        return static_cast<ULONG>(above);
    return std::nullopt;
}
