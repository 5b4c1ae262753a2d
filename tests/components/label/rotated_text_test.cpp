#include "components/label/rotated_text.h"

#include <gtest/gtest.h>

namespace {

struct PlacementCase {
    const char* name;
    int angle;
    TSize text;
    TSize client;
    TAlignment alignment;
    bool autoSize;
    TSize box;
    TPoint origin;
};

// A 40 x 10 block in a 30 x 60 box unless said otherwise.
const PlacementCase PlacementCases[] = {
    {"FlatCentred", 0, {40, 10}, {60, 30}, taCenter, false, {40, 10}, {10, 10}},
    {"FlatLeft", 0, {40, 10}, {60, 30}, taLeftJustify, false, {40, 10}, {0, 10}},
    {"FlatRight", 0, {40, 10}, {60, 30}, taRightJustify, false, {40, 10}, {20, 10}},
    // Upright, reading upwards: the start is at the bottom, the lines stack to the right.
    {"UpCentred", 90, {40, 10}, {30, 60}, taCenter, false, {10, 40}, {10, 50}},
    {"UpLeft", 90, {40, 10}, {30, 60}, taLeftJustify, false, {10, 40}, {0, 50}},
    {"UpRight", 90, {40, 10}, {30, 60}, taRightJustify, false, {10, 40}, {20, 50}},
    {"UpHalfPixelRoundsToEven", 90, {41, 11}, {31, 60}, taCenter, false, {11, 41}, {10, 50}},
    {"UpsideDown", 180, {40, 10}, {60, 30}, taCenter, false, {40, 10}, {50, 20}},
    {"Down", 270, {40, 10}, {30, 60}, taCenter, false, {10, 40}, {20, 10}},
    {"UpAutoSize", 90, {40, 10}, {30, 60}, taCenter, true, {10, 40}, {0, 40}},
    {"DownAutoSize", 270, {40, 10}, {30, 60}, taCenter, true, {10, 40}, {10, 0}},
    {"SlantAutoSize", 45, {40, 10}, {30, 60}, taLeftJustify, true, {35, 35}, {0, 28}},
};

class RotatedPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(RotatedPlacement, PutsTheBlockWhereItsAlignmentSays) {
    const PlacementCase& c = GetParam();
    const TRotatedPlacement placement =
        PlaceRotatedText(c.angle, c.text, c.client, c.alignment, c.autoSize);
    EXPECT_EQ(placement.Box, c.box);
    EXPECT_EQ(placement.Origin, c.origin);
}

INSTANTIATE_TEST_SUITE_P(Angles, RotatedPlacement, ::testing::ValuesIn(PlacementCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RotatedLineLength, FollowsTheSideTheTextRunsAlong) {
    EXPECT_EQ(RotatedLineLength(0, {80, 20}), 80);
    EXPECT_EQ(RotatedLineLength(90, {20, 80}), 80);
    EXPECT_EQ(RotatedLineLength(180, {80, 20}), 80);
    EXPECT_EQ(RotatedLineLength(270, {20, 80}), 80);
    // A diagonal runs from corner to corner of a square.
    EXPECT_EQ(RotatedLineLength(45, {30, 30}), 42);
    EXPECT_EQ(RotatedLineLength(90, {20, 0}), 0);
}

} // namespace
