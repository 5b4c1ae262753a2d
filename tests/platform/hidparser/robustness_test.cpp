// Cut and damaged versions of the golden descriptors: the parser either refuses them or yields
// collections whose every function works on reports of the advertised lengths.

#include "golden_descriptors.h"
#include "parsed_descriptor.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

// A fixed-seed generator, so every run sees the same descriptors and reports.
class Lcg {
public:
    std::uint32_t next(std::uint32_t bound) {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % bound;
    }

private:
    std::uint32_t state_ = 12345;
};

// Calls each report function once on a report of every kind and id byte 0..7, prepared by
// HidP_InitializeReportForID and then filled with arbitrary bytes.
void exerciseCollection(const ParsedDescriptor& parsed, size_t index) {
    Lcg random;
    PHIDP_PREPARSED_DATA data = parsed[index];
    for (HIDP_REPORT_TYPE type : {HidP_Input, HidP_Output, HidP_Feature}) {
        for (UCHAR id = 0; id < 8; ++id) {
            std::vector<char> report = parsed.report(index, type, id);
            if (report.empty())
                continue;
            const auto length = static_cast<ULONG>(report.size());
            HidP_InitializeReportForID(type, id, data, report.data(), length);
            for (size_t i = 1; i < report.size(); ++i)
                report[i] = static_cast<char>(random.next(256));
            HIDP_DATA list[64];
            ULONG listLength = 64;
            HidP_GetData(type, list, &listLength, data, report.data(), length);
            listLength = std::min<ULONG>(listLength, 64);
            HidP_SetData(type, list, &listLength, data, report.data(), length);
            USAGE usages[64];
            ULONG usageLength = 64;
            HidP_GetUsages(type, 0x09, 0, usages, &usageLength, data, report.data(), length);
            USAGE_AND_PAGE pages[64];
            usageLength = 64;
            HidP_GetUsagesEx(type, 0, pages, &usageLength, data, report.data(), length);
            for (USAGE usage : {USAGE{0x01}, USAGE{0x30}, USAGE{0x39}}) {
                ULONG value = 0;
                HidP_GetUsageValue(type, 0x01, 0, usage, &value, data, report.data(), length);
                HidP_SetUsageValue(type, 0x01, 0, usage, 1, data, report.data(), length);
                LONG scaled = 0;
                HidP_GetScaledUsageValue(type, 0x01, 0, usage, &scaled, data, report.data(),
                                         length);
                HidP_SetScaledUsageValue(type, 0x01, 0, usage, 1, data, report.data(), length);
                char array[512];
                HidP_GetUsageValueArray(type, 0xFF00, 0, usage, array, sizeof array, data,
                                        report.data(), length);
                USAGE set[] = {usage};
                ULONG setLength = 1;
                HidP_SetUsages(type, 0x09, 0, set, &setLength, data, report.data(), length);
            }
        }
    }
}

void expectParsesOrRefuses(std::span<const BYTE> bytes) {
    ParsedDescriptor parsed(bytes);
    if (parsed.status() != HIDP_STATUS_SUCCESS) {
        EXPECT_EQ(parsed.status(), STATUS_COULD_NOT_INTERPRET);
        EXPECT_EQ(parsed.count(), 0u);
        return;
    }
    EXPECT_GT(parsed.count(), 0u);
    for (size_t i = 0; i < parsed.count(); ++i)
        exerciseCollection(parsed, i);
}

TEST(RobustnessTest, EveryTruncationParsesOrIsRefused) {
    for (const GoldenDescriptor& golden : kGoldenDescriptors) {
        SCOPED_TRACE(golden.name);
        for (size_t length = 0; length <= golden.bytes.size(); ++length)
            expectParsesOrRefuses(golden.bytes.first(length));
        EXPECT_EQ(ParsedDescriptor(golden.bytes).status(), HIDP_STATUS_SUCCESS);
    }
}

TEST(RobustnessTest, EveryDamagedByteParsesOrIsRefused) {
    const BYTE replacements[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF, 0xC0, 0x97};
    for (const GoldenDescriptor& golden : kGoldenDescriptors) {
        SCOPED_TRACE(golden.name);
        std::vector<BYTE> bytes(golden.bytes.begin(), golden.bytes.end());
        for (size_t position = 0; position < bytes.size(); ++position) {
            const BYTE original = bytes[position];
            for (BYTE replacement : replacements) {
                bytes[position] = replacement;
                expectParsesOrRefuses(bytes);
            }
            bytes[position] = original;
        }
    }
}

// Items picked at random, with data kept near the values real descriptors use so that many of
// them parse; open collections are closed at the end.
std::vector<BYTE> randomDescriptor(Lcg& random) {
    struct Pick {
        BYTE prefix;
        std::uint32_t bound;
    };
    const Pick picks[] = {
        {0x05, 16},  {0x06, 0x10000}, {0x15, 256}, {0x25, 256}, {0x26, 0x10000}, {0x35, 256},
        {0x46, 400}, {0x65, 256},     {0x75, 34},  {0x95, 40},  {0x96, 300},     {0x85, 4},
        {0xA4, 1},   {0xB4, 1},       {0xC5, 256}, {0x09, 64},  {0x0A, 0x400},   {0x19, 8},
        {0x29, 16},  {0xA9, 2},       {0x79, 4},   {0x81, 256}, {0x91, 8},       {0xB1, 8},
        {0xA1, 3},   {0xC0, 1},       {0xC0, 1},   {0x0B, 1},
    };
    std::vector<BYTE> bytes = {0x05, 0x01, 0x09, 0x04, 0xA1, 0x01};
    int depth = 1;
    const std::uint32_t items = 1 + random.next(40);
    for (std::uint32_t i = 0; i < items; ++i) {
        const Pick& pick = picks[random.next(std::size(picks))];
        const BYTE size = (pick.prefix & 0x03) == 3 ? 4 : pick.prefix & 0x03;
        std::uint32_t data = random.next(pick.bound);
        bytes.push_back(pick.prefix);
        for (BYTE b = 0; b < size; ++b, data >>= 8)
            bytes.push_back(static_cast<BYTE>(data));
        depth += pick.prefix == 0xA1 ? 1 : pick.prefix == 0xC0 ? -1 : 0;
    }
    for (; depth > 0; --depth)
        bytes.push_back(0xC0);
    return bytes;
}

TEST(RobustnessTest, RandomDescriptorsParseOrAreRefused) {
    Lcg random;
    int parsedCount = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::vector<BYTE> bytes = randomDescriptor(random);
        expectParsesOrRefuses(bytes);
        parsedCount += ParsedDescriptor(bytes).status() == HIDP_STATUS_SUCCESS;
    }
    EXPECT_GT(parsedCount, 300) << "too few random descriptors parse to exercise the functions";
}

} // namespace
