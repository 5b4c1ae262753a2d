#include "configurator/files/text_file.h"
#include "configurator/loader/firmware_loader.h"
#include "configurator/loader/loader_script.h"
#include "tests/configurator/files/qt_print.h"

#include <gtest/gtest.h>

namespace {

TEST(ShippedTemplates, FirstTwoLinesRunTheBoardsLoader) {
    const QString program = QStringLiteral(TAVRO_PROGRAM_DIR);
    const struct {
        LoaderKind kind;
        const char* tool;
    } cases[] = {{LoaderKind::AtmelFlip, "dfu-programmer "},
                 {LoaderKind::Arduino, "avrdude "},
                 {LoaderKind::Teensy2, "teensy_loader_cli "}};
    const LoaderValues values{"ATmega32U4", "/fw/my joy.hex", "/dev/ttyACM0", "/p/"};
    for (const auto& c : cases) {
        const int kind = static_cast<int>(c.kind);
        QString error;
        const auto lines = readTextLines(loaderTemplatePath(program, kind, ""), 4096, &error);
        ASSERT_TRUE(lines) << error.toStdString();
        const QStringList script = loaderScriptLines(*lines, values);
        EXPECT_TRUE(script.join('\n').contains(c.tool)) << c.tool;
        EXPECT_TRUE(script.join('\n').contains("'/fw/my joy.hex'")) << c.tool;
        EXPECT_FALSE(script.join('\n').contains("$FILE$", Qt::CaseInsensitive)) << c.tool;
    }
}

} // namespace
