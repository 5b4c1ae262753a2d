// HidP_* functions for buttons: usages that are on in a report, turning them on and off.

#include "platform/hidparser/hidpi.h"
#include "platform/hidparser/report_access.h"

#include <algorithm>
#include <optional>

namespace {

// Calls emit(page, usage) for each button that is on in the report, among the buttons on `page`
// (any page when empty) in link collection `link`.
template <class Emit>
NTSTATUS forEachUsageOn(const ReportView& view, std::optional<USAGE> page, USHORT link, Emit emit) {
    bool inReport = false;
    bool elsewhere = false;
    for (const ButtonCap& cap : view.kind->buttons) {
        if ((page && cap.caps.UsagePage != *page) || !linkMatches(link, cap.caps.LinkCollection))
            continue;
        if (cap.caps.ReportID != view.reportId) {
            elsewhere = true;
            continue;
        }
        inReport = true;
        for (ULONG field = 0; field < cap.layout.fieldCount; ++field) {
            ULONG raw = 0;
            if (!readField(view, cap.layout, field, raw))
                return HIDP_STATUS_INTERNAL_ERROR;
            if (cap.layout.isArray) {
                if (const std::optional<USAGE> usage = arrayUsage(cap, raw))
                    emit(cap.caps.UsagePage, *usage);
            } else if (raw != 0) {
                const auto usage = static_cast<USAGE>(
                    cap.caps.IsRange ? cap.caps.Range.UsageMin + field : cap.caps.NotRange.Usage);
                if (usage != 0)
                    emit(cap.caps.UsagePage, usage);
            }
        }
    }
    if (inReport)
        return HIDP_STATUS_SUCCESS;
    return elsewhere ? HIDP_STATUS_INCOMPATIBLE_REPORT_ID : HIDP_STATUS_USAGE_NOT_FOUND;
}

// Fills a caller's list: `*length` is its room on entry and the count found on return.
template <class Item, class Make>
NTSTATUS listUsagesOn(const ReportView& view, std::optional<USAGE> page, USHORT link, Item* list,
                      ULONG* length, Make make) {
    if (length == nullptr)
        return HIDP_STATUS_NULL;
    const ULONG room = list == nullptr ? 0 : *length;
    ULONG count = 0;
    const NTSTATUS status = forEachUsageOn(view, page, link, [&](USAGE usagePage, USAGE usage) {
        if (count < room)
            list[count] = make(usagePage, usage);
        ++count;
    });
    if (status != HIDP_STATUS_SUCCESS)
        return status;
    *length = count;
    return count > room ? HIDP_STATUS_BUFFER_TOO_SMALL : HIDP_STATUS_SUCCESS;
}

// Sets or clears each usage of the list; on a failure `*length` is the index of the usage that
// failed. Zero entries are unused list slots.
NTSTATUS changeUsages(HIDP_REPORT_TYPE type, USAGE page, USHORT link, PUSAGE list, ULONG* length,
                      PHIDP_PREPARSED_DATA handle, PCHAR report, ULONG reportLength, bool on) {
    ReportView view;
    const NTSTATUS opened = openReport(type, handle, report, reportLength, view);
    if (opened != HIDP_STATUS_SUCCESS)
        return opened;
    if (length == nullptr || (list == nullptr && *length > 0))
        return HIDP_STATUS_NULL;
    for (ULONG i = 0; i < *length; ++i) {
        if (list[i] == 0)
            continue;
        const ButtonCap* cap = nullptr;
        NTSTATUS status = findCap(view.kind->buttons, view, page, link, list[i], cap);
        if (status == HIDP_STATUS_SUCCESS)
            status = setButton(view, *cap, list[i], on);
        if (status != HIDP_STATUS_SUCCESS) {
            *length = i;
            return status;
        }
    }
    return HIDP_STATUS_SUCCESS;
}

ULONG listLength(const USAGE* list, ULONG length) {
    ULONG n = 0;
    while (n < length && list[n] != 0)
        ++n;
    return n;
}

// Writes the usages of `from` that `other` lacks into `out`, padded with zeros.
void missingFrom(const USAGE* from, ULONG fromLength, const USAGE* other, ULONG otherLength,
                 USAGE* out, ULONG outLength) {
    ULONG count = 0;
    for (ULONG i = 0; i < fromLength; ++i) {
        if (std::find(other, other + otherLength, from[i]) == other + otherLength)
            out[count++] = from[i];
    }
    std::fill(out + count, out + outLength, USAGE{0});
}

} // namespace

