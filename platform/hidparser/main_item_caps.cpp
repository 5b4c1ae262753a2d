#include "platform/hidparser/main_item_caps.h"

#include <algorithm>

namespace {

// Bits of a main item's data (HID 1.11, 6.2.2.5).
constexpr ULONG kVariable = 0x02;
constexpr ULONG kRelative = 0x04;
constexpr ULONG kNullState = 0x40;

constexpr ULONG kMaxDataIndices = 0xFFFF;
constexpr size_t kMaxCaps = 0xFFFF;

// The usages of one capability and the fields they cover.
struct CapsSpan {
    UsageEntry usage;
    ULONG firstField = 0;
    ULONG fieldCount = 0;
    std::int64_t arrayFirstValue = 0;
};

// A variable item gives each field the next usage; a range covers as many fields as it has
// usages. Fields left over take the last usage (HID 1.11, 6.2.2.8; so do Linux and Windows): a
// single usage grows to cover them (a value array for values), the end of a range is repeated
// in a capability of its own.
std::vector<CapsSpan> variableSpans(const std::vector<UsageEntry>& usages, ULONG fieldCount) {
    std::vector<CapsSpan> spans;
    ULONG field = 0;
    for (const UsageEntry& entry : usages) {
        if (field >= fieldCount)
            break;
        const ULONG n = std::min(entry.count(), fieldCount - field);
        UsageEntry used = entry;
        if (used.isRange)
            used.max = static_cast<USAGE>(used.min + n - 1);
        spans.push_back(CapsSpan{used, field, n, 0});
        field += n;
    }
    if (field < fieldCount) {
        CapsSpan& last = spans.back();
        if (!last.usage.isRange) {
            last.fieldCount += fieldCount - field;
        } else {
            const UsageEntry end{last.usage.page, last.usage.max, 0, false, last.usage.extended};
            spans.push_back(CapsSpan{end, field, fieldCount - field, 0});
        }
    }
    // A field whose one usage is 0 ("undefined") carries none: it keeps its place in the report
    // and gets no capability.
    std::erase_if(spans,
                  [](const CapsSpan& span) { return !span.usage.isRange && span.usage.min == 0; });
    return spans;
}

// An array item's fields each hold a value selecting one usage of the item's list: the
// Logical Minimum selects the first.
std::vector<CapsSpan> arraySpans(const std::vector<UsageEntry>& usages, LONG logicalMin,
                                 ULONG fieldCount) {
    std::vector<CapsSpan> spans;
    std::int64_t value = logicalMin;
    for (const UsageEntry& entry : usages) {
        spans.push_back(CapsSpan{entry, 0, fieldCount, value});
        value += entry.count();
    }
    return spans;
}

template <class Caps>
void fillCommon(Caps& caps, const MainItem& item, const GlobalState& globals,
                const LocalState& locals, const CapsSpan& span, USHORT dataIndex) {
    caps.UsagePage = span.usage.page;
    caps.ReportID = globals.reportId;
    caps.BitField = static_cast<USHORT>(item.data);
    caps.LinkCollection = item.link.collection;
    caps.LinkUsage = item.link.usage;
    caps.LinkUsagePage = item.link.usagePage;
    caps.IsRange = span.usage.isRange;
    caps.IsStringRange = locals.strings.min && locals.strings.max;
    caps.IsDesignatorRange = locals.designators.min && locals.designators.max;
    caps.IsAbsolute = (item.data & kRelative) == 0;
    caps.ReportCount = static_cast<USHORT>(span.fieldCount);
    // The range view covers the single-usage view too: they share their first members.
    caps.Range.UsageMin = span.usage.min;
    caps.Range.UsageMax = span.usage.isRange ? span.usage.max : 0;
    caps.Range.StringMin = static_cast<USHORT>(
        caps.IsStringRange ? *locals.strings.min : locals.strings.index.value_or(0));
    caps.Range.StringMax = static_cast<USHORT>(caps.IsStringRange ? *locals.strings.max : 0);
    caps.Range.DesignatorMin = static_cast<USHORT>(
        caps.IsDesignatorRange ? *locals.designators.min : locals.designators.index.value_or(0));
    caps.Range.DesignatorMax =
        static_cast<USHORT>(caps.IsDesignatorRange ? *locals.designators.max : 0);
    caps.Range.DataIndexMin = dataIndex;
    caps.Range.DataIndexMax =
        span.usage.isRange ? static_cast<USHORT>(dataIndex + span.usage.count() - 1) : 0;
}

FieldLayout layoutOf(const MainItem& item, const GlobalState& globals, const CapsSpan& span,
                     bool isArray) {
    FieldLayout layout;
    layout.bitOffset = item.bitOffset + span.firstField * globals.reportSize;
    layout.bitSize = static_cast<USHORT>(globals.reportSize);
    layout.fieldCount = static_cast<USHORT>(span.fieldCount);
    layout.isArray = isArray;
    layout.arrayFirstValue = span.arrayFirstValue;
    layout.logicalMin = globals.logicalMin;
    layout.logicalMax = globals.logicalMax;
    layout.mainItem = item.number;
    layout.unknowns = globals.unknowns;
    return layout;
}

} // namespace

CapsResult addMainItemCaps(const MainItem& item, const GlobalState& globals,
                           const LocalState& locals, ReportKind& kind) {
    const bool isArray = (item.data & kVariable) == 0;
    const bool isButton = isArray || globals.reportSize == 1;
    if (globals.reportSize == 0 || globals.reportCount == 0)
        return CapsResult::Added;
    // Fields without a usage are padding, whether constant or not: they take room in the report
    // and nothing else. Usage 0 is "undefined" in the HID usage tables, so an item that names no
    // other usage has none either.
    const bool namesUsage =
        std::any_of(locals.usages.begin(), locals.usages.end(), [](const UsageEntry& entry) {
            return (entry.isRange ? entry.max : entry.min) != 0;
        });
    if (!namesUsage)
        return CapsResult::Added;

    const std::vector<CapsSpan> spans =
        isArray ? arraySpans(locals.usages, globals.logicalMin, globals.reportCount)
                : variableSpans(locals.usages, globals.reportCount);
    for (const CapsSpan& span : spans) {
        const ULONG indices = span.usage.count();
        if (ULONG{kind.dataIndexCount} + indices > kMaxDataIndices)
            return CapsResult::TooManyDataIndices;
        if (kind.buttons.size() + kind.values.size() >= kMaxCaps)
            return CapsResult::TooManyCaps;
        const FieldLayout layout = layoutOf(item, globals, span, isArray);
        if (isButton) {
            ButtonCap cap{};
            fillCommon(cap.caps, item, globals, locals, span, kind.dataIndexCount);
            cap.layout = layout;
            kind.buttons.push_back(cap);
        } else {
            ValueCap cap{};
            fillCommon(cap.caps, item, globals, locals, span, kind.dataIndexCount);
            cap.caps.HasNull = (item.data & kNullState) != 0;
            cap.caps.BitSize = static_cast<USHORT>(globals.reportSize);
            cap.caps.UnitsExp = globals.unitExp;
            cap.caps.Units = globals.units;
            cap.caps.LogicalMin = globals.logicalMin;
            cap.caps.LogicalMax = globals.logicalMax;
            cap.caps.PhysicalMin = globals.physicalMin;
            cap.caps.PhysicalMax = globals.physicalMax;
            cap.layout = layout;
            kind.values.push_back(cap);
        }
        kind.dataIndexCount = static_cast<USHORT>(kind.dataIndexCount + indices);
    }
    return CapsResult::Added;
}
