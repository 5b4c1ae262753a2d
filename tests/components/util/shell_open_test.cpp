#include "components/util/shell_open.h"
#include "tests/support/recording_ui_host.h"

#include <gtest/gtest.h>

TEST(ShellOpen, OpensTheTargetThroughTheHostAndReportsItsAnswer) {
    RecordingUiHost host;
    const ScopedUiHost guard(host);
    EXPECT_TRUE(OpenWithShell(QStringLiteral("https://example.org/tavro")));
    host.shellResult = false;
    EXPECT_FALSE(OpenWithShell(QStringLiteral("/tmp/readme.txt")));
    EXPECT_EQ(host.log, QStringList({QStringLiteral("shellOpen: https://example.org/tavro |  | "),
                                     QStringLiteral("shellOpen: /tmp/readme.txt |  | ")}));
}

TEST(ShellOpen, ZeroTerminatedTextOpensTheSameWay) {
    const struct {
        const char* name;
        const char16_t* target;
        bool hostAnswer;
        bool expected;
        QStringList log;
    } cases[] = {
        {"address",
         u"https://example.org/tavro",
         true,
         true,
         {QStringLiteral("shellOpen: https://example.org/tavro |  | ")}},
        {"text up to its terminator",
         u"/tmp/a b.txt\0/tmp/not.txt",
         true,
         true,
         {QStringLiteral("shellOpen: /tmp/a b.txt |  | ")}},
        {"letters beyond Latin",
         u"/tmp/\u0444\u0430\u0439\u043b.txt",
         true,
         true,
         {QString::fromUtf16(u"shellOpen: /tmp/\u0444\u0430\u0439\u043b.txt |  | ")}},
        {"refused by the desktop",
         u"/tmp/readme.txt",
         false,
         false,
         {QStringLiteral("shellOpen: /tmp/readme.txt |  | ")}},
        {"null pointer", nullptr, true, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingUiHost host;
        const ScopedUiHost guard(host);
        host.shellResult = c.hostAnswer;
        EXPECT_EQ(OpenWithShell(c.target), c.expected);
        EXPECT_EQ(host.log, c.log);
    }
}
