#include "configurator/model/item_lists.h"

#include <gtest/gtest.h>

namespace {

LanguageLines NumberedLines() {
    QStringList lines;
    for (int k = 1; k <= LanguageLines::LineCount; ++k)
        lines << QStringLiteral("L%1").arg(k);
    return LanguageLines(lines);
}

// The counts bound every index the codec reads; each must match its list.
TEST(ItemLists, CountsMatchTheLists) {
    const LanguageLines lines = NumberedLines();
    const struct {
        const char* name;
        QStringList items;
        int count;
    } cases[] = {
        {"Source", SourceItems(lines), SourceItemCount},
        {"DesignSource", DesignSourceItems(), SourceItemCount},
        {"Port", PortItems(), PortItemCount},
        {"Channel", ChannelItems(), ChannelItemCount},
        {"Usage", UsageItems(1), UsageItemCount},
        {"MouseUsage", UsageItems(10), MouseUsageItemCount},
        {"Filter", FilterItems(), FilterItemCount},
        {"AutoCalibration", AutoCalibrationItems(lines), AutoCalibrationItemCount},
        {"Precision", PrecisionItems(), PrecisionItemCount},
        {"SpecialFunction", SpecialFunctionItems(), SpecialFunctionItemCount},
        {"Button", ButtonItems(), ButtonItemCount},
        {"RangeAxis", RangeAxisItems(), RangeAxisItemCount},
        {"ShiftRegisterLength", ShiftRegisterLengthItems(), ShiftRegisterLengthItemCount},
        {"PollInterval", PollIntervalItems(), PollIntervalItemCount},
        {"Board", BoardItems(), BoardItemCount},
        {"CurveAxis", CurveAxisItems(), CurveAxisItemCount},
        {"KbMsFunction", KbMsFunctionItems(), KbMsFunctionItemCount},
        {"GridNumber", GridNumberItems(), GridNumberItemCount},
        {"GridMode", GridModeItems(lines), GridModeItemCount},
        {"GridShift", GridShiftItems(lines), GridShiftItemCount},
        {"GridTimOn", GridTimOnItems(lines), GridTimOnItemCount},
        {"GridTimOf", GridTimOfItems(lines), GridTimOfItemCount},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.items.size(), c.count) << c.name;
}

TEST(ItemLists, Texts) {
    const LanguageLines lines = NumberedLines();
    const struct {
        const char* name;
        QStringList items;
        int index;
        const char* text;
    } cases[] = {
        {"VirtualFromLine45", SourceItems(lines), 1, "L45"},
        {"InternalFromLine44", SourceItems(lines), 2, "L44"},
        {"LastSource", SourceItems(lines), 11, "S/C-TLE5010/5011"},
        {"FirstPin", PortItems(), 1, "A0"},
        {"PinB0", PortItems(), 9, "B0"},
        {"LastPin", PortItems(), 48, "F7"},
        {"Rudder", UsageItems(8), 10, "Rudder"},
        {"MouseY", UsageItems(9), 2, "Mouse Y"},
        {"Filter14", FilterItems(), 13, "x14"},
        {"AutoCalibrationLine89", AutoCalibrationItems(lines), 4, "L89"},
        {"Precision14", PrecisionItems(), 6, "14"},
        {"ButtonTwoDigits", ButtonItems(), 5, "05"},
        {"Button96", ButtonItems(), 96, "96"},
        {"LengthTwoDigits", ShiftRegisterLengthItems(), 4, "04"},
        {"Poll8", PollIntervalItems(), 4, "8"},
        {"GridNumberBlank", GridNumberItems(), 0, "----------"},
        {"GridNumberOneDigit", GridNumberItems(), 7, "7"},
        {"ModeWithLine138", GridModeItems(lines), 2, "L137 L138"},
        {"ModeLine140", GridModeItems(lines), 4, "L140"},
        {"Shift3", GridShiftItems(lines), 3, "L132 3"},
        {"TimOn1", GridTimOnItems(lines), 1, "L133 1"},
        {"TimOfFirstIsLine143", GridTimOfItems(lines), 0, "L143"},
        {"Mouse3", KbMsFunctionItems(), 3, "MOUSE_3"},
        {"OutsideIsEmpty", ButtonItems(), 97, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ItemText(c.items, c.index), QString::fromUtf8(c.text)) << c.name;
}

// Keyboard entries sit at their USB HID keyboard usage ids (HID Usage Tables, section 10).
TEST(ItemLists, KeyboardFunctionsAtTheirUsageIds) {
    const QStringList items = KbMsFunctionItems();
    const struct {
        int usage;
        const char* name;
    } cases[] = {
        {0x04, "KEYB_A"},
        {0x1D, "KEYB_Z"},
        {0x1E, "KEYB_1"},
        {0x27, "KEYB_0"},
        {0x28, "KEYB_ENTER"},
        {0x2C, "KEYB_SPACE"},
        {0x32, "KEYB_NON_US_HASHMARK"},
        {0x39, "KEYB_CAPS_LOCK"},
        {0x3A, "KEYB_F1"},
        {0x45, "KEYB_F12"},
        {0x46, "KEYB_PRINT_SCREEN"},
        {0x4F, "KEYB_RIGHT_ARROW"},
        {0x53, "KEYB_NUM_LOCK"},
        {0x58, "KEYB_KEYPAD_ENTER"},
        {0x59, "KEYB_KEYPAD_1"},
        {0x62, "KEYB_KEYPAD_0"},
        {0x64, "KEYB_NON_US_BACKSLASH"},
        {0x67, "KEYB_KEYPAD_EQUAL_SIGN"},
        {0x68, "KEYB_F13"},
        {0x73, "KEYB_F24"},
        {0x74, "KEYB_EXECUTE"},
        {0x7F, "KEYB_MUTE"},
        {0x81, "KEYB_VOLUME_DOWN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ItemText(items, c.usage), QLatin1String(c.name)) << c.usage;
}

} // namespace
