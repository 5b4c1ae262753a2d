#include "configurator/files/language_switch.h"
#include "configurator/files/record_file.h"
#include "configurator/files/text_file.h"
#include "tests/configurator/files/qt_print.h"
#include "tests/support/recording_ui_host.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class LanguageSwitchTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    RecordingUiHost host;
    ScopedUiHost scopedHost{host};
    ReportImage config{};

    void SetUp() override {
        config[0] = 5;
        for (int i = 1; i < ReportImageSize; ++i)
            config[i] = static_cast<std::uint8_t>(i * 13);
        QString error;
        ASSERT_TRUE(writeTextLines(dir.filePath("English.lng"), {"Configuration", "Read"}, &error));
        ASSERT_TRUE(writeTextLines(settingsFilePath(dir.path()), {"Russian", "NoDebug"}, &error));
    }

    LanguageSwitchRequest request(const QString& language) {
        SettingsRecord settings{language, "Debug", "/dev/ttyACM0", "fw.hex", "3", "1155", "22352"};
        return {dir.path(), language, settings};
    }
    QStringList settingsLines() {
        QString error;
        return readTextLines(settingsFilePath(dir.path()), 4096, &error).value_or(QStringList());
    }
    bool tempFileExists() { return QFileInfo::exists(tempConfigFilePath(dir.path())); }
};

TEST_F(LanguageSwitchTest, UnknownLanguageChangesNothing) {
    bool applied = false;
    EXPECT_FALSE(
        switchLanguage(request("German"), config, [&](const LanguageLines&) { applied = true; }));
    EXPECT_FALSE(applied);
    EXPECT_EQ(settingsLines(), QStringList({"Russian", "NoDebug"}));
    EXPECT_FALSE(tempFileExists());
    EXPECT_TRUE(host.log.isEmpty());
}

TEST_F(LanguageSwitchTest, SwitchWritesSettingsAtOnceAndParksTheConfiguration) {
    QStringList seenLines;
    std::optional<ReportImage> parked;
    QStringList settingsDuringSwitch;
    EXPECT_TRUE(switchLanguage(request("english"), config, [&](const LanguageLines& lines) {
        seenLines = {lines.line(1), lines.line(2), lines.line(3)};
        QString error;
        parked = readRecordFile(tempConfigFilePath(dir.path()), &error);
        settingsDuringSwitch = settingsLines();
    }));
    EXPECT_EQ(seenLines, QStringList({"Configuration", "Read", ""}));
    EXPECT_EQ(parked, config);
    EXPECT_EQ(settingsDuringSwitch,
              QStringList({"english", "Debug", "/dev/ttyACM0", "fw.hex", "3", "1155", "22352"}));
    EXPECT_FALSE(tempFileExists());
    EXPECT_TRUE(host.log.isEmpty());
}

TEST_F(LanguageSwitchTest, UnwritableTemporaryFileDoesNotStopTheSwitch) {
    // A folder in place of the temporary file makes its write fail.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Brantuse.tmp"));
    bool applied = false;
    EXPECT_TRUE(
        switchLanguage(request("English"), config, [&](const LanguageLines&) { applied = true; }));
    EXPECT_TRUE(applied);
    EXPECT_EQ(settingsLines().value(0), "English");
    EXPECT_TRUE(QFileInfo(tempConfigFilePath(dir.path())).isDir());
    EXPECT_TRUE(host.log.isEmpty());
}

TEST_F(LanguageSwitchTest, UnwritableSettingsAreReportedAndTheSwitchGoesOn) {
    ASSERT_TRUE(QFile::remove(settingsFilePath(dir.path())));
    ASSERT_TRUE(QDir(dir.path()).mkdir("Brantuse.ini"));
    bool applied = false;
    EXPECT_TRUE(
        switchLanguage(request("English"), config, [&](const LanguageLines&) { applied = true; }));
    EXPECT_TRUE(applied);
    ASSERT_EQ(host.entries("messageBox:").size(), 1);
    EXPECT_TRUE(host.log[0].contains("Brantuse.ini"));
}

TEST_F(LanguageSwitchTest, TemporaryFileIsRemovedWhenTheRebuildFails) {
    EXPECT_THROW(switchLanguage(request("English"), config,
                                [](const LanguageLines&) { throw std::runtime_error("rebuild"); }),
                 std::runtime_error);
    EXPECT_FALSE(tempFileExists());
}

} // namespace
