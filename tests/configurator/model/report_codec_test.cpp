#include "configurator/model/item_lists.h"
#include "configurator/model/report_codec.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <utility>
#include <vector>

namespace {

enum class Image { Axis, General, Hid };

const ReportImage& Pick(const ReportImages& images, Image which) {
    switch (which) {
    case Image::Axis:
        return images.axis;
    case Image::General:
        return images.general;
    case Image::Hid:
        break;
    }
    return images.hid;
}

struct FieldCase {
    const char* name;
    std::function<void(Config&)> setup;
    Image image;
    std::vector<std::pair<int, int>> bytes; // offset, value
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.name;
}

AxisRow Sensor(int source, int usage) {
    AxisRow row;
    row.source = source;
    row.usage = usage;
    return row;
}

AxisRow Virtual(int up, int down) {
    AxisRow row = Sensor(1, 1);
    row.buttonUp = up;
    row.buttonDown = down;
    return row;
}

class FieldBytes : public testing::TestWithParam<FieldCase> {};

// Each case encodes a consistent configuration, finds the field's bytes where the layout puts
// them, and decodes the images back to the same configuration.
TEST_P(FieldBytes, EncodeAndDecode) {
    const FieldCase& c = GetParam();
    Config config;
    c.setup(config);
    const EncodeResult encoded = ConfigToReport(config);
    ASSERT_TRUE(encoded.ok());
    const ReportImage& image = Pick(encoded.images, c.image);
    for (auto [offset, value] : c.bytes)
        EXPECT_EQ(image[offset], value) << "byte " << offset;
    const Config decoded =
        ReportToConfig(encoded.images.axis, encoded.images.general, encoded.images.hid);
    EXPECT_EQ(decoded, config);
}

// The controller has no "no interval": "-" is sent as 8 ms and so reads back as "8".
TEST(GeneralReport, PollDashIsSentAsEight) {
    Config config;
    config.pollInterval = 0;
    const EncodeResult encoded = ConfigToReport(config);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.images.general[240], 0x80);
    EXPECT_EQ(ReportToConfig(encoded.images.axis, encoded.images.general, encoded.images.hid)
                  .pollInterval,
              4);
}