NTSTATUS HidP_GetUsages(HIDP_REPORT_TYPE ReportType, USAGE UsagePage, USHORT LinkCollection,
                        PUSAGE UsageList, ULONG* UsageLength, PHIDP_PREPARSED_DATA PreparsedData,
                        PCHAR Report, ULONG ReportLength) {
    ReportView view;
    const NTSTATUS opened = openReport(ReportType, PreparsedData, Report, ReportLength, view);
    if (opened != HIDP_STATUS_SUCCESS)
        return opened;
    return listUsagesOn(view, UsagePage, LinkCollection, UsageList, UsageLength,
                        [](USAGE, USAGE usage) { return usage; });
}

NTSTATUS HidP_GetUsagesEx(HIDP_REPORT_TYPE ReportType, USHORT LinkCollection,
                          PUSAGE_AND_PAGE ButtonList, ULONG* UsageLength,
                          PHIDP_PREPARSED_DATA PreparsedData, PCHAR Report, ULONG ReportLength) {
    ReportView view;
    const NTSTATUS opened = openReport(ReportType, PreparsedData, Report, ReportLength, view);
    if (opened != HIDP_STATUS_SUCCESS)
        return opened;
    return listUsagesOn(view, std::nullopt, LinkCollection, ButtonList, UsageLength,
                        [](USAGE page, USAGE usage) {
                            return USAGE_AND_PAGE{usage, page};
                        });
}

NTSTATUS HidP_SetUsages(HIDP_REPORT_TYPE ReportType, USAGE UsagePage, USHORT LinkCollection,
                        PUSAGE UsageList, ULONG* UsageLength, PHIDP_PREPARSED_DATA PreparsedData,
                        PCHAR Report, ULONG ReportLength) {
    return changeUsages(ReportType, UsagePage, LinkCollection, UsageList, UsageLength,
                        PreparsedData, Report, ReportLength, true);
}

NTSTATUS HidP_UnsetUsages(HIDP_REPORT_TYPE ReportType, USAGE UsagePage, USHORT LinkCollection,
                          PUSAGE UsageList, ULONG* UsageLength, PHIDP_PREPARSED_DATA PreparsedData,
                          PCHAR Report, ULONG ReportLength) {
    return changeUsages(ReportType, UsagePage, LinkCollection, UsageList, UsageLength,
                        PreparsedData, Report, ReportLength, false);
}

NTSTATUS HidP_UsageListDifference(PUSAGE PreviousUsageList, PUSAGE CurrentUsageList,
                                  PUSAGE BreakUsageList, PUSAGE MakeUsageList,
                                  ULONG UsageListLength) {
    if (UsageListLength > 0 && (PreviousUsageList == nullptr || CurrentUsageList == nullptr ||
                                BreakUsageList == nullptr || MakeUsageList == nullptr))
        return HIDP_STATUS_NULL;
    const ULONG previous = listLength(PreviousUsageList, UsageListLength);
    const ULONG current = listLength(CurrentUsageList, UsageListLength);
    missingFrom(PreviousUsageList, previous, CurrentUsageList, current, BreakUsageList,
                UsageListLength);
    missingFrom(CurrentUsageList, current, PreviousUsageList, previous, MakeUsageList,
                UsageListLength);
    return HIDP_STATUS_SUCCESS;
}
