#include "configurator/sim/input_report_packer.h"

#include "configurator/model/input_report_layout.h"
#include "configurator/sim/descriptor_fields.h"

namespace {

constexpr std::uint16_t GenericDesktopPage = 0x01;
constexpr std::uint16_t ButtonPage = 0x09;
constexpr std::uint16_t HatSwitchUsage = 0x39;

void PutBits(std::vector<std::uint8_t>& report, int bitOffset, int bitSize, std::uint32_t value) {
    for (int i = 0; i < bitSize; ++i) {
        const int bit = 8 + bitOffset + i; // after the id byte
        if ((value >> i) & 1u)
            report[bit / 8] |= std::uint8_t(1u << (bit % 8));
    }
}

bool Pressed(const Config& config, const LiveData& live, int logicalButton) {
    if (logicalButton < 1 || logicalButton > LogicalButtonCount)
        return false;
    const int input = config.knpTable[logicalButton - 1].number;
    return input >= 1 && input <= LiveButtonCount && live.buttons[input - 1];
}

std::vector<int> ConfiguredAxes(const Config& config) {
    std::vector<int> rows;
    for (int n = 1; n <= JoystickAxisCount; ++n)
        if (HasSource(config.axes[n - 1]))
            rows.push_back(n);
    return rows;
}

std::vector<int> HatsOn(const Config& config) {
    std::vector<int> on;
    for (int h = 1; h <= HatCount; ++h)
        if (config.hats[h - 1].on)
            on.push_back(h);
    return on;
}

} // namespace

std::vector<std::uint8_t> PackInputReport(std::span<const std::uint8_t> descriptor,
                                          const Config& config, const LiveData& live,
                                          const std::array<int, HatCount>& hats) {
    const auto fields = InputFieldsOf(descriptor);
    if (!fields)
        return {};
    const int length = InputReportLengthOf(*fields, InputReportId);
    if (length == 0)
        return {};
    std::vector<std::uint8_t> report(length, 0);
    report[0] = InputReportId;
    const std::vector<int> axes = ConfiguredAxes(config);
    const std::vector<int> hatsOn = HatsOn(config);
    std::size_t nextAxis = 0;
    std::size_t nextHat = 0;
    for (const DescriptorField& f : *fields) {
        if (f.reportId != InputReportId || f.constant)
            continue;
        const std::uint32_t mask = f.bitSize >= 32 ? ~0u : (1u << f.bitSize) - 1;
        std::uint32_t value = 0;
        if (f.usagePage == ButtonPage) {
            value = Pressed(config, live, f.usage) ? 1 : 0;
        } else if (f.usagePage == GenericDesktopPage && f.usage == HatSwitchUsage) {
            value = nextHat < hatsOn.size() ? std::uint32_t(hats[hatsOn[nextHat] - 1]) : 0;
            ++nextHat;
        } else if (nextAxis < axes.size()) {
            value = std::uint32_t(live.axisValues[axes[nextAxis] - 1]);
            ++nextAxis;
        }
        PutBits(report, f.bitOffset, f.bitSize, value & mask);
    }
    return report;
}