INSTANTIATE_TEST_SUITE_P(
    AxisReport, FieldBytes,
    testing::Values(
        FieldCase{"Ids", [](Config&) {}, Image::Axis, {{0, 4}, {253, 0}, {254, 0}}},
        FieldCase{"SourceAndChannel",
                  [](Config& c) {
                      c.axes[0] = Sensor(5, 1);
                      c.axes[0].channel = 3;
                  },
                  Image::Axis,
                  {{1, 5 + 16 * 3}, {4, 1}}},
        FieldCase{"PortOfAxis2",
                  [](Config& c) { c.axes[1] = Sensor(2, 2), c.axes[1].port = 17; },
                  Image::Axis,
                  {{19, 2}, {20, 17}}},
        FieldCase{"FilterInvertAutoCalibration",
                  [](Config& c) {
                      c.axes[0] = Sensor(2, 1);
                      c.axes[0].filter = 13;
                      c.axes[0].invert = true;
                      c.axes[0].autoCalibration = 4;
                  },
                  Image::Axis,
                  {{3, 13 + 16 + 128}}},
        FieldCase{"MouseUsageOfAxis10",
                  [](Config& c) { c.axes[9] = Sensor(4, 2); },
                  Image::Axis,
                  {{163, 4}, {166, 2}}},
        FieldCase{"Precision",
                  [](Config& c) { c.axes[0] = Sensor(2, 1), c.axes[0].precision = 6; },
                  Image::Axis,
                  {{5, 6}}},
        FieldCase{"VirtualAxisStepAndButtons",
                  [](Config& c) {
                      c.axes[2] = Virtual(96, 1);
                      c.axes[2].step = 77;
                      c.axes[2].buttonCentre = 5;
                  },
                  Image::Axis,
                  {{37, 1}, {42, 77}, {43, 96}, {44, 5}, {45, 1}}},
        FieldCase{"SpecialFunction",
                  [](Config& c) { c.axes[0] = Sensor(2, 1), c.axes[0].specialFunction = 6; },
                  Image::Axis,
                  {{10, 6}}},
        FieldCase{"DeadZones",
                  [](Config& c) {
                      c.axes[0] = Sensor(2, 1);
                      c.axes[0].autoCalibration = 3;
                      c.axes[0].deadZoneLow = 3;
                      c.axes[0].deadZoneHigh = 15;
                      c.axes[0].deadZoneCentre = 1;
                      c.axes[0].deadZoneSecond = 9;
                  },
                  Image::Axis,
                  {{11, 3 + 16 * 15}, {12, 1 + 16 * 9}}},
        FieldCase{"CalibrationLittleEndian",
                  [](Config& c) {
                      c.axes[9] = Sensor(2, 1);
                      c.axes[9].calibrationMin = 0x1234;
                      c.axes[9].calibrationCentre = 0x8000;
                      c.axes[9].calibrationMax = 65535;
                  },
                  Image::Axis,
                  {{175, 0x34}, {176, 0x12}, {177, 0x00}, {178, 0x80}, {179, 0xFF}, {180, 0xFF}}},
        FieldCase{"SlotCurvePoints",
                  [](Config& c) {
                      c.specialFunctions[0].points = {0, 25, 50, 75, 100, 125, 150, 175, 200};
                  },
                  Image::Axis,
                  {{181, 0}, {182, 25}, {189, 200}, {193, 100}}},
        FieldCase{"Slot6ButtonDelaySpeed",
                  [](Config& c) {
                      c.specialFunctions[5].button = 96;
                      c.specialFunctions[5].delay = 200;
                      c.specialFunctions[5].speed = 1;
                  },
                  Image::Axis,
                  {{250, 96}, {251, 200}, {252, 1}}},
        FieldCase{"OnlyCurve2Symmetric",
                  [](Config& c) { c.specialFunctions[1].symmetric = true; },
                  Image::Axis,
                  {{253, 2}}}),
    [](const testing::TestParamInfo<FieldCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    GeneralReport, FieldBytes,
    testing::Values(
        FieldCase{"DefaultFlagsAndTail",
                  [](Config&) {},
                  Image::General,
                  {{0, 5}, {240, 0x20}, {241, 0}, {246, 0}}},
        FieldCase{"MatrixPins",
                  [](Config& c) {
                      c.matrixRows[0] = 48;
                      c.matrixColumns[9] = 1;
                  },
                  Image::General,
                  {{1, 48}, {20, 1}}},
        FieldCase{"Hats",
                  [](Config& c) {
                      c.hats[0] = Hat{true, {1, 2, 3, 4}};
                      c.hats[1] = Hat{true, {5, 6, 7, 96}};
                  },
                  Image::General,
                  {{21, 1}, {24, 4}, {25, 5}, {28, 96}, {240, 0x21}, {241, 2}}},
        FieldCase{"KnpNumbers",
                  [](Config& c) {
                      c.knpTable[0].number = 96;
                      c.knpTable[63].number = 1;
                  },
                  Image::General,
                  {{29, 96}, {92, 1}, {240, 0x21}, {241, 9}}},
        FieldCase{"KnpParamsPacked",
                  [](Config& c) {
                      c.knpTable[0] = KnpRow{1, 4, 3, 3, 1};
                  },
                  Image::General,
                  {{108, 4 + 8 * 3 + 32 * 3 + 128}}},
        FieldCase{"KbMsRow15",
                  [](Config& c) {
                      c.kbMsTable[14].number = 5;
                      c.kbMsTable[14].mode = 2;
                      c.kbMsTable[14].timOn = 1;
                      c.kbMsTable[14].type = 129;
                  },
                  Image::General,
                  {{107, 5}, {186, 2 + 32}, {201, 129}, {240, 0x24}}},
        FieldCase{"MouseButtonType",
                  [](Config& c) { c.kbMsTable[0].type = 3; },
                  Image::General,
                  {{187, 3}, {240, 0x22}}},
        FieldCase{"MouseAxis",
                  [](Config& c) { c.axes[8] = Sensor(2, 1); },
                  Image::General,
                  {{240, 0x22}, {241, 0}}},
        FieldCase{"ShiftsTimersEncoders",
                  [](Config& c) {
                      c.shiftButtons = {1, 2, 96};
                      c.buttonTimers = {254, 0, 7};
                      c.encoders[0] = Encoder{3, 4};
                      c.encoders[5] = Encoder{95, 96};
                  },
                  Image::General,
                  {{202, 1}, {204, 96}, {205, 254}, {207, 7}, {208, 3}, {209, 4}, {219, 96}}},
        FieldCase{"ShiftRegisters",
                  [](Config& c) {
                      c.shiftRegisters[0] = ShiftRegister{1, 1};
                      c.shiftRegisters[1] = ShiftRegister{48, 4};
                  },
                  Image::General,
                  {{220, 1}, {221, 1}, {222, 48}, {223, 4}}},
        FieldCase{"AxisButtonRange4",
                  [](Config& c) {
                      c.axisButtonRanges[3] = AxisButtonRange{96, 8, 10, 255};
                  },
                  Image::General,
                  {{236, 96}, {237, 8}, {238, 10}, {239, 255}}},
        FieldCase{
            "PollEight", [](Config& c) { c.pollInterval = 4; }, Image::General, {{240, 0x80}}},
        FieldCase{"PollOne", [](Config& c) { c.pollInterval = 1; }, Image::General, {{240, 0x10}}},
        FieldCase{"PollFour", [](Config& c) { c.pollInterval = 3; }, Image::General, {{240, 0x40}}},
        FieldCase{"Led",
                  [](Config& c) {
                      c.ledPort = 48;
                      c.ledColorInit = 0x563412;
                  },
                  Image::General,
                  {{242, 48}, {243, 0x12}, {244, 0x34}, {245, 0x56}}}),
    [](const testing::TestParamInfo<FieldCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    HidReport, FieldBytes,
    testing::Values(FieldCase{"DefaultIdentity",
                              [](Config&) {},
                              Image::Hid,
                              {{0, 6},
                               {1, 0},
                               {2, 0},
                               {3, 0x88},
                               {4, 0x88},
                               {7, 'T'},
                               {12, '2'},
                               {13, 0},
                               {22, 0},
                               {23, 0}}},
                    FieldCase{"VendorAndProductLowByteFirst",
                              [](Config& c) {
                                  c.identity.vendorId = QStringLiteral("1A2B");
                                  c.identity.productId = QStringLiteral("0005");
                              },
                              Image::Hid,
                              {{3, 0x2B}, {4, 0x1A}, {5, 0x05}, {6, 0x00}}},
                    FieldCase{
                        "FullLengthName",
                        [](Config& c) { c.identity.name = QStringLiteral("ABCDEFGHIJ_()-9"); },
                        Image::Hid,
                        {{7, 'A'}, {21, '9'}, {22, 0}}},
                    FieldCase{"DescriptorFollowsItsLength",
                              [](Config& c) { c.knpTable[7].number = 5; },
                              Image::Hid,
                              {{22, 25}, {23, 0x05}, {24, 0x01}, {47, 0xC0}, {48, 0}}}),
    [](const testing::TestParamInfo<FieldCase>& info) { return info.param.name; });

struct EncodeErrorCase {
    const char* name;
    std::function<void(Config&)> setup;
    EncodeError error;
};

void PrintTo(const EncodeErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class EncodeErrors : public testing::TestWithParam<EncodeErrorCase> {};

TEST_P(EncodeErrors, NothingIsEncoded) {
    Config config;
    GetParam().setup(config);
    const EncodeResult result = ConfigToReport(config);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(*result.error, GetParam().error);
    EXPECT_EQ(result.images, ReportImages{});
    EXPECT_TRUE(result.descriptor.bytes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EncodeErrors,
    testing::Values(EncodeErrorCase{"EmptyStep",
                                    [](Config& c) { c.axes[2].step.reset(); },
                                    {EncodeField::Step, 3}},
                    EncodeErrorCase{"EmptyDelay",
                                    [](Config& c) { c.specialFunctions[4].delay.reset(); },
                                    {EncodeField::Delay, 5}},
                    EncodeErrorCase{"EmptySpeed",
                                    [](Config& c) { c.specialFunctions[0].speed.reset(); },
                                    {EncodeField::Speed, 1}},
                    EncodeErrorCase{"ShortVendorId",
                                    [](Config& c) { c.identity.vendorId = QStringLiteral("1A2"); },
                                    {EncodeField::VendorId, 0}},
                    EncodeErrorCase{"VendorIdNotHex",
                                    [](Config& c) { c.identity.vendorId = QStringLiteral("12G4"); },
                                    {EncodeField::VendorId, 0}},
                    EncodeErrorCase{"VendorIdWithSign",
                                    [](Config& c) { c.identity.vendorId = QStringLiteral("+1A2"); },
                                    {EncodeField::VendorId, 0}},
                    EncodeErrorCase{"NameCharacterBeyondOneByte",
                                    [](Config& c) { c.identity.name = QStringLiteral("Pult Ж"); },
                                    {EncodeField::DeviceName, 0}},
                    EncodeErrorCase{"EmptyProductId",
                                    [](Config& c) { c.identity.productId.clear(); },
                                    {EncodeField::ProductId, 0}}),
    [](const testing::TestParamInfo<EncodeErrorCase>& info) { return info.param.name; });

TEST(ReportCodec, NameIsCutAfterFifteenCharacters) {
    Config config;
    config.identity.name = QStringLiteral("ABCDEFGHIJKLMNOЖ"); // the 16th is never stored
    const EncodeResult encoded = ConfigToReport(config);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(ReportToConfig(encoded.images.axis, encoded.images.general, encoded.images.hid)
                  .identity.name,
              QStringLiteral("ABCDEFGHIJKLMNO"));
}

TEST(ReportCodec, LowerCaseHexIsAcceptedAndDecodesUpperCase) {
    Config config;
    config.identity.vendorId = QStringLiteral("beef");
    const EncodeResult encoded = ConfigToReport(config);
    ASSERT_TRUE(encoded.ok());
    const Config decoded =
        ReportToConfig(encoded.images.axis, encoded.images.general, encoded.images.hid);
    EXPECT_EQ(decoded.identity.vendorId, QStringLiteral("BEEF"));
}

struct ClampCase {
    const char* name;
    std::function<void(Config&)> setup;
    Image image;
    int offset;
    int value;
};

void PrintTo(const ClampCase& c, std::ostream* os) {
    *os << c.name;
}

class EncodeClamps : public testing::TestWithParam<ClampCase> {};

TEST_P(EncodeClamps, NumbersAreHeldToTheirField) {
    Config config;
    GetParam().setup(config);
    const EncodeResult result = ConfigToReport(config);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(Pick(result.images, GetParam().image)[GetParam().offset], GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EncodeClamps,
    testing::Values(
        ClampCase{"CalibrationAbove16Bits", [](Config& c) { c.axes[0].calibrationMax = 70000; },
                  Image::Axis, 18, 0xFF},
        ClampCase{"NegativeCalibration", [](Config& c) { c.axes[0].calibrationMin = -5; },
                  Image::Axis, 13, 0},
        ClampCase{"TimerAbove254", [](Config& c) { c.buttonTimers[1] = 300; }, Image::General, 206,
                  254},
        ClampCase{"RangeBoundAboveByte", [](Config& c) { c.axisButtonRanges[0].high = 256; },
                  Image::General, 227, 255},
        ClampCase{"CurvePointAbove200", [](Config& c) { c.specialFunctions[0].points[0] = 250; },
                  Image::Axis, 181, 200},
        ClampCase{"DeadZoneAboveNibble",
                  [](Config& c) {
                      c.axes[0].deadZoneLow = 20;
                      c.axes[0].deadZoneHigh = 1;
                  },
                  Image::Axis, 11, 15 + 16},
        ClampCase{"StepAbove100", [](Config& c) { c.axes[0].step = 150; }, Image::Axis, 6, 100},
        ClampCase{"SourceOutsideList", [](Config& c) { c.axes[0].source = 12; }, Image::Axis, 1, 0},
        ClampCase{"TypeOutsideList", [](Config& c) { c.kbMsTable[0].type = 130; }, Image::General,
                  187, 0}),
    [](const testing::TestParamInfo<ClampCase>& info) { return info.param.name; });

// What the images store is what the descriptor and the interface flags declare: an index that
// encodes as "--" neither adds a field nor switches an interface on.
TEST(ReportCodec, IndexesOutsideTheirListDeclareNothing) {
    const struct {
        const char* name;
        std::function<void(Config&)> setup;
    } cases[] = {
        {"JoystickSource",
         [](Config& c) {
             c.axes[0] = Sensor(SourceItemCount, 1);
         }},
        {"NegativeSource",
         [](Config& c) {
             c.axes[7] = Sensor(-1, 1);
         }},
        {"MouseSource",
         [](Config& c) {
             c.axes[9] = Sensor(99, 1);
         }},
        {"ButtonNumber",
         [](Config& c) {
             c.knpTable[63].number = GridNumberItemCount;
         }},
        {"DirectionsOfAHatThatIsOff",
         [](Config& c) {
             c.hats[0] = Hat{false, {1, 2, 3, 4}};
         }},
    };
    for (const auto& c : cases) {
        Config config;
        c.setup(config);
        const EncodeResult encoded = ConfigToReport(config);
        ASSERT_TRUE(encoded.ok()) << c.name;
        EXPECT_TRUE(encoded.descriptor.bytes.empty()) << c.name;
        EXPECT_EQ(encoded.images.general[240], 0x20) << c.name;
        EXPECT_EQ(encoded.images.general[241], 0) << c.name;
        EXPECT_EQ(encoded.images.hid[22], 0) << c.name;
        const Config decoded =
            ReportToConfig(encoded.images.axis, encoded.images.general, encoded.images.hid);
        EXPECT_TRUE(ConfigToReport(decoded).descriptor.bytes.empty()) << c.name;
    }
}

struct DecodeCase {
    const char* name;
    Image image;
    int offset;
    int value;
    std::function<void(const Config&)> verify;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << c.name;
}

class DecodeBounds : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeBounds, StoredByteIsBoundedByItsField) {
    ReportImages images;
    ReportImage& image = GetParam().image == Image::Axis      ? images.axis
                         : GetParam().image == Image::General ? images.general
                                                              : images.hid;
    image[GetParam().offset] = std::uint8_t(GetParam().value);
    GetParam().verify(ReportToConfig(images.axis, images.general, images.hid));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeBounds,
    testing::Values(DecodeCase{"SourceNibblePastList", Image::Axis, 1, 0x0C,
                               [](const Config& c) {
                                   EXPECT_EQ(c.axes[0].source, 0);
                               }},
                    DecodeCase{"ChannelPastList", Image::Axis, 1, 0x95,
                               [](const Config& c) {
                                   EXPECT_EQ(c.axes[0].source, 5);
                                   EXPECT_EQ(c.axes[0].channel, 0);
                               }},
                    DecodeCase{"UsagePastMouseList", Image::Axis, 166, 3,
                               [](const Config& c) {
                                   EXPECT_EQ(c.axes[9].usage, 0);
                               }},
                    DecodeCase{"CurvePointAbove200", Image::Axis, 181, 230,
                               [](const Config& c) {
                                   EXPECT_EQ(c.specialFunctions[0].points[0], 200);
                               }},
                    DecodeCase{"SlotButtonPastList", Image::Axis, 190, 97,
                               [](const Config& c) {
                                   EXPECT_EQ(c.specialFunctions[0].button, 0);
                               }},
                    DecodeCase{"HatButtonPastList", Image::General, 21, 200,
                               [](const Config& c) {
                                   EXPECT_FALSE(c.hats[0].on);
                                   EXPECT_EQ(c.hats[0].directions[HatUp], 0);
                               }},
                    DecodeCase{"HatOnFromUp", Image::General, 25, 9,
                               [](const Config& c) {
                                   EXPECT_TRUE(c.hats[1].on);
                                   EXPECT_EQ(c.hats[1].directions[HatUp], 9);
                               }},
                    DecodeCase{"HatWithoutUpLosesItsDirections", Image::General, 22, 9,
                               [](const Config& c) {
                                   EXPECT_EQ(c.hats[0], Hat{});
                               }},
                    DecodeCase{"ModePastList", Image::General, 108, 0x07,
                               [](const Config& c) {
                                   EXPECT_EQ(c.knpTable[0].mode, 0);
                               }},
                    DecodeCase{"ModeFieldZeroIsFirstItem", Image::General, 108, 0xF8,
                               [](const Config& c) {
                                   EXPECT_EQ(c.knpTable[0], (KnpRow{0, 0, 3, 3, 1}));
                               }},
                    DecodeCase{"TypePastList", Image::General, 187, 130,
                               [](const Config& c) {
                                   EXPECT_EQ(c.kbMsTable[0].type, 0);
                               }},
                    DecodeCase{"Timer255", Image::General, 205, 255,
                               [](const Config& c) {
                                   EXPECT_EQ(c.buttonTimers[0], 254);
                               }},
                    DecodeCase{"PollNibbleZeroIsEight", Image::General, 240, 0x01,
                               [](const Config& c) {
                                   EXPECT_EQ(c.pollInterval, 4);
                               }},
                    DecodeCase{"PollNibbleFour", Image::General, 240, 0x40,
                               [](const Config& c) {
                                   EXPECT_EQ(c.pollInterval, 3);
                               }},
                    DecodeCase{"PollNibbleUnknownKeepsDefault", Image::General, 240, 0x30,
                               [](const Config& c) {
                                   EXPECT_EQ(c.pollInterval, 2);
                               }},
                    DecodeCase{"RangeWithoutButtonIsCleared", Image::General, 225, 5,
                               [](const Config& c) {
                                   EXPECT_EQ(c.axisButtonRanges[0].axis, 0);
                               }},
                    DecodeCase{"VendorByteFiveDecodesWithLeadingZero", Image::Hid, 3, 5,
                               [](const Config& c) {
                                   EXPECT_EQ(c.identity.vendorId, QStringLiteral("0005"));
                               }},
                    DecodeCase{"NameStopsNowhereButSkipsZeros", Image::Hid, 9, 'Q',
                               [](const Config& c) {
                                   EXPECT_EQ(c.identity.name, QStringLiteral("Q"));
                               }}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return info.param.name; });

TEST(ReportCodec, SourceRuleRunsAfterDecoding) {
    ReportImages images;
    images.axis[1] = 0;  // no source
    images.axis[2] = 12; // port
    images.axis[5] = 4;  // precision
    images.axis[6] = 50; // step
    const Config c = ReportToConfig(images.axis, images.general, images.hid);
    EXPECT_EQ(c.axes[0], AxisRow{});
}

TEST(ReportCodec, StepAboveHundredIsClamped) {
    ReportImages images;
    images.axis[1] = 1;   // virtual axis
    images.axis[6] = 180; // step
    EXPECT_EQ(ReportToConfig(images.axis, images.general, images.hid).axes[0].step, 100);
}

ReportImages RandomImages(std::mt19937& random) {
    std::uniform_int_distribution<int> byte(0, 255);
    ReportImages images;
    for (ReportImage* image : {&images.axis, &images.general, &images.hid})
        for (auto& b : *image)
            b = std::uint8_t(byte(random));
    return images;
}

// Any image decodes to a configuration that encodes; the images it encodes to are normalised:
// decoding and encoding them again gives the same bytes.
TEST(ReportCodec, ForeignImagesNormaliseAndRoundTrip) {
    std::mt19937 random(20150717);
    for (int round = 0; round < 200; ++round) {
        const ReportImages foreign = RandomImages(random);
        const Config decoded = ReportToConfig(foreign.axis, foreign.general, foreign.hid);
        const EncodeResult first = ConfigToReport(decoded);
        ASSERT_TRUE(first.ok()) << "round " << round;
        const Config again =
            ReportToConfig(first.images.axis, first.images.general, first.images.hid);
        EXPECT_EQ(again, decoded) << "round " << round;
        const EncodeResult second = ConfigToReport(again);
        ASSERT_TRUE(second.ok());
        EXPECT_EQ(second.images, first.images) << "round " << round;
        EXPECT_TRUE(std::all_of(first.images.axis.begin() + AxisReportLength - 1,
                                first.images.axis.end(), [](auto b) { return b == 0; }));
        EXPECT_TRUE(std::all_of(first.images.general.begin() + GeneralReportLength - 1,
                                first.images.general.end(), [](auto b) { return b == 0; }));
    }
}

} // namespace
