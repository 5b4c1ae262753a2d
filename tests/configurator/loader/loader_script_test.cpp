#include "configurator/loader/loader_script.h"
#include "tests/configurator/files/qt_print.h"

#include <gtest/gtest.h>

namespace {

const LoaderValues Values{"atmega32u4", "/fw/joy.hex", "/dev/ttyACM0",
                          "/opt/tavro/Plexivane_arduino/"};

TEST(LoaderScript, ReplacesEveryPlaceholderIgnoringCase) {
    const struct {
        const char* name;
        const char* line;
        const char* expected;
    } cases[] = {
        {"all four", "avrdude -p $CHIP$ -P $PORT$ -U flash:w:$FILE$:i -C $PATH$avrdude.conf",
         "avrdude -p 'atmega32u4' -P '/dev/ttyACM0' -U flash:w:'/fw/joy.hex':i -C "
         "'/opt/tavro/Plexivane_arduino/'avrdude.conf"},
        {"lower case", "dfu-programmer $chip$ flash $File$",
         "dfu-programmer 'atmega32u4' flash '/fw/joy.hex'"},
        {"twice", "$CHIP$ $CHIP$", "'atmega32u4' 'atmega32u4'"},
        {"no placeholder", "echo done; exit 0", "echo done; exit 0"},
        {"unknown and broken placeholders", "$CHIPS $PORT $X$ $", "$CHIPS $PORT $X$ $"},
        {"adjacent", "$PORT$$FILE$", "'/dev/ttyACM0''/fw/joy.hex'"},
        {"empty line", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(substituteLoaderLine(c.line, Values), QString::fromUtf8(c.expected)) << c.name;
}

TEST(LoaderScript, TextBroughtInByAValueIsNotSubstitutedAgain) {
    LoaderValues values = Values;
    values.file = "fw$PORT$.hex";
    EXPECT_EQ(substituteLoaderLine("x $FILE$", values), "x 'fw$PORT$.hex'");
}

TEST(LoaderScript, QuotesEveryValueAsOneShellWord) {
    const struct {
        const char* value;
        const char* quoted;
    } cases[] = {
        {"plain", "'plain'"},
        {"", "''"},
        {"my firmware.hex", "'my firmware.hex'"},
        {"it's.hex", "'it'\\''s.hex'"},
        {"$(reboot);`id`|x&y", "'$(reboot);`id`|x&y'"},
        {"\"double\"", "'\"double\"'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shellQuote(c.value), QString::fromUtf8(c.quoted)) << c.value;
}

TEST(LoaderScript, OnlyTheFirstTwoTemplateLinesMakeTheScript) {
    const struct {
        const char* name;
        QStringList templateLines;
        QStringList script;
    } cases[] = {
        {"longer template",
         {"a $CHIP$", "b $PORT$", "c $FILE$", "d"},
         {"a 'atmega32u4'", "b '/dev/ttyACM0'"}},
        {"one line", {"a $CHIP$"}, {"a 'atmega32u4'", ""}},
        {"empty template", {}, {"", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loaderScriptLines(c.templateLines, Values), c.script) << c.name;
}

TEST(LoaderScript, NamesTheFirstValueHoldingALineBreak) {
    const struct {
        const char* name;
        LoaderValues values;
        std::optional<QString> refused;
    } cases[] = {
        {"clean", Values, std::nullopt},
        {"file", {"c", "a\nb", "p\r", "x"}, QString("firmware file")},
        {"port", {"c", "f", "p\r", "x"}, QString("port")},
        {"chip", {"c\r\n", "f", "p", "x"}, QString("chip")},
        {"path", {"c", "f", "p", "x\n"}, QString("loader folder")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(valueWithLineBreak(c.values), c.refused) << c.name;
}

} // namespace
