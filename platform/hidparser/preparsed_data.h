#pragma once
// The contents of one preparsed-data object: a top-level collection's capabilities in the public
// record layouts, plus where each capability's fields lie in its report.

#include "platform/hidparser/hidpi.h"

#include <array>
#include <cstdint>
#include <map>
#include <vector>

// Where the fields of one capability lie. Bit offsets count from the start of the report buffer,
// so the id byte occupies bits 0..7.
struct FieldLayout {
    ULONG bitOffset = 0;
    USHORT bitSize = 0;
    USHORT fieldCount = 0;
    // Array items: each field holds a value that selects one usage of the item's usage list; this
    // capability's usages are selected by arrayFirstValue onwards. Capabilities of one array item
    // share its fields and its mainItem number.
    bool isArray = false;
    std::int64_t arrayFirstValue = 0;
    LONG logicalMin = 0;
    LONG logicalMax = 0;
    ULONG mainItem = 0;
    std::vector<HIDP_UNKNOWN_TOKEN> unknowns;
};

struct ButtonCap {
    HIDP_BUTTON_CAPS caps;
    FieldLayout layout;
};

struct ValueCap {
    HIDP_VALUE_CAPS caps;
    FieldLayout layout;
};

// One report kind (input, output or feature) of a top-level collection.
struct ReportKind {
    std::vector<ButtonCap> buttons;
    std::vector<ValueCap> values;
    // Byte length of each report of this kind by id, the id byte included.
    std::map<UCHAR, USHORT> reportBytes;
    USHORT dataIndexCount = 0;
};

struct HidpPreparsedData {
    static constexpr ULONG kMagic = 0x50646948; // "HidP"
    ULONG magic = kMagic;
    HIDP_CAPS caps{};
    std::vector<HIDP_LINK_COLLECTION_NODE> nodes;
    std::array<ReportKind, 3> kinds;
    bool usesReportIds = false;
};

// The object behind a handle, or nullptr for a null or foreign pointer.
const HidpPreparsedData* preparsedData(PHIDP_PREPARSED_DATA handle);

// The report kind, or nullptr for a report type outside input/output/feature.
const ReportKind* reportKind(const HidpPreparsedData& data, HIDP_REPORT_TYPE type);

// Both of the above for one call: HIDP_STATUS_SUCCESS with data and kind set, or the status that
// says which of the two is missing.
NTSTATUS findReportKind(PHIDP_PREPARSED_DATA handle, HIDP_REPORT_TYPE type,
                        const HidpPreparsedData*& data, const ReportKind*& kind);
