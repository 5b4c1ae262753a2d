#include "configurator/window/device_line.h"

#include <gtest/gtest.h>

namespace {

struct LineCase {
    const char* name;
    std::uint16_t vid;
    std::uint16_t pid;
    const char* product;
    const char* serial;
    const char* line;
};

const LineCase LineCases[] = {
    {"leading zero kept", 0x04D8, 0x0001, "Tavro2", "A1", "VID:04D8 PID:0001 Tavro2 (A1)"},
    {"upper-case digits", 0xabcd, 0xef01, "Stick", "", "VID:ABCD PID:EF01 Stick ()"},
    {"empty strings", 0x8888, 0x8888, "", "", "VID:8888 PID:8888  ()"},
    {"zero ids", 0, 0, "x", "y", "VID:0000 PID:0000 x (y)"},
};

TEST(DeviceLine, FormatsAndParsesBack) {
    for (const LineCase& c : LineCases) {
        SCOPED_TRACE(c.name);
        const QString line =
            DeviceLine(c.vid, c.pid, QString::fromUtf8(c.product), QString::fromUtf8(c.serial));
        EXPECT_EQ(line.toStdString(), c.line);
        const DeviceLineIds ids = ParseDeviceLine(line);
        EXPECT_EQ(ids.vid, c.vid);
        EXPECT_EQ(ids.pid, c.pid);
        EXPECT_EQ(ids.vidText, HexId(c.vid));
        EXPECT_EQ(ids.pidText, HexId(c.pid));
    }
}

struct ParseCase {
    const char* name;
    const char* line;
    const char* vidText;
    const char* pidText;
    std::uint16_t vid;
    std::uint16_t pid;
};

const ParseCase ParseCases[] = {
    {"blanks read as zeros", "VID:  D8 PID:   1 x ()", "00D8", "0001", 0x00D8, 0x0001},
    {"not hex gives 0", "VID:XYZW PID:12G4 x ()", "XYZW", "12G4", 0, 0},
    {"no C-style prefix", "VID:0x12 PID:0x34 x ()", "0x12", "0x34", 0, 0},
    {"short line", "VID:12", "12", "", 0x12, 0},
    {"empty line", "", "", "", 0, 0},
};

TEST(DeviceLine, ParsesFixedPlaces) {
    for (const ParseCase& c : ParseCases) {
        SCOPED_TRACE(c.name);
        const DeviceLineIds ids = ParseDeviceLine(QString::fromUtf8(c.line));
        EXPECT_EQ(ids.vidText.toStdString(), c.vidText);
        EXPECT_EQ(ids.pidText.toStdString(), c.pidText);
        EXPECT_EQ(ids.vid, c.vid);
        EXPECT_EQ(ids.pid, c.pid);
    }
}

} // namespace
