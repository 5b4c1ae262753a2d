// Cut and damaged versions of the golden descriptors: the parser either refuses them or yields
// collections whose every function works on reports of the advertised lengths.

#include "golden_descriptors.h"
#include "parsed_descriptor.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Calls each report function once on a zeroed report of every kind and id byte 0..7.
void exerciseCollection(const ParsedDescriptor& parsed, size_t index) {
    PHIDP_PREPARSED_DATA data = parsed[index];
    for (HIDP_REPORT_TYPE type : {HidP_Input, HidP_Output, HidP_Feature}) {
        for (UCHAR id = 0; id < 8; ++id) {
            std::vector<char> report = parsed.report(index, type, id);
            if (report.empty())
                continue;
            const auto length = static_cast<ULONG>(report.size());
            HidP_InitializeReportForID(type, id, data, report.data(), length);
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

} // namespace
