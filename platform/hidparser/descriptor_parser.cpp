#include "platform/hidparser/descriptor_parser.h"

#include "platform/hidparser/descriptor_items.h"
#include "platform/hidparser/main_item_caps.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

enum GlobalTag : BYTE {
    kUsagePage = 0,
    kLogicalMin = 1,
    kLogicalMax = 2,
    kPhysicalMin = 3,
    kPhysicalMax = 4,
    kUnitExponent = 5,
    kUnit = 6,
    kReportSize = 7,
    kReportId = 8,
    kReportCount = 9,
    kPush = 10,
    kPop = 11,
};

enum LocalTag : BYTE {
    kUsage = 0,
    kUsageMin = 1,
    kUsageMax = 2,
    kDesignatorIndex = 3,
    kDesignatorMin = 4,
    kDesignatorMax = 5,
    kStringIndex = 7,
    kStringMin = 8,
    kStringMax = 9,
    kDelimiter = 10,
};

enum MainTag : BYTE {
    kInput = 8,
    kOutput = 9,
    kCollection = 10,
    kFeature = 11,
    kEndCollection = 12,
};

// The running length of one report, and the top-level collection it belongs to.
struct ReportTrack {
    ULONG bits = 8; // the id byte comes first, also as a 0 when the descriptor uses no ids
    size_t collection = 0;
};

class DescriptorParser {
public:
    DescriptorParse run(const BYTE* bytes, ULONG length);

private:
    bool fail(DescriptorError error, ULONG offset);
    bool globalItem(const DescriptorItem& item);
    bool localItem(const DescriptorItem& item);
    bool mainItem(const DescriptorItem& item);
    bool addUsage(const UsageEntry& entry, const DescriptorItem& item);
    bool completeUsageRange(const DescriptorItem& item);
    void resolveUsagePages();
    bool openCollection(const DescriptorItem& item);
    bool closeCollection(const DescriptorItem& item);
    bool dataItem(HIDP_REPORT_TYPE type, const DescriptorItem& item);
    void finish();

    DescriptorParse result_;
    GlobalState globals_;
    std::vector<GlobalState> globalStack_;
    LocalState locals_;
    std::vector<USHORT> openNodes_; // link collection nodes from the top-level one inwards
    std::vector<USHORT> lastChild_; // per node of the current top-level collection
    std::map<std::pair<int, UCHAR>, ReportTrack> reports_;
    ULONG mainItems_ = 0;
    bool sawReportIdZero_ = false;
    bool sawReportIdSet_ = false;
};

// Many devices write a maximum such as 255 in one byte (25 FF). With a minimum of 0 or more the
// field is unsigned, so the maximum is read unsigned too, as the Linux HID core does.
LONG upperExtent(const DescriptorItem& item, LONG lowerExtent) {
    return lowerExtent >= 0 && item.size < 4 ? static_cast<LONG>(item.data) : item.signedData();
}

bool DescriptorParser::fail(DescriptorError error, ULONG offset) {
    result_.error = error;
    result_.errorOffset = offset;
    result_.collections.clear();
    return false;
}

bool DescriptorParser::globalItem(const DescriptorItem& item) {
    switch (item.tag) {
    case kUsagePage:
        globals_.usagePage = static_cast<USAGE>(item.data);
        return true;
    case kLogicalMin:
        globals_.logicalMin = item.signedData();
        return true;
    case kLogicalMax:
        globals_.logicalMax = upperExtent(item, globals_.logicalMin);
        return true;
    case kPhysicalMin:
        globals_.physicalMin = item.signedData();
        return true;
    case kPhysicalMax:
        globals_.physicalMax = upperExtent(item, globals_.physicalMin);
        return true;
    case kUnitExponent:
        globals_.unitExp = item.data;
        return true;
    case kUnit:
        globals_.units = item.data;
        return true;
    case kReportSize:
        if (item.data > kMaxReportSize)
            return fail(DescriptorError::ReportSizeTooLarge, item.offset);
        globals_.reportSize = item.data;
        return true;
    case kReportId:
        if (item.data == 0 || item.data > 0xFF)
            return fail(DescriptorError::InvalidReportId, item.offset);
        globals_.reportId = static_cast<UCHAR>(item.data);
        return true;
    case kReportCount:
        if (item.data > kMaxReportBits)
            return fail(DescriptorError::ReportCountTooLarge, item.offset);
        globals_.reportCount = item.data;
        return true;
    case kPush:
        if (globalStack_.size() >= kMaxGlobalStackDepth)
            return fail(DescriptorError::PushTooDeep, item.offset);
        globalStack_.push_back(globals_);
        return true;
    case kPop:
        if (globalStack_.empty())
            return fail(DescriptorError::PopWithoutPush, item.offset);
        globals_ = globalStack_.back();
        globalStack_.pop_back();
        return true;
    default: {
        auto& unknowns = globals_.unknowns;
        const auto sameTag = [&item](const HIDP_UNKNOWN_TOKEN& token) {
            return (token.Token >> 4) == item.tag;
        };
        unknowns.erase(std::remove_if(unknowns.begin(), unknowns.end(), sameTag), unknowns.end());
        unknowns.push_back(HIDP_UNKNOWN_TOKEN{item.prefix, {}, item.data});
        return true;
    }
    }
}

