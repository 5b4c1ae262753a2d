// The report-descriptor parser and the HidP calls on a report. Input: two bytes of descriptor
// length (little-endian), the descriptor, then the bytes the reports are filled from.
#include "platform/hidparser/hidpi.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Bigger lists than any parsed descriptor here needs are not worth the time per input.
constexpr USHORT kMaxCaps = 64;
constexpr ULONG kMaxList = 4096;

struct Reports {
    const std::uint8_t* seed;
    std::size_t seedSize;

    std::vector<char> make(UCHAR id, USHORT length) const {
        std::vector<char> report(length, 0);
        for (std::size_t i = 1; i < report.size() && seedSize > 0; ++i)
            report[i] = static_cast<char>(seed[i % seedSize]);
        if (!report.empty())
            report[0] = static_cast<char>(id);
        return report;
    }
};

void exerciseUsage(HIDP_REPORT_TYPE type, PHIDP_PREPARSED_DATA data, std::vector<char>& report,
                   USAGE page, USHORT link, USAGE usage) {
    const auto length = static_cast<ULONG>(report.size());
    ULONG value = 0;
    LONG scaled = 0;
    char array[64] = {};
    HidP_GetUsageValue(type, page, link, usage, &value, data, report.data(), length);
    HidP_GetScaledUsageValue(type, page, link, usage, &scaled, data, report.data(), length);
    HidP_GetUsageValueArray(type, page, link, usage, array, sizeof array, data, report.data(),
                            length);
    HidP_SetUsageValue(type, page, link, usage, value + 1, data, report.data(), length);
    HidP_SetScaledUsageValue(type, page, link, usage, scaled - 1, data, report.data(), length);
    HidP_SetUsageValueArray(type, page, link, usage, array, sizeof array, data, report.data(),
                            length);
    USAGE keys[2] = {usage, static_cast<USAGE>(usage + 1)};
    ULONG count = 2;
    HidP_SetUsages(type, page, link, keys, &count, data, report.data(), length);
    count = 2;
    HidP_UnsetUsages(type, page, link, keys, &count, data, report.data(), length);
}

void exerciseReports(HIDP_REPORT_TYPE type, PHIDP_PREPARSED_DATA data, USHORT length,
                     const Reports& reports) {
    HIDP_VALUE_CAPS values[kMaxCaps];
    HIDP_BUTTON_CAPS buttons[kMaxCaps];
    USHORT valueCount = kMaxCaps;
    USHORT buttonCount = kMaxCaps;
    HidP_GetSpecificValueCaps(type, 0, 0, 0, values, &valueCount, data);
    HidP_GetSpecificButtonCaps(type, 0, 0, 0, buttons, &buttonCount, data);
    valueCount = std::min(valueCount, kMaxCaps);
    buttonCount = std::min(buttonCount, kMaxCaps);

    const ULONG maxData = std::min(HidP_MaxDataListLength(type, data), kMaxList);
    const ULONG maxUsages = std::min(HidP_MaxUsageListLength(type, 0, data), kMaxList);
    std::vector<HIDP_DATA> dataList(maxData + 1);
    std::vector<USAGE> usages(maxUsages + 1);
    std::vector<USAGE_AND_PAGE> usagePages(maxUsages + 1);

    const auto run = [&](UCHAR id, USAGE page, USHORT link, USAGE usage) {
        std::vector<char> report = reports.make(id, length);
        const auto size = static_cast<ULONG>(report.size());
        HidP_InitializeReportForID(type, id, data, report.data(), size);
        report = reports.make(id, length);
        ULONG count = maxData;
        HidP_GetData(type, dataList.data(), &count, data, report.data(), size);
        count = std::min(count, maxData);
        HidP_SetData(type, dataList.data(), &count, data, report.data(), size);
        count = maxUsages;
        HidP_GetUsages(type, page, link, usages.data(), &count, data, report.data(), size);
        count = maxUsages;
        HidP_GetUsagesEx(type, link, usagePages.data(), &count, data, report.data(), size);
        exerciseUsage(type, data, report, page, link, usage);
    };
    for (USHORT i = 0; i < valueCount; ++i) {
        const HIDP_VALUE_CAPS& cap = values[i];
        run(cap.ReportID, cap.UsagePage, cap.LinkCollection,
            cap.IsRange ? cap.Range.UsageMax : cap.NotRange.Usage);
    }
    for (USHORT i = 0; i < buttonCount; ++i) {
        const HIDP_BUTTON_CAPS& cap = buttons[i];
        run(cap.ReportID, cap.UsagePage, cap.LinkCollection,
            cap.IsRange ? cap.Range.UsageMin : cap.NotRange.Usage);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size < 2)
        return 0;
    const std::size_t declared = input[0] | (std::size_t{input[1]} << 8);
    const std::size_t length = std::min(declared, size - 2);
    const Reports reports{input + 2 + length, size - 2 - length};
    std::vector<PHIDP_PREPARSED_DATA> collections;
    if (HidParserParse(input + 2, static_cast<ULONG>(length), collections) != HIDP_STATUS_SUCCESS)
        return 0;
    for (PHIDP_PREPARSED_DATA data : collections) {
        HIDP_CAPS caps{};
        HidP_GetCaps(data, &caps);
        exerciseReports(HidP_Input, data, caps.InputReportByteLength, reports);
        exerciseReports(HidP_Output, data, caps.OutputReportByteLength, reports);
        exerciseReports(HidP_Feature, data, caps.FeatureReportByteLength, reports);
        HidParserFree(data);
    }
    return 0;
}
