#pragma once
// The item state a report descriptor builds up between main items: the global items (kept across
// main items, saved by Push and restored by Pop) and the local items (cleared by every main item).

#include "platform/hidparser/hidpi.h"

#include <optional>
#include <vector>

struct GlobalState {
    USAGE usagePage = 0;
    LONG logicalMin = 0;
    LONG logicalMax = 0;
    LONG physicalMin = 0;
    LONG physicalMax = 0;
    ULONG unitExp = 0;
    ULONG units = 0;
    ULONG reportSize = 0;
    ULONG reportCount = 0;
    UCHAR reportId = 0;
    // Global items with reserved tags, at most one per tag, the latest winning.
    std::vector<HIDP_UNKNOWN_TOKEN> unknowns;
};

// One Usage item, or a Usage Minimum / Usage Maximum pair. A four-byte (extended) usage brings
// its own page; a shorter one takes the Usage Page in force when it is declared, and again the
// one in force at its main item (see DescriptorParser::resolveUsagePages).
struct UsageEntry {
    USAGE page = 0;
    USAGE min = 0;
    USAGE max = 0;
    bool isRange = false;
    bool extended = false;

    ULONG count() const { return isRange ? ULONG{max} - min + 1 : 1; }
};

struct IndexRange {
    std::optional<ULONG> index;
    std::optional<ULONG> min;
    std::optional<ULONG> max;
};

struct LocalState {
    std::vector<UsageEntry> usages;
    // A Usage Minimum or Maximum waiting for its partner.
    std::optional<UsageEntry> pendingUsageMin;
    std::optional<UsageEntry> pendingUsageMax;
    IndexRange strings;
    IndexRange designators;
    // Inside a delimited set of alternative usages only the first one is kept.
    bool inDelimiter = false;
    bool delimiterTookUsage = false;
};