bool DescriptorParser::addUsage(const UsageEntry& entry, const DescriptorItem& item) {
    if (entry.isRange && entry.max < entry.min)
        return fail(DescriptorError::BadUsageRange, item.offset);
    if (locals_.inDelimiter) {
        if (locals_.delimiterTookUsage)
            return true;
        locals_.delimiterTookUsage = true;
    }
    locals_.usages.push_back(entry);
    return true;
}

bool DescriptorParser::completeUsageRange(const DescriptorItem& item) {
    if (!locals_.pendingUsageMin || !locals_.pendingUsageMax)
        return true;
    const UsageEntry min = *locals_.pendingUsageMin;
    const UsageEntry max = *locals_.pendingUsageMax;
    locals_.pendingUsageMin.reset();
    locals_.pendingUsageMax.reset();
    if (min.extended && max.extended && min.page != max.page)
        return fail(DescriptorError::BadUsageRange, item.offset);
    const UsageEntry& paged = max.extended ? max : min;
    return addUsage(UsageEntry{paged.page, min.min, max.min, true, paged.extended}, item);
}

// HID 1.11 joins the Usage Page in force at the main item to its one- and two-byte usages, so a
// Usage Page written after the usages still counts. As the Linux HID core does, the latest usages
// are joined to it going backwards until one already on that page: usages declared under an
// earlier page and followed by usages of another page keep theirs.
void DescriptorParser::resolveUsagePages() {
    for (auto entry = locals_.usages.rbegin(); entry != locals_.usages.rend(); ++entry) {
        if (entry->extended)
            continue;
        if (entry->page == globals_.usagePage)
            break;
        entry->page = globals_.usagePage;
    }
}

bool DescriptorParser::localItem(const DescriptorItem& item) {
    // A four-byte usage carries its page in the high word.
    const bool extended = item.size == 4;
    const UsageEntry usage{static_cast<USAGE>(extended ? item.data >> 16 : globals_.usagePage),
                           static_cast<USAGE>(item.data), 0, false, extended};
    switch (item.tag) {
    case kUsage:
        return addUsage(usage, item);
    case kUsageMin:
        locals_.pendingUsageMin = usage;
        return completeUsageRange(item);
    case kUsageMax:
        locals_.pendingUsageMax = usage;
        return completeUsageRange(item);
    case kDesignatorIndex:
        locals_.designators.index = item.data;
        return true;
    case kDesignatorMin:
        locals_.designators.min = item.data;
        return true;
    case kDesignatorMax:
        locals_.designators.max = item.data;
        return true;
    case kStringIndex:
        locals_.strings.index = item.data;
        return true;
    case kStringMin:
        locals_.strings.min = item.data;
        return true;
    case kStringMax:
        locals_.strings.max = item.data;
        return true;
    case kDelimiter:
        if (item.data > 1 || (item.data == 1) == locals_.inDelimiter)
            return fail(DescriptorError::BadDelimiter, item.offset);
        locals_.inDelimiter = item.data == 1;
        locals_.delimiterTookUsage = false;
        return true;
    default:
        return true;
    }
}

