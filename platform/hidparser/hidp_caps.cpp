// HidP_* functions that answer from the capabilities alone, without a report.

#include "platform/hidparser/hidpi.h"
#include "platform/hidparser/report_access.h"

#include <cstddef>
#include <cstring>
#include <set>

namespace {

// Copies the capabilities that match the filters (0 matches any) into the caller's array.
template <class Caps, class Cap>
NTSTATUS copyMatchingCaps(const std::vector<Cap>& caps, USAGE usagePage, USHORT linkCollection,
                          USAGE usage, Caps* out, USHORT* length) {
    if (length == nullptr)
        return HIDP_STATUS_NULL;
    const USHORT room = out == nullptr ? 0 : *length;
    USHORT matches = 0;
    for (const Cap& cap : caps) {
        const Caps& c = cap.caps;
        if (usagePage != 0 && c.UsagePage != usagePage)
            continue;
        if (!linkMatches(linkCollection, c.LinkCollection))
            continue;
        if (usage != 0 && !holdsUsage(c, usage))
            continue;
        if (matches < room)
            out[matches] = c;
        ++matches;
    }
    *length = matches;
    if (matches == 0)
        return HIDP_STATUS_USAGE_NOT_FOUND;
    return matches > room ? HIDP_STATUS_BUFFER_TOO_SMALL : HIDP_STATUS_SUCCESS;
}

template <class Cap>
const FieldLayout* layoutForDataIndex(const std::vector<Cap>& caps, USHORT index) {
    for (const Cap& cap : caps) {
        if (holdsDataIndex(cap.caps, index))
            return &cap.layout;
    }
    return nullptr;
}

} // namespace

NTSTATUS HidP_GetCaps(PHIDP_PREPARSED_DATA PreparsedData, HIDP_CAPS* Capabilities) {
    const HidpPreparsedData* data = preparsedData(PreparsedData);
    if (data == nullptr)
        return HIDP_STATUS_INVALID_PREPARSED_DATA;
    if (Capabilities == nullptr)
        return HIDP_STATUS_NULL;
    *Capabilities = data->caps;
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS HidP_GetLinkCollectionNodes(HIDP_LINK_COLLECTION_NODE* LinkCollectionNodes,
                                     ULONG* LinkCollectionNodesLength,
                                     PHIDP_PREPARSED_DATA PreparsedData) {
    const HidpPreparsedData* data = preparsedData(PreparsedData);
    if (data == nullptr)
        return HIDP_STATUS_INVALID_PREPARSED_DATA;
    if (LinkCollectionNodesLength == nullptr)
        return HIDP_STATUS_NULL;
    const ULONG room = LinkCollectionNodes == nullptr ? 0 : *LinkCollectionNodesLength;
    const auto count = static_cast<ULONG>(data->nodes.size());
    *LinkCollectionNodesLength = count;
    if (count > room)
        return HIDP_STATUS_BUFFER_TOO_SMALL;
    for (ULONG i = 0; i < count; ++i)
        LinkCollectionNodes[i] = data->nodes[i];
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS HidP_GetSpecificButtonCaps(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                                    USHORT LinkCollection, USAGE Usage,
                                    HIDP_BUTTON_CAPS* ButtonCaps, USHORT* ButtonCapsLength,
                                    PHIDP_PREPARSED_DATA PreparsedData) {
    const HidpPreparsedData* data = nullptr;
    const ReportKind* kind = nullptr;
    if (const NTSTATUS status = findReportKind(PreparsedData, ReportType, data, kind);
        status != HIDP_STATUS_SUCCESS)
        return status;
    return copyMatchingCaps(kind->buttons, UsagePage, LinkCollection, Usage, ButtonCaps,
                            ButtonCapsLength);
}

NTSTATUS HidP_GetSpecificValueCaps(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                                   USHORT LinkCollection, USAGE Usage, HIDP_VALUE_CAPS* ValueCaps,
                                   USHORT* ValueCapsLength, PHIDP_PREPARSED_DATA PreparsedData) {
    const HidpPreparsedData* data = nullptr;
    const ReportKind* kind = nullptr;
    if (const NTSTATUS status = findReportKind(PreparsedData, ReportType, data, kind);
        status != HIDP_STATUS_SUCCESS)
        return status;
    return copyMatchingCaps(kind->values, UsagePage, LinkCollection, Usage, ValueCaps,
                            ValueCapsLength);
}

NTSTATUS HidP_GetExtendedAttributes(HIDP_REPORT_TYPE ReportType, USHORT DataIndex,
                                    PHIDP_PREPARSED_DATA PreparsedData,
                                    HIDP_EXTENDED_ATTRIBUTES* Attributes, ULONG* LengthAttributes) {
    const HidpPreparsedData* data = nullptr;
    const ReportKind* kind = nullptr;
    if (const NTSTATUS status = findReportKind(PreparsedData, ReportType, data, kind);
        status != HIDP_STATUS_SUCCESS)
        return status;
    if (LengthAttributes == nullptr)
        return HIDP_STATUS_NULL;
    const FieldLayout* layout = layoutForDataIndex(kind->buttons, DataIndex);
    if (layout == nullptr)
        layout = layoutForDataIndex(kind->values, DataIndex);
    if (layout == nullptr)
        return HIDP_STATUS_DATA_INDEX_NOT_FOUND;

    const size_t header = offsetof(HIDP_EXTENDED_ATTRIBUTES, Data);
    const size_t tokens = layout->unknowns.size() * sizeof(HIDP_UNKNOWN_TOKEN);
    const auto needed = static_cast<ULONG>(header + tokens);
    const ULONG room = Attributes == nullptr ? 0 : *LengthAttributes;
    *LengthAttributes = needed;
    if (room < needed)
        return HIDP_STATUS_BUFFER_TOO_SMALL;
    auto* tokenBytes = reinterpret_cast<BYTE*>(Attributes) + header;
    std::memset(Attributes, 0, header);
    Attributes->NumGlobalUnknowns = static_cast<UCHAR>(layout->unknowns.size());
    Attributes->GlobalUnknowns = reinterpret_cast<HIDP_UNKNOWN_TOKEN*>(tokenBytes);
    if (tokens > 0)
        std::memcpy(tokenBytes, layout->unknowns.data(), tokens);
    return HIDP_STATUS_SUCCESS;
}

ULONG HidP_MaxDataListLength(HIDP_REPORT_TYPE ReportType, PHIDP_PREPARSED_DATA PreparsedData) {
    const HidpPreparsedData* data = preparsedData(PreparsedData);
    const ReportKind* kind = data == nullptr ? nullptr : reportKind(*data, ReportType);
    return kind == nullptr ? 0 : kind->dataIndexCount;
}

ULONG HidP_MaxUsageListLength(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                              PHIDP_PREPARSED_DATA PreparsedData) {
    const HidpPreparsedData* data = preparsedData(PreparsedData);
    const ReportKind* kind = data == nullptr ? nullptr : reportKind(*data, ReportType);
    if (kind == nullptr)
        return 0;
    // An array item can report as many usages as it has fields, whatever its usage list.
    ULONG length = 0;
    std::set<ULONG> arrayItems;
    for (const ButtonCap& cap : kind->buttons) {
        if (UsagePage != 0 && cap.caps.UsagePage != UsagePage)
            continue;
        if (!cap.layout.isArray)
            length += cap.layout.fieldCount;
        else if (arrayItems.insert(cap.layout.mainItem).second)
            length += cap.layout.fieldCount;
    }
    return length;
}
