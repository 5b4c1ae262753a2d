#include "configurator/sim/descriptor_fields.h"

#include <algorithm>
#include <map>

namespace {

// Beyond these a descriptor is not one the controller could hold; refuse instead of allocating.
constexpr int MaxFields = 4096;
constexpr int MaxReportSize = 32;

constexpr int MainItem = 0;
constexpr int GlobalItem = 1;
constexpr int LocalItem = 2;
constexpr std::uint8_t LongItemPrefix = 0xFE;

constexpr int TagInput = 0x8;
constexpr int TagUsagePage = 0x0;
constexpr int TagReportSize = 0x7;
constexpr int TagReportId = 0x8;
constexpr int TagReportCount = 0x9;
constexpr int TagUsage = 0x0;
constexpr int TagUsageMinimum = 0x1;
constexpr int TagUsageMaximum = 0x2;

struct WalkState {
    std::uint16_t page = 0;
    int reportSize = 0;
    int reportCount = 0;
    std::uint8_t reportId = 0;
    std::vector<std::uint16_t> usages;
    std::optional<std::uint32_t> usageMin;
    std::optional<std::uint32_t> usageMax;
    std::map<std::uint8_t, int> offsets;

    void clearLocals() {
        usages.clear();
        usageMin.reset();
        usageMax.reset();
    }

    std::uint16_t usageAt(int index) const {
        if (!usages.empty())
            return usages[std::min<std::size_t>(index, usages.size() - 1)];
        if (usageMin && usageMax)
            return std::uint16_t(std::min<std::uint32_t>(*usageMin + index, *usageMax));
        return 0;
    }
};

bool AddInput(WalkState& s, std::uint32_t flags, std::vector<DescriptorField>& fields) {
    if (s.reportSize < 1 || s.reportSize > MaxReportSize ||
        int(fields.size()) + s.reportCount > MaxFields)
        return false;
    const bool constant = flags & 1;
    int& offset = s.offsets[s.reportId];
    for (int i = 0; i < s.reportCount; ++i) {
        fields.push_back({s.reportId, s.page, constant ? std::uint16_t(0) : s.usageAt(i), constant,
                          offset, s.reportSize});
        offset += s.reportSize;
    }
    return true;
}

} // namespace

std::optional<std::vector<DescriptorField>> InputFieldsOf(std::span<const std::uint8_t> d) {
    std::vector<DescriptorField> fields;
    WalkState s;
    std::size_t at = 0;
    while (at < d.size()) {
        const std::uint8_t prefix = d[at];
        if (prefix == LongItemPrefix) {
            if (at + 2 >= d.size() || at + 3 + d[at + 1] > d.size())
                return std::nullopt;
            at += 3 + d[at + 1];
            continue;
        }
        const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (at + 1 + size > d.size())
            return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value |= std::uint32_t(d[at + 1 + i]) << (8 * i);
        const int type = (prefix >> 2) & 3;
        const int tag = prefix >> 4;
        at += 1 + size;

        if (type == MainItem) {
            if (tag == TagInput && !AddInput(s, value, fields))
                return std::nullopt;
            s.clearLocals();
        } else if (type == GlobalItem) {
            if (tag == TagUsagePage)
                s.page = std::uint16_t(value);
            else if (tag == TagReportSize)
                s.reportSize = int(value);
            else if (tag == TagReportId)
                s.reportId = std::uint8_t(value);
            else if (tag == TagReportCount)
                s.reportCount = int(std::min<std::uint32_t>(value, MaxFields + 1));
        } else if (type == LocalItem) {
            if (tag == TagUsage)
                s.usages.push_back(std::uint16_t(value));
            else if (tag == TagUsageMinimum)
                s.usageMin = value & 0xFFFF;
            else if (tag == TagUsageMaximum)
                s.usageMax = value & 0xFFFF;
        }
    }
    return fields;
}

int InputReportLengthOf(const std::vector<DescriptorField>& fields, std::uint8_t reportId) {
    int bits = 0;
    for (const DescriptorField& f : fields)
        if (f.reportId == reportId)
            bits = std::max(bits, f.bitOffset + f.bitSize);
    return bits == 0 ? 0 : 1 + (bits + 7) / 8;
}