bool DescriptorParser::openCollection(const DescriptorItem& item) {
    if (openNodes_.size() >= kMaxCollectionDepth)
        return fail(DescriptorError::CollectionTooDeep, item.offset);
    HIDP_LINK_COLLECTION_NODE node{};
    node.LinkUsagePage = globals_.usagePage;
    if (!locals_.usages.empty()) {
        node.LinkUsage = locals_.usages.front().min;
        node.LinkUsagePage = locals_.usages.front().page;
    }
    node.CollectionType = item.data & 0xFF;
    if (openNodes_.empty()) {
        auto collection = std::make_unique<HidpPreparsedData>();
        collection->caps.Usage = node.LinkUsage;
        collection->caps.UsagePage = node.LinkUsagePage;
        collection->nodes.push_back(node);
        result_.collections.push_back(std::move(collection));
        lastChild_.assign(1, 0);
        openNodes_.push_back(0);
        return true;
    }
    auto& nodes = result_.collections.back()->nodes;
    if (nodes.size() >= 0xFFFF)
        return fail(DescriptorError::TooManyCollections, item.offset);
    const auto index = static_cast<USHORT>(nodes.size());
    const USHORT parent = openNodes_.back();
    node.Parent = parent;
    nodes.push_back(node);
    lastChild_.push_back(0);
    HIDP_LINK_COLLECTION_NODE& parentNode = nodes[parent];
    if (parentNode.NumberOfChildren == 0)
        parentNode.FirstChild = index;
    else
        nodes[lastChild_[parent]].NextSibling = index;
    ++parentNode.NumberOfChildren;
    lastChild_[parent] = index;
    openNodes_.push_back(index);
    return true;
}

bool DescriptorParser::closeCollection(const DescriptorItem& item) {
    if (openNodes_.empty())
        return fail(DescriptorError::EndWithoutCollection, item.offset);
    openNodes_.pop_back();
    return true;
}

bool DescriptorParser::dataItem(HIDP_REPORT_TYPE type, const DescriptorItem& item) {
    if (openNodes_.empty())
        return fail(DescriptorError::MainItemOutsideCollection, item.offset);
    const UCHAR id = globals_.reportId;
    (id == 0 ? sawReportIdZero_ : sawReportIdSet_) = true;
    if (sawReportIdZero_ && sawReportIdSet_)
        return fail(DescriptorError::MixedReportIds, item.offset);

    const size_t collection = result_.collections.size() - 1;
    auto [track, added] = reports_.try_emplace({type, id}, ReportTrack{8, collection});
    if (track->second.collection != collection)
        return fail(DescriptorError::ReportIdInTwoCollections, item.offset);
    const ULONG bits = globals_.reportSize * globals_.reportCount;
    if (track->second.bits + bits > kMaxReportBits)
        return fail(DescriptorError::ReportTooLong, item.offset);

    const HidpPreparsedData& data = *result_.collections.back();
    const USHORT node = openNodes_.back();
    MainItem main;
    main.data = item.data;
    main.bitOffset = track->second.bits;
    main.number = mainItems_++;
    main.link = LinkPosition{node, data.nodes[node].LinkUsage, data.nodes[node].LinkUsagePage};
    ReportKind& kind = result_.collections.back()->kinds[type];
    switch (addMainItemCaps(main, globals_, locals_, kind)) {
    case CapsResult::TooManyDataIndices:
        return fail(DescriptorError::TooManyDataIndices, item.offset);
    case CapsResult::TooManyCaps:
        return fail(DescriptorError::TooManyCaps, item.offset);
    case CapsResult::Added:
        break;
    }
    track->second.bits += bits;
    return true;
}

bool DescriptorParser::mainItem(const DescriptorItem& item) {
    if (locals_.pendingUsageMin || locals_.pendingUsageMax)
        return fail(DescriptorError::BadUsageRange, item.offset);
    if (locals_.inDelimiter)
        return fail(DescriptorError::BadDelimiter, item.offset);
    resolveUsagePages();
    bool ok = true;
    switch (item.tag) {
    case kInput:
        ok = dataItem(HidP_Input, item);
        break;
    case kOutput:
        ok = dataItem(HidP_Output, item);
        break;
    case kFeature:
        ok = dataItem(HidP_Feature, item);
        break;
    case kCollection:
        ok = openCollection(item);
        break;
    case kEndCollection:
        ok = closeCollection(item);
        break;
    default:
        break;
    }
    locals_ = LocalState{};
    return ok;
}

