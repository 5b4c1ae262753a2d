// HidP_* functions for values: raw, scaled to the physical range, and value arrays.

#include "platform/hidparser/hidpi.h"
#include "platform/hidparser/report_access.h"
#include "platform/hidparser/report_bits.h"

#include <cstdint>
#include <cstring>

namespace {

using Wide = __int128; // products of two 33-bit spans

struct ValueAccess {
    ReportView view;
    const ValueCap* cap = nullptr;
    ULONG field = 0;
    // The bits a value-array call moves: the whole capability, or one usage's field of a range.
    ULONG arrayBitOffset = 0;
    ULONG arrayBits = 0;
};

NTSTATUS findValue(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE usage,
                   PHIDP_PREPARSED_DATA handle, PCHAR report, ULONG length, ValueAccess& access) {
    NTSTATUS status = openReport(type, handle, report, length, access.view);
    if (status == HIDP_STATUS_SUCCESS)
        status = findCap(access.view.kind->values, access.view, page, link, usage, access.cap);
    if (status == HIDP_STATUS_SUCCESS)
        access.field = usageField(access.cap->caps, usage);
    return status;
}

NTSTATUS findSingleValue(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE usage,
                         PHIDP_PREPARSED_DATA handle, PCHAR report, ULONG length,
                         ValueAccess& access) {
    const NTSTATUS status = findValue(type, page, link, usage, handle, report, length, access);
    if (status == HIDP_STATUS_SUCCESS && isValueArray(*access.cap))
        return HIDP_STATUS_IS_VALUE_ARRAY;
    return status;
}

// The physical range, or the logical one where the descriptor gives none (both extents 0).
bool physicalRange(const HIDP_VALUE_CAPS& caps, std::int64_t& min, std::int64_t& max) {
    if (caps.LogicalMin >= caps.LogicalMax)
        return false;
    min = caps.PhysicalMin;
    max = caps.PhysicalMax;
    if (min == 0 && max == 0) {
        min = caps.LogicalMin;
        max = caps.LogicalMax;
    }
    return min < max;
}

NTSTATUS findValueArray(HIDP_REPORT_TYPE type, USAGE page, USHORT link, USAGE usage,
                        PHIDP_PREPARSED_DATA handle, PCHAR report, ULONG length,
                        ValueAccess& access, PCHAR buffer, USHORT bufferLength) {
    const NTSTATUS status = findValue(type, page, link, usage, handle, report, length, access);
    if (status != HIDP_STATUS_SUCCESS)
        return status;
    if (!isValueArray(*access.cap))
        return HIDP_STATUS_NOT_VALUE_ARRAY;
    const FieldLayout& layout = access.cap->layout;
    const ULONG fields = access.cap->caps.IsRange ? 1 : layout.fieldCount;
    access.arrayBitOffset = layout.bitOffset + access.field * layout.bitSize;
    access.arrayBits = ULONG{layout.bitSize} * fields;
    if (buffer == nullptr || bufferLength < (access.arrayBits + 7) / 8)
        return HIDP_STATUS_BUFFER_TOO_SMALL;
    return HIDP_STATUS_SUCCESS;
}

} // namespace

