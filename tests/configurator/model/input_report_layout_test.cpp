#include "configurator/model/descriptor_builder.h"
#include "configurator/model/input_report_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(InputReportLayout, FieldsInDescriptorOrder) {
    Config config;
    config.axes[2].source = 2;
    config.axes[2].precision = 2; // 10 bits
    config.axes[0].source = 1;    // 8 bits, comes first
    config.axes[8].source = 2;    // mouse: not in the report
    config.hats[1].on = true;
    config.knpTable[2].number = 4;
    const InputReportLayout layout = JoystickInputLayout(config);
    const std::vector<InputField> expected = {
        {InputFieldKind::Axis, 1, 0, 8},    {InputFieldKind::Axis, 3, 8, 10},
        {InputFieldKind::Hat, 2, 18, 4},    {InputFieldKind::Button, 1, 22, 1},
        {InputFieldKind::Button, 2, 23, 1}, {InputFieldKind::Button, 3, 24, 1},
    };
    EXPECT_EQ(layout.fields, expected);
    EXPECT_EQ(layout.dataBits, 25);
    EXPECT_EQ(layout.length, 5);
}

TEST(InputReportLayout, LengthAgreesWithTheDescriptor) {
    for (int axes = 0; axes <= JoystickAxisCount; ++axes)
        for (int buttons : {0, 1, 7, 8, 64})
            for (int hats = 0; hats <= 3; ++hats) {
                Config config;
                for (int n = 0; n < axes; ++n) {
                    config.axes[n].source = 2;
                    config.axes[n].precision = (n * 3 + buttons) % 7;
                }
                if (buttons > 0)
                    config.knpTable[buttons - 1].number = 1;
                config.hats[0].on = hats & 1;
                config.hats[1].on = hats & 2;
                const JoystickDescriptor d = BuildJoystickDescriptor(config);
                const InputReportLayout layout = JoystickInputLayout(config);
                EXPECT_EQ(layout.length, d.inputReportLength);
                if (d.inputReportLength > 0) {
                    EXPECT_EQ(layout.dataBits + 8, d.bitCount);
                }
            }
}

TEST(InputReportLayout, EmptyConfigurationHasNoReport) {
    const InputReportLayout layout = JoystickInputLayout(Config{});
    EXPECT_TRUE(layout.fields.empty());
    EXPECT_EQ(layout.length, 0);
}

} // namespace
