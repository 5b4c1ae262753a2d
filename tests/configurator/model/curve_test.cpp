#include "configurator/model/curve.h"
#include "configurator/model/report_bits.h"

#include <gtest/gtest.h>

namespace {

SpecialFunctionSlot Slot(std::array<int, CurvePointCount> points, bool symmetric) {
    SpecialFunctionSlot slot;
    slot.points = points;
    slot.symmetric = symmetric;
    return slot;
}

TEST(Curve, DefaultPointsAreTheIdentity) {
    for (bool symmetric : {false, true})
        for (int precision : {0, 2, 6}) {
            const std::vector<int> values = CurveValues(
                Slot({100, 100, 100, 100, 100, 100, 100, 100, 100}, symmetric), precision);
            ASSERT_EQ(int(values.size()), PrecisionMaxValue(precision) + 1);
            for (int x = 0; x < int(values.size()); ++x)
                ASSERT_EQ(values[x], x) << "x " << x << " symmetric " << symmetric;
        }
}

TEST(Curve, Values) {
    const std::array<int, CurvePointCount> rising{0, 50, 100, 150, 200, 200, 200, 200, 50};
    const struct {
        const char* name;
        std::array<int, CurvePointCount> points;
        bool symmetric;
        int precision;
        int x;
        int y;
    } cases[] = {
        {"PointOneOf10Bits", rising, false, 2, 127, 127 * 50 / 100},
        {"InterpolatedTruncates", rising, false, 0, 15, 15 * (50 * 15 / 31) / 100},
        {"FallingSegmentTruncatesTowardZero",
         {200, 0, 100, 100, 100, 100, 100, 100, 100},
         false,
         0,
         10,
         10 * 136 / 100},
        {"NinthPointHoldsToTheEnd", rising, false, 0, 250, 125},
        {"NinthPointAtLastValue", rising, false, 6, 16383, 16383 * 50 / 100},
        {"SymmetricCentre", rising, true, 0, 127, 127},
        {"SymmetricBelowCentre", rising, true, 0, 112, 127 - 15 * 50 / 100},
        {"SymmetricAboveCentre", rising, true, 0, 142, 127 + 15 * 50 / 100},
        {"SymmetricEdgeHoldsNinthPoint", rising, true, 0, 0, 127 - 127 * 50 / 100},
        {"SymmetricFarEdge", rising, true, 0, 255, 127 + 128 * 50 / 100},
        {"BelowRangeIsHeld", rising, false, 0, -5, 0},
        {"AboveRangeIsHeld", rising, false, 0, 300, 255 * 50 / 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CurveValue(Slot(c.points, c.symmetric), c.precision, c.x), c.y) << c.name;
}

TEST(Curve, AxisChoiceGivesTheValueRange) {
    Config config;
    config.axes[0].precision = 3;
    config.axes[9].precision = 6;
    const struct {
        int item;
        int precision;
    } cases[] = {{0, 0}, {1, 3}, {10, 6}, {11, 0}, {16, 0}, {-1, 0}, {17, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(CurveAxisPrecision(config, c.item), c.precision) << c.item;
}

} // namespace
