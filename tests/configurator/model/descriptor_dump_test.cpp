#include "configurator/model/descriptor_builder.h"

#include <gtest/gtest.h>

namespace {

// X at 10 bits, Rudder at 8 bits, hat 1 and buttons 1..3: every block of the dump, two page
// changes with different indents and padding after the button page.
Config DumpConfig() {
    Config c;
    c.axes[0].source = 2;
    c.axes[0].usage = 1;
    c.axes[0].precision = 2;
    c.axes[1].source = 3;
    c.axes[1].usage = 10;
    c.hats[0].on = true;
    for (int r = 0; r < 3; ++r)
        c.knpTable[r].number = r + 1;
    return c;
}

const char* const ExpectedDump[] = {
    "=BEGIN HID DEBUG FILE=",
    "ХИД ДИСКРИПТОР #1, джойстик",
    "0x05, 0x01,                    // USAGE_PAGE (Generic Desktop)",
    "0x09, 0x04,                    // USAGE (Joystick)",
    "0xa1, 0x01,                    // COLLECTION (Application)",
    "0x85, 0x01,                    //   REPORT_ID (1)",
    "ОСИ ШАПКА",
    "0x15, 0x00,                    //   LOGICAL_MINIMUM (0)",
    "0x26, 0xff, 0x??,              //   LOGICAL_MAXIMUM (1023)",
    "0x95, 0x01,                    //   REPORT_COUNT (1)",
    "0x75, 0x??,                    //   REPORT_SIZE (10)",
    "0x09, 48, //     USAGE ( Ось 1(X)",
    "0x81, 0x02,                    //     INPUT (Data,Var,Abs)",
    "0x15, 0x00,                    //   LOGICAL_MINIMUM (0)",
    "0x26, 0xff, 0x??,              //   LOGICAL_MAXIMUM (255)",
    "0x95, 0x01,                    //   REPORT_COUNT (1)",
    "0x75, 0x??,                    //   REPORT_SIZE (8)",
    "0x05, 0x02,                    //   USAGE_PAGE (Simulation Controls)",
    "0x09, 186, //     USAGE ( Ось 1(Rubber   ba)",
    "0x81, 0x02,                    //     INPUT (Data,Var,Abs)",
    "ХАТКИ ШАПКА",
    "0x05, 0x01,                    //   USAGE_PAGE (Generic Desktop)",
    "0x09, 0x39,                    //   USAGE (Hat switch)",
    "0x35, 0x00,                    //   PHYSICAL_MINIMUM (0)",
    "0x46, 0x3b, 0x01,              //   PHYSICAL_MAXIMUM (315)",
    "0x15, 0x00,                    //   LOGICAL_MINIMUM (0)",
    "0x25, 0x07,                    //   LOGICAL_MAXIMUM (7)",
    "0x65, 0x14,                    //   UNIT (Eng Rot:Angular Pos)",
    "0x95, 0x01,                    //   REPORT_COUNT (1)",
    "0x75, 0x04,                    //   REPORT_SIZE (4)",
    "0x81, 0x02,                    //   INPUT (Data,Var,Abs) ХАТКА 1",
    "КНОПКИ ШАПКА 3",
    "0x05, 0x09,                    //   USAGE_PAGE (Button)",
    "0x15, 0x00,                    //   LOGICAL_MINIMUM (0)",
    "0x25, 0x01,                    //   LOGICAL_MAXIMUM (1)",
    "0x19, 0x01,                    //   USAGE_MINIMUM (Button 1)",
    "0x29, 3,                    //   USAGE_MAXIMUM (Button active_knp1)",
    "0x75, 0x01,                    //   REPORT_SIZE (1)",
    "0x95, 3,                    //   REPORT_COUNT (active_knp)",
    "0x81, 0x02,                    //   INPUT (Data,Var,Abs)",
    "Динамическая длина пакета джойстика1[33]бит)",
    "Динамическая длина пакета джойстика1[5]байт)",
    "ДОБИВКА ШАПКА ",
    "Добивка длины пакета до байта =7 бит",
    "0x05, 0x01,                    // USAGE_PAGE (Generic Desktop)",
    "0x15, 0x00,                    //   LOGICAL_MINIMUM (0)",
    "0x25, 0x01,                    //   LOGICAL_MAXIMUM (1)",
    "0x75, 0x01,                    //   REPORT_SIZE (1)",
    "0x95, 7,                    //   REPORT_COUNT (7)",
    "0x81, 0x03,                    //   INPUT (Cnst,Var,Abs)",
    "0xc0                           // END_COLLECTION",
    "Джойстик массив хид дискриптор [86]байт",
    "Итого массив хид дискриптор [86]байт (свободный остаток:164)",
    "r4_num [0]",
    "r5_num [109]",
    "=END HID DEBUG FILE=",
};

TEST(DescriptorDump, FullDumpLineByLine) {
    const JoystickDescriptor d = BuildJoystickDescriptor(DumpConfig());
    ASSERT_EQ(d.bytes.size(), 86u);
    ASSERT_EQ(d.debugLines.size(), HidDebugLineCount);
    const int expected = int(std::size(ExpectedDump));
    for (int i = 0; i < expected; ++i)
        EXPECT_EQ(d.debugLines[i], QString::fromUtf8(ExpectedDump[i])) << "line " << i + 1;
    for (int i = expected; i < HidDebugLineCount; ++i)
        EXPECT_TRUE(d.debugLines[i].isEmpty()) << "line " << i + 1;
}

TEST(DescriptorDump, EmptyDescriptorHasOnlyTheFrameAndSummary) {
    const JoystickDescriptor d = BuildJoystickDescriptor(Config{});
    const QStringList head = d.debugLines.mid(0, 7);
    EXPECT_EQ(head,
              (QStringList{
                  QStringLiteral("=BEGIN HID DEBUG FILE="),
                  QStringLiteral("Джойстик массив хид дискриптор [0]байт"),
                  QStringLiteral("Итого массив хид дискриптор [0]байт (свободный остаток:250)"),
                  QStringLiteral("r4_num [0]"),
                  QStringLiteral("r5_num [23]"),
                  QStringLiteral("=END HID DEBUG FILE="),
                  QString(),
              }));
}

TEST(DescriptorDump, OnlyHat2WritesItsOwnUsageAndInputLines) {
    Config config;
    config.hats[1].on = true;
    const QStringList lines = BuildJoystickDescriptor(config).debugLines;
    const int input = int(lines.indexOf(
        QStringLiteral("0x81, 0x02,                    //   INPUT (Data,Var,Abs) ХАТКА 2")));
    ASSERT_GT(input, 0);
    EXPECT_EQ(lines[input - 1],
              QStringLiteral("0x09, 0x39,                    //   USAGE (Hat switch)"));
    EXPECT_EQ(lines[input - 2],
              QStringLiteral("0x75, 0x04,                    //   REPORT_SIZE (4)"));
    EXPECT_FALSE(lines.contains(
        QStringLiteral("0x81, 0x02,                    //   INPUT (Data,Var,Abs) ХАТКА 1")));
}

TEST(DescriptorDump, ItemLinesMatchTheBytesWritten) {
    // Every line that starts with "0x" stands for one item: their count equals the items found
    // by walking the descriptor's short items.
    const JoystickDescriptor d = BuildJoystickDescriptor(DumpConfig());
    int items = 0;
    for (std::size_t at = 0; at < d.bytes.size(); ++items) {
        const int size = d.bytes[at] & 3;
        at += 1 + (size == 3 ? 4 : size);
    }
    int lines = 0;
    for (const QString& line : d.debugLines)
        lines += line.startsWith(QLatin1String("0x")) ? 1 : 0;
    EXPECT_EQ(lines, items);
}

} // namespace
