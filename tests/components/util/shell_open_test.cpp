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
