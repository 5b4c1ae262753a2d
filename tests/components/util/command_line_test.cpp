#include "components/util/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, SplitsTheProgramFromItsParameters) {
    const struct {
        const char* line;
        const char* program;
        const char* parameters;
    } cases[] = {
        {"", "", ""},
        {"\"/opt/avr tools/dfu-programmer\"  -a -b", "/opt/avr tools/dfu-programmer", "-a -b"},
        {"\"abc", "abc", ""},
        {"x.exe", "x.exe", ""},
        {"x.exe\t\t", "x.exe", ""},
        {"run\"a b\"c  d e ", "run\"a b\"c", "d e "},
        {"run\"a b c", "run\"a b c", ""},
        {"\"\" rest", "", "rest"},
    };
    for (const auto& c : cases) {
        const SplitCommand split = SplitCommandLine(QString::fromUtf8(c.line));
        EXPECT_EQ(split.program, QString::fromUtf8(c.program)) << c.line;
        EXPECT_EQ(split.parameters, QString::fromUtf8(c.parameters)) << c.line;
    }
}
