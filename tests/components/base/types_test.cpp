#include "components/base/types.h"
#include "components/base/unit_lifetime.h"

#include <gtest/gtest.h>

namespace {

TEST(UnitLifetime, RealWorkRunsOnFirstStartUpAndLastShutDownOnly) {
    UnitLifetime unit;
    int started = 0;
    int stopped = 0;
    const auto start = [&] {
        ++started;
    };
    const auto stop = [&] {
        ++stopped;
    };
    EXPECT_TRUE(unit.Initialize(start));
    EXPECT_FALSE(unit.Initialize(start));
    EXPECT_EQ(unit.Counter(), -2);
    EXPECT_FALSE(unit.Finalize(stop));
    EXPECT_TRUE(unit.Finalize(stop));
    EXPECT_EQ(started, 1);
    EXPECT_EQ(stopped, 1);
    EXPECT_EQ(unit.Counter(), 0);
}

TEST(ColorTables, DescriptionsAreBoundWhileTheUnitRuns) {
    EXPECT_TRUE(WkStandardColors()[0].Description.isEmpty());
    WkTypesInitialization();
    WkTypesInitialization();
    WkTypesFinalization();
    EXPECT_EQ(WkStandardColors()[19].Description, QStringLiteral("Medium gray"));
    EXPECT_EQ(WkSystemColors()[29].Description, QStringLiteral("Menu Highlight"));
    EXPECT_EQ(WkPaletteColors()[7].Description, QStringLiteral("Gray 80%"));
    WkTypesFinalization();
    EXPECT_TRUE(WkStandardColors()[19].Description.isEmpty());
    EXPECT_TRUE(WkSystemColors()[29].Description.isEmpty());
    EXPECT_TRUE(WkPaletteColors()[7].Description.isEmpty());
}

TEST(ColorTables, EntriesKeepTheirOrderAndValues) {
    struct Case {
        TDefColorItem item;
        TDefColorItem expected;
    };
    const Case cases[] = {
        {WkStandardColors()[0], {0x000000, "clBlack", {}}},
        {WkStandardColors()[17], {static_cast<TColor>(0xF0CAA6), "clSkyBlue", {}}},
        {WkSystemColors()[24], {static_cast<TColor>(0xFF000018), "clInfoBk", {}}},
        {WkSystemColors()[25], {static_cast<TColor>(0xFF00001B), "clGradientActiveCaption", {}}},
        {WkSystemColors()[27], {static_cast<TColor>(0xFF00001A), "clHotLight", {}}},
        {WkSystemColors()[28], {static_cast<TColor>(0xFF00001E), "clMenuBar", {}}},
        {WkPaletteColors()[1], {0x003399, "clBrown", {}}},
        {WkPaletteColors()[39], {0xFFFFFF, "clWhite", {}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.item.Constant, c.expected.Constant);
        EXPECT_EQ(c.item.Value, c.expected.Value) << c.expected.Constant.toStdString();
    }
}

TEST(ClipboardCommands, OneBitPerCommand) {
    const TWkClipboardCommands some{caCut, caUndo};
    EXPECT_EQ(some.Bits(), 0x12u);
    EXPECT_TRUE(some.Contains(caUndo));
    EXPECT_FALSE(some.Contains(caCopy));
    EXPECT_EQ(TWkClipboardCommands::All().Bits(), 31u);
    EXPECT_EQ(TWkClipboardCommands::FromBits(0xFF), TWkClipboardCommands::All());
}

} // namespace
