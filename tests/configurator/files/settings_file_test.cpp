#include "configurator/files/settings_file.h"
#include "configurator/files/text_file.h"
#include "tests/configurator/files/qt_print.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SettingsFile, DebugSwitchIsExactlyTheWordDebug) {
    const struct {
        const char* line;
        bool shown;
    } cases[] = {{"Debug", true},   {"debug", false},   {"DEBUG", false},
                 {"Debug ", false}, {"NoDebug", false}, {"", false}};
    for (const auto& c : cases) {
        SettingsRecord settings;
        settings.debug = c.line;
        EXPECT_EQ(settings.debugView(), c.shown) << '"' << c.line << '"';
    }
}

TEST(SettingsFile, IdsAreDecimalAndFallBackToZero) {
    const struct {
        const char* line;
        quint16 id;
    } cases[] = {{"1155", 1155}, {"65535", 65535}, {" 42", 42}, {"65536", 0}, {"-1", 0},
                 {"04D8", 0},    {"abc", 0},       {"", 0},     {"0", 0}};
    for (const auto& c : cases) {
        SettingsRecord settings;
        settings.vendorId = c.line;
        settings.productId = c.line;
        EXPECT_EQ(settings.filterVid(), c.id) << '"' << c.line << '"';
        EXPECT_EQ(settings.filterPid(), c.id) << '"' << c.line << '"';
    }
}

TEST(SettingsFile, MissingLinesReadAsEmptyTexts) {
    QTemporaryDir dir;
    const QString path = settingsFilePath(dir.path());
    QString error;
    ASSERT_TRUE(writeTextLines(path, {"Russian", "Debug", "/dev/ttyACM0"}, &error));
    const auto settings = readSettingsFile(path, &error);
    ASSERT_TRUE(settings) << error.toStdString();
    EXPECT_EQ(settings->language, "Russian");
    EXPECT_TRUE(settings->debugView());
    EXPECT_EQ(settings->comPort, "/dev/ttyACM0");
    EXPECT_TRUE(settings->firmwareFile.isEmpty());
    EXPECT_TRUE(settings->loaderKind.isEmpty());
    EXPECT_EQ(settings->filterVid(), 0);
    EXPECT_EQ(settings->filterPid(), 0);
}

TEST(SettingsFile, WritesSevenLinesInOrderAndReadsThemBack) {
    QTemporaryDir dir;
    const QString path = settingsFilePath(dir.path());
    EXPECT_TRUE(path.endsWith("/Brantuse.ini"));
    SettingsRecord written{"English",
                           SettingsRecord::debugLine(false),
                           "/dev/ttyUSB0",
                           "/home/u/fw 1.hex",
                           "2",
                           SettingsRecord::idLine(0x2341),
                           SettingsRecord::idLine(0x8036)};
    QString error;
    ASSERT_TRUE(writeSettingsFile(path, written, &error)) << error.toStdString();
    const auto lines = readTextLines(path, 4096, &error);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, QStringList({"English", "NoDebug", "/dev/ttyUSB0", "/home/u/fw 1.hex", "2",
                                   "9025", "32822"}));
    const auto read = readSettingsFile(path, &error);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->toLines(), written.toLines());
    EXPECT_EQ(read->filterVid(), 0x2341);
    EXPECT_EQ(read->filterPid(), 0x8036);
}

TEST(SettingsFile, LineBreaksInsideAValueDoNotShiftTheLinesAfterIt) {
    QTemporaryDir dir;
    const QString path = settingsFilePath(dir.path());
    SettingsRecord written{"English", "Debug", "/dev/tty\r\nACM0", "fw\n1.hex", "2\r",
                           "1155",    "22352"};
    QString error;
    ASSERT_TRUE(writeSettingsFile(path, written, &error)) << error.toStdString();
    const auto lines = readTextLines(path, 4096, &error);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, QStringList({"English", "Debug", "/dev/tty ACM0", "fw 1.hex", "2 ", "1155",
                                   "22352"}));
    const auto read = readSettingsFile(path, &error);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->filterVid(), 1155);
    EXPECT_EQ(read->filterPid(), 22352);
}

TEST(SettingsFile, ValuesAfterSeveralByteOrderMarksSurviveASaveAndALoad) {
    QTemporaryDir dir;
    const QString path = settingsFilePath(dir.path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF"
               "English\r\nDebug\r\nCOM3\r\nfw.hex\r\n1\r\n1155\r\n22352\r\n");
    file.close();
    QString error;
    const auto read = readSettingsFile(path, &error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_EQ(read->language, "English");

    ASSERT_TRUE(writeSettingsFile(path, *read, &error)) << error.toStdString();
    const auto reread = readSettingsFile(path, &error);
    ASSERT_TRUE(reread) << error.toStdString();
    EXPECT_EQ(reread->toLines(), read->toLines());
}

TEST(SettingsFile, MissingFileIsReportedNotInvented) {
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(readSettingsFile(settingsFilePath(dir.path()), &error));
    EXPECT_TRUE(error.contains("Brantuse.ini")) << error.toStdString();
}

} // namespace