void DescriptorParser::finish() {
    for (const auto& [key, track] : reports_) {
        ReportKind& kind = result_.collections[track.collection]->kinds[key.first];
        kind.reportBytes[key.second] = static_cast<USHORT>((track.bits + 7) / 8);
    }
    for (auto& collection : result_.collections) {
        HIDP_CAPS& caps = collection->caps;
        collection->usesReportIds = sawReportIdSet_;
        caps.NumberLinkCollectionNodes = static_cast<USHORT>(collection->nodes.size());
        USHORT* lengths[3] = {&caps.InputReportByteLength, &caps.OutputReportByteLength,
                              &caps.FeatureReportByteLength};
        USHORT* counts[3][3] = {
            {&caps.NumberInputButtonCaps, &caps.NumberInputValueCaps, &caps.NumberInputDataIndices},
            {&caps.NumberOutputButtonCaps, &caps.NumberOutputValueCaps,
             &caps.NumberOutputDataIndices},
            {&caps.NumberFeatureButtonCaps, &caps.NumberFeatureValueCaps,
             &caps.NumberFeatureDataIndices},
        };
        for (size_t type = 0; type < 3; ++type) {
            const ReportKind& kind = collection->kinds[type];
            for (const auto& [id, bytes] : kind.reportBytes)
                *lengths[type] = std::max(*lengths[type], bytes);
            *counts[type][0] = static_cast<USHORT>(kind.buttons.size());
            *counts[type][1] = static_cast<USHORT>(kind.values.size());
            *counts[type][2] = kind.dataIndexCount;
        }
    }
}

DescriptorParse DescriptorParser::run(const BYTE* bytes, ULONG length) {
    if (length > kMaxDescriptorBytes) {
        fail(DescriptorError::DescriptorTooLong, 0);
        return std::move(result_);
    }
    DescriptorItemReader reader(bytes, length);
    DescriptorItem item;
    for (;;) {
        const ULONG offset = reader.position();
        const ItemRead read = reader.next(item);
        if (read == ItemRead::End)
            break;
        if (read == ItemRead::Truncated || read == ItemRead::LongItem) {
            fail(read == ItemRead::Truncated ? DescriptorError::TruncatedItem
                                             : DescriptorError::LongItem,
                 offset);
            return std::move(result_);
        }
        bool ok = true;
        switch (item.type) {
        case ItemType::Main:
            ok = mainItem(item);
            break;
        case ItemType::Global:
            ok = globalItem(item);
            break;
        case ItemType::Local:
            ok = localItem(item);
            break;
        case ItemType::Reserved:
            break;
        }
        if (!ok)
            return std::move(result_);
    }
    if (!openNodes_.empty())
        fail(DescriptorError::UnclosedCollection, length);
    else if (result_.collections.empty())
        fail(DescriptorError::NoCollection, length);
    else
        finish();
    return std::move(result_);
}

} // namespace

const char* descriptorErrorText(DescriptorError error) {
    switch (error) {
    case DescriptorError::None:
        return "no error";
    case DescriptorError::NoCollection:
        return "no top-level collection";
    case DescriptorError::DescriptorTooLong:
        return "descriptor longer than 65535 bytes";
    case DescriptorError::TruncatedItem:
        return "item cut off by the end of the descriptor";
    case DescriptorError::LongItem:
        return "long item";
    case DescriptorError::PushTooDeep:
        return "too many nested Push items";
    case DescriptorError::PopWithoutPush:
        return "Pop without Push";
    case DescriptorError::CollectionTooDeep:
        return "collections nested too deep";
    case DescriptorError::EndWithoutCollection:
        return "End Collection without Collection";
    case DescriptorError::UnclosedCollection:
        return "collection not closed";
    case DescriptorError::MainItemOutsideCollection:
        return "Input, Output or Feature outside a collection";
    case DescriptorError::ReportSizeTooLarge:
        return "Report Size above 256 bits";
    case DescriptorError::ReportCountTooLarge:
        return "Report Count beyond the report length limit";
    case DescriptorError::ReportTooLong:
        return "report longer than 4096 bytes";
    case DescriptorError::InvalidReportId:
        return "Report ID outside 1..255";
    case DescriptorError::MixedReportIds:
        return "report ids on some reports only";
    case DescriptorError::ReportIdInTwoCollections:
        return "one report id in two top-level collections";
    case DescriptorError::BadUsageRange:
        return "incomplete or reversed usage range";
    case DescriptorError::BadDelimiter:
        return "unbalanced Delimiter";
    case DescriptorError::TooManyDataIndices:
        return "more than 65535 data indices in one report kind";
    case DescriptorError::TooManyCaps:
        return "more than 65535 capabilities in one report kind";
    case DescriptorError::TooManyCollections:
        return "more than 65535 link collections";
    }
    return "unknown error";
}

DescriptorParse parseDescriptor(const BYTE* bytes, ULONG length) {
    return DescriptorParser{}.run(bytes, length);
}

bool descriptorUsesReportIds(const BYTE* bytes, ULONG length) {
    const DescriptorParse parse = parseDescriptor(bytes, length);
    return !parse.collections.empty() && parse.collections.front()->usesReportIds;
}