NTSTATUS HidP_GetUsageValue(HIDP_REPORT_TYPE ReportType, USAGE UsagePage, USHORT LinkCollection,
                            USAGE Usage, ULONG* UsageValue, PHIDP_PREPARSED_DATA PreparsedData,
                            PCHAR Report, ULONG ReportLength) {
    ValueAccess access;
    const NTSTATUS status = findSingleValue(ReportType, UsagePage, LinkCollection, Usage,
                                            PreparsedData, Report, ReportLength, access);
    if (status != HIDP_STATUS_SUCCESS)
        return status;
    if (UsageValue == nullptr)
        return HIDP_STATUS_NULL;
    if (!readField(access.view, access.cap->layout, access.field, *UsageValue))
        return HIDP_STATUS_INTERNAL_ERROR;
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS HidP_SetUsageValue(HIDP_REPORT_TYPE ReportType, USAGE UsagePage, USHORT LinkCollection,
                            USAGE Usage, ULONG UsageValue, PHIDP_PREPARSED_DATA PreparsedData,
                            PCHAR Report, ULONG ReportLength) {
    ValueAccess access;
    const NTSTATUS status = findSingleValue(ReportType, UsagePage, LinkCollection, Usage,
                                            PreparsedData, Report, ReportLength, access);
    if (status != HIDP_STATUS_SUCCESS)
        return status;
    // A value the field cannot hold would be cut to its low bits: refuse it instead.
    if (!fitsInBits(UsageValue, access.cap->layout.bitSize))
        return HIDP_STATUS_VALUE_OUT_OF_RANGE;
    if (!writeField(access.view, access.cap->layout, access.field, UsageValue))
        return HIDP_STATUS_INTERNAL_ERROR;
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS HidP_GetScaledUsageValue(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                                  USHORT LinkCollection, USAGE Usage, LONG* UsageValue,
                                  PHIDP_PREPARSED_DATA PreparsedData, PCHAR Report,
                                  ULONG ReportLength) {
    ValueAccess access;
    const NTSTATUS status = findSingleValue(ReportType, UsagePage, LinkCollection, Usage,
                                            PreparsedData, Report, ReportLength, access);
    if (status != HIDP_STATUS_SUCCESS)
        return status;
    if (UsageValue == nullptr)
        return HIDP_STATUS_NULL;
    const HIDP_VALUE_CAPS& caps = access.cap->caps;
    std::int64_t physicalMin = 0;
    std::int64_t physicalMax = 0;
    if (!physicalRange(caps, physicalMin, physicalMax))
        return HIDP_STATUS_BAD_LOG_PHY_VALUES;
    ULONG raw = 0;
    if (!readField(access.view, access.cap->layout, access.field, raw))
        return HIDP_STATUS_INTERNAL_ERROR;
    const std::int64_t value =
        caps.LogicalMin < 0 ? std::int64_t{signExtend(raw, caps.BitSize)} : std::int64_t{raw};
    if (value < caps.LogicalMin || value > caps.LogicalMax) {
        *UsageValue = 0;
        return caps.HasNull ? HIDP_STATUS_NULL : HIDP_STATUS_VALUE_OUT_OF_RANGE;
    }
    const Wide scaled = physicalMin + Wide{value - caps.LogicalMin} * (physicalMax - physicalMin) /
                                          (std::int64_t{caps.LogicalMax} - caps.LogicalMin);
    *UsageValue = static_cast<LONG>(scaled);
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS HidP_SetScaledUsageValue(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                                  USHORT LinkCollection, USAGE Usage, LONG UsageValue,
                                  PHIDP_PREPARSED_DATA PreparsedData, PCHAR Report,
                                  ULONG ReportLength) {
    ValueAccess access;
    const NTSTATUS status = findSingleValue(ReportType, UsagePage, LinkCollection, Usage,
                                            PreparsedData, Report, ReportLength, access);
    if (status != HIDP_STATUS_SUCCESS)
        return status;
    const HIDP_VALUE_CAPS& caps = access.cap->caps;
    const FieldLayout& layout = access.cap->layout;
    std::int64_t physicalMin = 0;
    std::int64_t physicalMax = 0;
    if (!physicalRange(caps, physicalMin, physicalMax))
        return HIDP_STATUS_BAD_LOG_PHY_VALUES;
    if (UsageValue < physicalMin || UsageValue > physicalMax) {
        const std::optional<ULONG> null = caps.HasNull ? nullValue(*access.cap) : std::nullopt;
        if (!null)
            return HIDP_STATUS_VALUE_OUT_OF_RANGE;
        writeField(access.view, layout, access.field, *null);
        return HIDP_STATUS_SUCCESS;
    }
    const Wide logical = caps.LogicalMin + Wide{UsageValue - physicalMin} *
                                               (std::int64_t{caps.LogicalMax} - caps.LogicalMin) /
                                               (physicalMax - physicalMin);
    const auto raw = static_cast<ULONG>(static_cast<LONG>(logical));
    if (!fitsInBits(raw, layout.bitSize))
        return HIDP_STATUS_VALUE_OUT_OF_RANGE;
    if (!writeField(access.view, layout, access.field, raw))
        return HIDP_STATUS_INTERNAL_ERROR;
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS HidP_GetUsageValueArray(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                                 USHORT LinkCollection, USAGE Usage, PCHAR UsageValue,
                                 USHORT UsageValueByteLength, PHIDP_PREPARSED_DATA PreparsedData,
                                 PCHAR Report, ULONG ReportLength) {
    ValueAccess access;
    const NTSTATUS status =
        findValueArray(ReportType, UsagePage, LinkCollection, Usage, PreparsedData, Report,
                       ReportLength, access, UsageValue, UsageValueByteLength);
    if (status != HIDP_STATUS_SUCCESS)
        return status;
    auto* out = reinterpret_cast<BYTE*>(UsageValue);
    std::memset(out, 0, UsageValueByteLength);
    if (!copyBits(access.view.bytes, access.view.length, access.arrayBitOffset, out,
                  UsageValueByteLength, 0, access.arrayBits))
        return HIDP_STATUS_INTERNAL_ERROR;
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS HidP_SetUsageValueArray(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                                 USHORT LinkCollection, USAGE Usage, PCHAR UsageValue,
                                 USHORT UsageValueByteLength, PHIDP_PREPARSED_DATA PreparsedData,
                                 PCHAR Report, ULONG ReportLength) {
    ValueAccess access;
    const NTSTATUS status =
        findValueArray(ReportType, UsagePage, LinkCollection, Usage, PreparsedData, Report,
                       ReportLength, access, UsageValue, UsageValueByteLength);
    if (status != HIDP_STATUS_SUCCESS)
        return status;
    if (!copyBits(reinterpret_cast<const BYTE*>(UsageValue), UsageValueByteLength, 0,
                  access.view.bytes, access.view.length, access.arrayBitOffset, access.arrayBits))
        return HIDP_STATUS_INTERNAL_ERROR;
    return HIDP_STATUS_SUCCESS;
}
