#include "configurator/model/config_check.h"
#include "configurator/model/item_lists.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Line k reads "Lk", so a message shows which lines it was built from.
LanguageLines NumberedLines() {
    QStringList lines;
    for (int k = 1; k <= LanguageLines::LineCount; ++k)
        lines << QStringLiteral("L%1").arg(k);
    return LanguageLines(lines);
}

AxisRow Sensor(int source, int port, int channel, int usage) {
    AxisRow row;
    row.source = source;
    row.port = port;
    row.channel = channel;
    row.usage = usage;
    return row;
}

struct CheckCase {
    const char* name;
    std::function<void(Config&)> setup;
    bool ok;
    const char* message;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class Check : public testing::TestWithParam<CheckCase> {};

TEST_P(Check, FirstProblemWins) {
    const LanguageLines lines = NumberedLines();
    Config config;
    GetParam().setup(config);
    const CheckResult result = CheckConfig(config, lines, SourceItems(lines));
    EXPECT_EQ(result.ok, GetParam().ok);
    EXPECT_EQ(result.message, QString::fromUtf8(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Check,
    testing::Values(
        CheckCase{"EmptyPasses", [](Config&) {}, true, "L68 0L69 0."},
        CheckCase{"CountsSensorsHatsAndButtons",
                  [](Config& c) {
                      c.axes[0] = Sensor(2, 1, 0, 1);
                      c.axes[1] = Sensor(4, 2, 0, 2);
                      c.axes[2] = Sensor(1, 0, 0, 3); // virtual: not a sensor axis
                      c.axes[2].buttonUp = 10;
                      c.axes[2].buttonDown = 11;
                      c.axes[8] = Sensor(2, 1, 0, 1); // mouse rows are not checked
                      c.hats[0] = Hat{true, {1, 2, 3, 4}};
                      c.knpTable[0].number = 7;
                      c.knpTable[63].number = 7;
                  },
                  true, "L68 2L69 6."},
        CheckCase{"SameSensorTwiceNamesTheSecondAxis",
                  [](Config& c) {
                      c.axes[1] = Sensor(5, 3, 2, 1);
                      c.axes[4] = Sensor(5, 3, 2, 2);
                  },
                  false, "L47 MCP3202#A2#2 L48 5"},
        CheckCase{"SameChipOtherChannelIsFine",
                  [](Config& c) {
                      c.axes[0] = Sensor(5, 3, 1, 1);
                      c.axes[1] = Sensor(5, 3, 2, 2);
                  },
                  true, "L68 2L69 0."},
        CheckCase{"KeysAreComparedWhole",
                  [](Config& c) {
                      // "MCP3202#A0#--" lies inside "KMZ60+MCP3202#A0#--" but is
                      // another sensor.
                      c.axes[0] = Sensor(8, 1, 0, 1);
                      c.axes[1] = Sensor(5, 1, 0, 2);
                  },
                  true, "L68 2L69 0."},
        CheckCase{"AxisWithoutUsage", [](Config& c) { c.axes[3] = Sensor(1, 0, 0, 0); }, false,
                  "L49 4"},
        CheckCase{"UsageTwice",
                  [](Config& c) {
                      c.axes[0] = Sensor(2, 1, 0, 10);
                      c.axes[6] = Sensor(2, 2, 0, 10);
                  },
                  false, "L50 Rudder L48 7"},
        CheckCase{"HatDownTestedBeforeLeftAndRight",
                  [](Config& c) {
                      c.hats[0] = Hat{true, {5, 0, 0, 0}};
                  },
                  false, "L531"},
        CheckCase{"Hat2RightMissing",
                  [](Config& c) {
                      c.hats[1] = Hat{true, {1, 2, 3, 0}};
                  },
                  false, "L552"},
        CheckCase{"HatOffIsNotChecked",
                  [](Config& c) {
                      c.hats[0] = Hat{false, {}};
                  },
                  true, "L68 0L69 0."},
        CheckCase{"HatButtonTwiceNamesTheLaterDirection",
                  [](Config& c) {
                      c.hats[0] = Hat{true, {1, 2, 9, 4}};
                      c.hats[1] = Hat{true, {9, 6, 7, 8}};
                  },
                  false, "L5609 L572"},
        CheckCase{"VirtualAxisWithoutButtonsReportsUpFirst",
                  [](Config& c) { c.axes[1] = Sensor(1, 0, 0, 1); }, false, "L64 2"},
        CheckCase{"VirtualAxisWithoutDown",
                  [](Config& c) {
                      c.axes[1] = Sensor(1, 0, 0, 1);
                      c.axes[1].buttonUp = 3;
                  },
                  false, "L63 2"},
        CheckCase{"VendorIdOfThreeDigitsIsRefusedNotGuessed",
                  [](Config& c) { c.identity.vendorId = "1A2"; }, false,
                  "L51 L15 [1A2] (4 × 0..9, A..F)"},
        CheckCase{"ProductIdWithALetterThatIsNoHexDigit",
                  [](Config& c) { c.identity.productId = "12G4"; }, false,
                  "L51 L16 [12G4] (4 × 0..9, A..F)"},
        CheckCase{"EmptyVendorId", [](Config& c) { c.identity.vendorId.clear(); }, false,
                  "L51 L15 [] (4 × 0..9, A..F)"},
        CheckCase{"FiveDigitProductId", [](Config& c) { c.identity.productId = "12345"; }, false,
                  "L51 L16 [12345] (4 × 0..9, A..F)"},
        CheckCase{"VendorIdBeforeProductId",
                  [](Config& c) {
                      c.identity.vendorId = "-1";
                      c.identity.productId = "x";
                  },
                  false, "L51 L15 [-1] (4 × 0..9, A..F)"},
        CheckCase{"IdWithTwoDigitsNamesWhatIsNeeded", [](Config& c) { c.identity.vendorId = "C8"; },
                  false, "L51 L15 [C8] (4 × 0..9, A..F)"},
        CheckCase{"NameWithCyrillicLetters", [](Config& c) { c.identity.name = "Pult Джойстик"; },
                  false, "L51 L19 [Pult Джойстик]: Д"},
        CheckCase{"NameCharacterPastFifteenIsNeverStored",
                  [](Config& c) { c.identity.name = "ABCDEFGHIJKLMNOЖ"; }, true, "L68 0L69 0."},
        CheckCase{"NameWithACharacterOutsideTheBasicPlane",
                  [](Config& c) { c.identity.name = "Joy \U0001F3AE"; }, false,
                  "L51 L19 [Joy \U0001F3AE]: \U0001F3AE"},
        CheckCase{"NameOfLatinOneCharactersFits", [](Config& c) { c.identity.name = "Manette é"; },
                  true, "L68 0L69 0."},
        CheckCase{"IdsComeBeforeTheName",
                  [](Config& c) {
                      c.identity.name = "Ж";
                      c.identity.productId = "12";
                  },
                  false, "L51 L16 [12] (4 × 0..9, A..F)"},
        CheckCase{"IdsInEitherCasePass",
                  [](Config& c) {
                      c.identity.vendorId = "04d8";
                      c.identity.productId = "FFFF";
                  },
                  true, "L68 0L69 0."},
        CheckCase{"EarlierRulesComeFirst",
                  [](Config& c) {
                      c.axes[1] = Sensor(1, 0, 0, 1);
                      c.identity.vendorId = "1A2";
                  },
                  false, "L64 2"},
        CheckCase{"SensorRuleBeforeUsageRule",
                  [](Config& c) {
                      c.axes[0] = Sensor(3, 1, 0, 0);
                      c.axes[1] = Sensor(3, 1, 0, 0);
                  },
                  false, "L47 KMA200#A0#-- L48 2"}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

TEST(Check, NameCharacterWithoutAPictureIsNamedByItsCode) {
    Config config;
    config.identity.name = QStringLiteral("Jo") + QChar(0) + QStringLiteral("y");
    const CheckResult result = CheckConfig(config, NumberedLines(), SourceItems(LanguageLines()));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "L51 L19 [" + config.identity.name + "]: U+0000");
}

// A value the encoder refuses is named in the check's words, whichever rule would reach it.
TEST(Check, EncodeErrorsInTheWordsOfTheCheck) {
    Config config;
    config.identity = {"C8", "12G4", "Джой"};
    const struct {
        EncodeError error;
        const char* message;
    } cases[] = {
        {{EncodeField::Step, 3}, "L51 L29 3, L42 []"},
        {{EncodeField::Delay, 5}, "L51 L37 5, L35 []"},
        {{EncodeField::Speed, 1}, "L51 L37 1, L36 []"},
        {{EncodeField::VendorId, 0}, "L51 L15 [C8] (4 × 0..9, A..F)"},
        {{EncodeField::ProductId, 0}, "L51 L16 [12G4] (4 × 0..9, A..F)"},
        {{EncodeField::DeviceName, 0}, "L51 L19 [Джой]: Д"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeErrorMessage(c.error, config, NumberedLines()),
                  QString::fromUtf8(c.message))
            << c.message;
}

TEST(Check, WithoutLanguageOnlyGlueAndNumbersRemain) {
    Config config;
    const CheckResult result = CheckConfig(config, LanguageLines(), SourceItems(LanguageLines()));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.message, QStringLiteral(" 0 0."));
}

TEST(Check, ClampsDelaysAndSpeeds) {
    const struct {
        std::optional<int> in;
        int delay;
        int speed;
    } cases[] = {{std::nullopt, 2, 1}, {0, 2, 1},      {1, 2, 1}, {2, 2, 2},
                 {200, 200, 200},      {250, 200, 200}};
    for (const auto& c : cases) {
        Config config;
        config.specialFunctions[3].delay = c.in;
        config.specialFunctions[3].speed = c.in;
        CheckConfig(config, LanguageLines(), SourceItems(LanguageLines()));
        EXPECT_EQ(config.specialFunctions[3].delay, c.delay);
        EXPECT_EQ(config.specialFunctions[3].speed, c.speed);
    }
}

TEST(Check, DesignSourceListNamesTheSensor) {
    Config config;
    config.axes[0] = Sensor(9, 1, 0, 1);
    config.axes[1] = Sensor(9, 1, 0, 2);
    const CheckResult result = CheckConfig(config, LanguageLines(), DesignSourceItems());
    EXPECT_EQ(result.message, QStringLiteral(" KMZ60+MCP3208d#A0#--  2"));
}

} // namespace
