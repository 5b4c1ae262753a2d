#include "configurator/model/axis_rules.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

AxisRow Filled(int source) {
    AxisRow row;
    row.source = source;
    row.port = 9;
    row.channel = 4;
    row.usage = 3;
    row.filter = 5;
    row.invert = true;
    row.autoCalibration = 3;
    row.precision = 4;
    row.specialFunction = 2;
    row.deadZoneLow = 1;
    row.deadZoneCentre = 2;
    row.deadZoneHigh = 3;
    row.deadZoneSecond = 4;
    row.calibrationMin = 10;
    row.calibrationCentre = 20;
    row.calibrationMax = 30;
    row.step = 40;
    row.buttonUp = 5;
    row.buttonCentre = 6;
    row.buttonDown = 7;
    return row;
}

struct EnablingCase {
    int source;
    AxisRowEnabled enabled;
};

TEST(AxisRules, EnablingFollowsTheSource) {
    const AxisRowEnabled none{};
    const AxisRowEnabled virt{true, false, false, true, true, true, true, true, true, true};
    const AxisRowEnabled adc{true, true, false, true, true, true, true, true, true, false};
    AxisRowEnabled withChannel = adc;
    withChannel.channel = true;
    const EnablingCase cases[] = {{0, none}, {1, virt},        {2, adc},         {3, adc},
                                  {4, adc},  {5, withChannel}, {6, withChannel}, {7, withChannel},
                                  {8, adc},  {9, withChannel}, {10, adc},        {11, withChannel}};
    for (const EnablingCase& c : cases)
        EXPECT_EQ(AxisRowEnabling(c.source), c.enabled) << "source " << c.source;
}

struct RowRuleCase {
    const char* name;
    AxisRow row;
    std::function<void(AxisRow&)> expect; // turns the input into the expected row
};

void PrintTo(const RowRuleCase& c, std::ostream* os) {
    *os << c.name;
}

class RowRule : public testing::TestWithParam<RowRuleCase> {};

TEST_P(RowRule, ForcesWhatTheSourceAllows) {
    AxisRow row = GetParam().row;
    AxisRow expected = GetParam().row;
    GetParam().expect(expected);
    ApplyAxisRowRule(row);
    EXPECT_EQ(row, expected);
}

AxisRow WithAcal(AxisRow row, int acal) {
    row.autoCalibration = acal;
    return row;
}

AxisRow OnlyCentreDeadZone(int source) {
    AxisRow row;
    row.source = source;
    row.deadZoneCentre = 3;
    return row;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowRule,
    testing::Values(RowRuleCase{"NoSourceClearsTheWholeRow", Filled(0),
                                [](AxisRow& r) {
                                    r = AxisRow{};
                                }},
                    RowRuleCase{"VirtualAxisKeepsStepAndButtonsDropsProcessing", Filled(1),
                                [](AxisRow& r) {
                                    r.invert = false;
                                    r.autoCalibration = 0;
                                    r.calibrationMin = r.calibrationCentre = r.calibrationMax = 0;
                                    r.filter = 0;
                                    r.channel = 0;
                                }},
                    RowRuleCase{"SensorDropsVirtualAxisValues", Filled(5),
                                [](AxisRow& r) {
                                    r.step = 0;
                                    r.buttonUp = r.buttonCentre = r.buttonDown = 0;
                                }},
                    RowRuleCase{"SensorWithoutChannelDropsTheChannel", Filled(4),
                                [](AxisRow& r) {
                                    r.step = 0;
                                    r.buttonUp = r.buttonCentre = r.buttonDown = 0;
                                    r.channel = 0;
                                }},
                    RowRuleCase{"Kma200DerivesFullAutoCalibration",
                                WithAcal(OnlyCentreDeadZone(3), 0),
                                [](AxisRow& r) {
                                    r.autoCalibration = 2;
                                }},
                    RowRuleCase{"CentreDeadZoneDerivesCentreCalibration", OnlyCentreDeadZone(4),
                                [](AxisRow& r) {
                                    r.autoCalibration = 1;
                                }},
                    RowRuleCase{"ChosenAutoCalibrationStays", WithAcal(OnlyCentreDeadZone(10), 4),
                                [](AxisRow&) {
                                }},
                    RowRuleCase{"HighDeadZoneWinsOverCentre",
                                [] {
                                    AxisRow r = OnlyCentreDeadZone(2);
                                    r.deadZoneHigh = 1;
                                    return r;
                                }(),
                                [](AxisRow& r) {
                                    r.autoCalibration = 2;
                                }}),
    [](const testing::TestParamInfo<RowRuleCase>& info) { return info.param.name; });

TEST(AxisRules, RangesWithoutButtonAreCleared) {
    Config config;
    config.axisButtonRanges[0] = AxisButtonRange{0, 3, 10, 20};
    config.axisButtonRanges[1] = AxisButtonRange{4, 3, 10, 20};
    ApplyAxisRules(config);
    EXPECT_EQ(config.axisButtonRanges[0], AxisButtonRange{});
    EXPECT_EQ(config.axisButtonRanges[1], (AxisButtonRange{4, 3, 10, 20}));
}

TEST(AxisRules, EveryRowIsRuled) {
    Config config;
    for (AxisRow& row : config.axes)
        row = Filled(0);
    ApplyAxisRules(config);
    for (const AxisRow& row : config.axes)
        EXPECT_EQ(row, AxisRow{});
}

TEST(AxisRules, HatOffLosesItsDirections) {
    Config config;
    config.hats[0] = Hat{true, {1, 2, 3, 4}};
    config.hats[1] = Hat{false, {5, 6, 7, 8}};
    ApplyHatRule(config);
    EXPECT_EQ(config.hats[0], (Hat{true, {1, 2, 3, 4}}));
    EXPECT_EQ(config.hats[1], Hat{});
}

TEST(AxisRules, StepClamp) {
    const struct {
        std::optional<int> step;
        int clamped;
    } cases[] = {{std::nullopt, 0}, {-3, 0}, {0, 0}, {100, 100}, {101, 100}, {255, 100}};
    for (const auto& c : cases) {
        Config config;
        config.axes[6].step = c.step;
        ClampVirtualAxisSteps(config);
        EXPECT_EQ(config.axes[6].step, c.clamped);
    }
}

} // namespace
