#include "configurator/loader/tool_launchers.h"
#include "tests/configurator/files/qt_print.h"
#include "tests/support/recording_ui_host.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Only the tools that are there are handed to the shell; the others start nothing and show
// nothing (the desktop would print its own complaint about a missing file).
TEST(ToolLaunchers, ToolsAreOpenedOnlyWhenTheirFileIsThere) {
    RecordingUiHost host;
    ScopedUiHost scoped(host);
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    ASSERT_TRUE(QDir(program.path()).mkpath("tools"));
    enum class Present { File, Folder, Nothing };
    const struct {
        ToolProgram tool;
        const char* file;
        Present present;
    } cases[] = {
        {ToolProgram::DirectInputViewer, "DIView.exe", Present::File},
        {ToolProgram::UsbDeview, "USBDeview.exe", Present::Folder},
        {ToolProgram::ButtonTester, "DAZ_BtnTester.exe", Present::File},
        {ToolProgram::JoystickTester, "DAZ_JoyTester.exe", Present::Nothing},
    };
    for (const auto& c : cases) {
        const QString path = program.filePath(QStringLiteral("tools/") + c.file);
        EXPECT_EQ(toolProgramPath(program.path(), c.tool), path);
        if (c.present == Present::File) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        } else if (c.present == Present::Folder) {
            ASSERT_TRUE(QDir().mkpath(path)); // a folder of that name is no program
        }
    }
    host.shellResult = false; // the shell's own failure is not reported either
    for (const auto& c : cases) {
        host.log.clear();
        openToolProgram(program.path(), c.tool);
        const QStringList opened = {
            "shellOpen: " + program.filePath(QStringLiteral("tools/") + c.file) + " |  | "};
        EXPECT_EQ(host.log, c.present == Present::File ? opened : QStringList()) << c.file;
    }
    host.log.clear();
    openToolProgram("/no/such/folder", ToolProgram::DirectInputViewer);
    EXPECT_TRUE(host.log.isEmpty());
}

TEST(ToolLaunchers, DonationButtonOpensItsPage) {
    RecordingUiHost host;
    ScopedUiHost scoped(host);
    host.shellResult = false;
    openDonationPage();
    EXPECT_EQ(host.log, QStringList({"shellOpen: " + donationPageAddress() + " |  | "}));
}

TEST(ToolLaunchers, SystemProgramsAreStartedFromTheSearchPathOnly) {
    RecordingUiHost host;
    ScopedUiHost scoped(host);
    EXPECT_FALSE(openInstalledProgram("tavro-no-such-program"));
    EXPECT_TRUE(host.log.isEmpty());
    const QString shell = QStandardPaths::findExecutable("sh");
    ASSERT_FALSE(shell.isEmpty());
    EXPECT_TRUE(openInstalledProgram("sh"));
    EXPECT_EQ(host.log, QStringList({"shellOpen: " + shell + " |  | "}));
}

} // namespace
