// HidP_* functions that address controls by data index, and the preparation of an empty report.

#include "platform/hidparser/hidpi.h"
#include "platform/hidparser/report_access.h"
#include "platform/hidparser/report_bits.h"

#include <algorithm>
#include <cstring>

namespace {

HIDP_DATA dataEntry(ULONG index, ULONG value) {
    HIDP_DATA entry{};
    entry.DataIndex = static_cast<USHORT>(index);
    entry.RawValue = value;
    return entry;
}

// Every button that is on and every value of the report, ordered by data index.
NTSTATUS collectData(const ReportView& view, std::vector<HIDP_DATA>& entries) {
    for (const ButtonCap& cap : view.kind->buttons) {
        if (cap.caps.ReportID != view.reportId)
            continue;
        for (ULONG field = 0; field < cap.layout.fieldCount; ++field) {
            ULONG raw = 0;
            if (!readField(view, cap.layout, field, raw))
                return HIDP_STATUS_INTERNAL_ERROR;
            const USHORT first = cap.caps.Range.DataIndexMin;
            if (!cap.layout.isArray) {
                // Every field of a single usage answers to its one data index.
                if (raw != 0)
                    entries.push_back(dataEntry(first + (cap.caps.IsRange ? field : 0), TRUE));
            } else if (const std::optional<USAGE> usage = arrayUsage(cap, raw)) {
                entries.push_back(dataEntry(first + usageField(cap.caps, *usage), TRUE));
            }
        }
    }
    for (const ValueCap& cap : view.kind->values) {
        // Value arrays have no place in a data list.
        if (cap.caps.ReportID != view.reportId || isValueArray(cap))
            continue;
        for (ULONG field = 0; field < cap.layout.fieldCount; ++field) {
            ULONG raw = 0;
            if (!readField(view, cap.layout, field, raw))
                return HIDP_STATUS_INTERNAL_ERROR;
            entries.push_back(dataEntry(cap.caps.Range.DataIndexMin + field, raw));
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const HIDP_DATA& a, const HIDP_DATA& b) {
        return a.DataIndex < b.DataIndex;
    });
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS setOneData(const ReportView& view, const HIDP_DATA& entry) {
    if (entry.DataIndex >= view.kind->dataIndexCount)
        return HIDP_STATUS_DATA_INDEX_OUT_OF_RANGE;
    for (const ButtonCap& cap : view.kind->buttons) {
        if (!holdsDataIndex(cap.caps, entry.DataIndex))
            continue;
        if (cap.caps.ReportID != view.reportId)
            return HIDP_STATUS_INCOMPATIBLE_REPORT_ID;
        const auto usage = static_cast<USAGE>(cap.caps.Range.UsageMin + entry.DataIndex -
                                              cap.caps.Range.DataIndexMin);
        const NTSTATUS status = setButton(view, cap, usage, entry.On != 0);
        // Turning off a button that is already off leaves the report as wanted.
        return status == HIDP_STATUS_BUTTON_NOT_PRESSED ? HIDP_STATUS_SUCCESS : status;
    }
    for (const ValueCap& cap : view.kind->values) {
        if (!holdsDataIndex(cap.caps, entry.DataIndex))
            continue;
        if (cap.caps.ReportID != view.reportId)
            return HIDP_STATUS_INCOMPATIBLE_REPORT_ID;
        if (isValueArray(cap))
            return HIDP_STATUS_IS_VALUE_ARRAY;
        if (!fitsInBits(entry.RawValue, cap.layout.bitSize))
            return HIDP_STATUS_VALUE_OUT_OF_RANGE;
        if (!writeField(view, cap.layout, entry.DataIndex - cap.caps.Range.DataIndexMin,
                        entry.RawValue))
            return HIDP_STATUS_INTERNAL_ERROR;
        return HIDP_STATUS_SUCCESS;
    }
    return HIDP_STATUS_DATA_INDEX_NOT_FOUND;
}

bool reportExists(const HidpPreparsedData& data, const ReportKind& kind, UCHAR id) {
    if (!data.usesReportIds && id != 0)
        return false;
    return kind.reportBytes.count(id) != 0;
}

// Every field of `layout` set to `raw`.
void fillFields(const ReportView& view, const FieldLayout& layout, ULONG raw) {
    for (ULONG field = 0; field < layout.fieldCount; ++field)
        writeField(view, layout, field, raw);
}

} // namespace

NTSTATUS HidP_GetData(HIDP_REPORT_TYPE ReportType, HIDP_DATA* DataList, ULONG* DataLength,
                      PHIDP_PREPARSED_DATA PreparsedData, PCHAR Report, ULONG ReportLength) {
    ReportView view;
    NTSTATUS status = openReport(ReportType, PreparsedData, Report, ReportLength, view);
    if (status != HIDP_STATUS_SUCCESS)
        return status;
    if (DataLength == nullptr)
        return HIDP_STATUS_NULL;
    if (!reportExists(*view.data, *view.kind, view.reportId))
        return HIDP_STATUS_INCOMPATIBLE_REPORT_ID;
    std::vector<HIDP_DATA> entries;
    status = collectData(view, entries);
    if (status != HIDP_STATUS_SUCCESS)
        return status;
    const ULONG room = DataList == nullptr ? 0 : *DataLength;
    const auto count = static_cast<ULONG>(entries.size());
    std::copy_n(entries.begin(), std::min(room, count), DataList);
    *DataLength = count;
    return count > room ? HIDP_STATUS_BUFFER_TOO_SMALL : HIDP_STATUS_SUCCESS;
}

NTSTATUS HidP_SetData(HIDP_REPORT_TYPE ReportType, HIDP_DATA* DataList, ULONG* DataLength,
                      PHIDP_PREPARSED_DATA PreparsedData, PCHAR Report, ULONG ReportLength) {
    ReportView view;
    const NTSTATUS opened = openReport(ReportType, PreparsedData, Report, ReportLength, view);
    if (opened != HIDP_STATUS_SUCCESS)
        return opened;
    if (DataLength == nullptr || (DataList == nullptr && *DataLength > 0))
        return HIDP_STATUS_NULL;
    for (ULONG i = 0; i < *DataLength; ++i) {
        const NTSTATUS status = setOneData(view, DataList[i]);
        if (status != HIDP_STATUS_SUCCESS) {
            *DataLength = i;
            return status;
        }
    }
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS HidP_InitializeReportForID(HIDP_REPORT_TYPE ReportType, UCHAR ReportID,
                                    PHIDP_PREPARSED_DATA PreparsedData, PCHAR Report,
                                    ULONG ReportLength) {
    const HidpPreparsedData* data = nullptr;
    const ReportKind* kind = nullptr;
    if (const NTSTATUS status = findReportKind(PreparsedData, ReportType, data, kind);
        status != HIDP_STATUS_SUCCESS)
        return status;
    if (!reportExists(*data, *kind, ReportID))
        return HIDP_STATUS_REPORT_DOES_NOT_EXIST;
    ReportView view;
    const NTSTATUS opened = openReport(ReportType, PreparsedData, Report, ReportLength, view);
    if (opened != HIDP_STATUS_SUCCESS)
        return opened;
    std::memset(view.bytes, 0, view.length);
    view.bytes[0] = ReportID;
    view.reportId = ReportID;
    // Fields that have a null state start out null, array fields select nothing.
    for (const ButtonCap& cap : kind->buttons) {
        if (cap.caps.ReportID == ReportID && cap.layout.isArray)
            fillFields(view, cap.layout, arrayEmptyValue(*kind, cap.layout));
    }
    for (const ValueCap& cap : kind->values) {
        if (cap.caps.ReportID != ReportID || !cap.caps.HasNull)
            continue;
        if (const std::optional<ULONG> null = nullValue(cap))
            fillFields(view, cap.layout, *null);
    }
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS HidP_TranslateUsagesToI8042ScanCodes(PUSAGE, ULONG, HIDP_KEYBOARD_DIRECTION,
                                              HIDP_KEYBOARD_MODIFIER_STATE*, PHIDP_INSERT_SCANCODES,
                                              PVOID) {
    return HIDP_STATUS_NOT_IMPLEMENTED;
}
