#include "configurator/files/config_file_commands.h"
#include "configurator/files/config_file_set.h"
#include "configurator/files/text_file.h"
#include "tests/configurator/files/numbered_language.h"
#include "tests/configurator/files/qt_print.h"
#include "tests/support/recording_ui_host.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ReportImage patternImage(std::uint8_t id, std::uint8_t seed) {
    ReportImage image{};
    image[0] = id;
    for (int i = 1; i < ReportImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(seed + i * 7);
    return image;
}

QStringList numberedLines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("0x%1 item %2").arg(i, 2, 16, QLatin1Char('0')).arg(i);
    return lines;
}

class ConfigFileSetTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString name = dir.filePath("cfg.tavro");
    ReportImage config = patternImage(5, 1);
    ReportImage axis = patternImage(4, 2);
    ReportImage hid = patternImage(6, 3);
    RecordingUiHost host;
    ScopedUiHost scopedHost{host};
    QString folder = QStringLiteral("/start");

    void save(const QStringList& dump) {
        QString error;
        ASSERT_TRUE(saveConfigFileSet(name, config, axis, hid, dump, &error))
            << error.toStdString();
    }
    QByteArray contents(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }
    QByteArray bytesOf(const ReportImage& image) {
        return QByteArray(reinterpret_cast<const char*>(image.data()), ReportImageSize);
    }
};

TEST_F(ConfigFileSetTest, SaveWritesFourFilesOfFixedSize) {
    struct DumpCase {
        const char* name;
        int lines;
    };
    for (const DumpCase& c : {DumpCase{"short dump padded", 37}, DumpCase{"long dump cut", 1200}}) {
        save(numberedLines(c.lines));
        EXPECT_EQ(contents(name), bytesOf(config)) << c.name;
        EXPECT_EQ(contents(name + "_axis"), bytesOf(axis)) << c.name;
        EXPECT_EQ(contents(name + "_HID_raw"), bytesOf(hid)) << c.name;
        QString error;
        const auto dump = readTextLines(name + "_HID_txt", 1 << 20, &error);
        ASSERT_TRUE(dump) << c.name;
        ASSERT_EQ(dump->size(), HidDumpLineCount) << c.name;
        const int kept = std::min(c.lines, HidDumpLineCount);
        EXPECT_EQ(dump->mid(0, kept), numberedLines(kept)) << c.name;
        for (int i = kept; i < HidDumpLineCount; ++i)
            EXPECT_TRUE(dump->at(i).isEmpty()) << c.name << " line " << i;
    }
}

TEST_F(ConfigFileSetTest, LoadReadsOnlyTheFileAndItsAxisFile) {
    save(numberedLines(10));
    ASSERT_TRUE(QFile::remove(name + "_HID_raw"));
    ASSERT_TRUE(QFile::remove(name + "_HID_txt"));
    QString error;
    const auto images = loadConfigFileSet(name, &error);
    ASSERT_TRUE(images) << error.toStdString();
    EXPECT_EQ(images->config, config);
    EXPECT_EQ(images->axis, axis);
}

TEST_F(ConfigFileSetTest, LoadFailsWithoutChangingAnythingWhenAFileIsMissingOrShort) {
    struct BreakCase {
        const char* name;
        QString file;
        qint64 size; // -1: removed
    };
    const BreakCase cases[] = {
        {"main missing", "", -1},
        {"axis missing", "_axis", -1},
        {"main short", "", 1000},
        {"axis short", "_axis", 0},
    };
    for (const BreakCase& c : cases) {
        save({});
        QFile broken(name + c.file);
        if (c.size < 0)
            ASSERT_TRUE(broken.remove());
        else
            ASSERT_TRUE(broken.resize(c.size));
        host.log.clear();
        host.fileAnswers = {name};
        EXPECT_FALSE(loadConfigurationFromFile(numberedLanguage(), folder)) << c.name;
        const QStringList boxes = host.entries("messageBox:");
        ASSERT_EQ(boxes.size(), 1) << c.name;
        EXPECT_TRUE(boxes[0].contains(name + c.file)) << boxes[0].toStdString();
    }
}

TEST_F(ConfigFileSetTest, LongerRecordFileLoadsItsFirstRecord) {
    save({});
    QFile main(name);
    ASSERT_TRUE(main.open(QIODevice::Append));
    main.write("trailing bytes");
    main.close();
    QString error;
    const auto images = loadConfigFileSet(name, &error);
    ASSERT_TRUE(images);
    EXPECT_EQ(images->config, config);
}

TEST_F(ConfigFileSetTest, DialogsUseTheConfigFilterAndLanguageTitles) {
    host.fileAnswers = {name, std::nullopt};
    ConfigSaveInput input{false, "", config, axis, hid, {}};
    EXPECT_TRUE(saveConfigurationToFile(numberedLanguage(), input, folder));
    EXPECT_FALSE(loadConfigurationFromFile(numberedLanguage(), folder));
    EXPECT_EQ(host.log, QStringList({"saveFileName: Tavro Config file|*.tavro",
                                     "openFileName: Tavro Config file|*.tavro"}));
    const FileDialogRequest open = configFileDialogRequest(numberedLanguage().line(5), "/a/b");
    EXPECT_EQ(open.title, "L5");
    EXPECT_EQ(open.defaultExtension, "tavro");
    EXPECT_EQ(open.initialDir, "/a/b");
}

// Each dialog starts in the folder of the file set last saved or loaded; a cancel or a failure
// leaves the folder as it was, and the process's current folder never moves.
TEST_F(ConfigFileSetTest, DialogsStartInTheFolderOfTheLastFileSetSavedOrLoaded) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("saved"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("loaded"));
    const QString saved = dir.filePath("saved/one.tavro");
    const QString loaded = dir.filePath("loaded/two.tavro");
    const QString missing = dir.filePath("missing.tavro");
    ConfigSaveInput input{false, "", config, axis, hid, {}};
    QString error;
    ASSERT_TRUE(saveConfigFileSet(loaded, config, axis, hid, {}, &error)) << error.toStdString();
    const QString startFolder = QDir::currentPath();
    enum class Command { Save, Load };
    const struct {
        const char* name;
        Command command;
        std::optional<QString> answer;
        bool done;
        QString dialogStart;
    } steps[] = {
        {"cancelled load", Command::Load, std::nullopt, false, "/start"},
        {"save", Command::Save, saved, true, "/start"},
        {"load after the save", Command::Load, loaded, true, dir.filePath("saved")},
        {"failed load", Command::Load, missing, false, dir.filePath("loaded")},
        {"cancelled save", Command::Save, std::nullopt, false, dir.filePath("loaded")},
        {"save after them", Command::Save, saved, true, dir.filePath("loaded")},
        {"next dialog", Command::Load, std::nullopt, false, dir.filePath("saved")},
    };
    for (const auto& step : steps) {
        host.fileRequests.clear();
        host.fileAnswers = {step.answer};
        const bool done = step.command == Command::Save
                              ? saveConfigurationToFile(numberedLanguage(), input, folder)
                              : loadConfigurationFromFile(numberedLanguage(), folder).has_value();
        EXPECT_EQ(done, step.done) << step.name;
        ASSERT_EQ(host.fileRequests.size(), 1u) << step.name;
        EXPECT_EQ(host.fileRequests[0].initialDir, step.dialogStart) << step.name;
        EXPECT_EQ(QDir::currentPath(), startFolder) << step.name;
    }
}

TEST_F(ConfigFileSetTest, InvalidConfigurationShowsTheVerdictAndIsStillSaved) {
    host.fileAnswers = {name};
    ConfigSaveInput input{true, "L49 3", config, axis, hid, {}};
    EXPECT_TRUE(saveConfigurationToFile(numberedLanguage(), input, folder));
    EXPECT_EQ(host.log,
              QStringList({"showMessage: L49 3", "saveFileName: Tavro Config file|*.tavro"}));
    EXPECT_EQ(contents(name), bytesOf(config));
}

TEST_F(ConfigFileSetTest, CancelledSaveWritesNothingAndLoadRoundTrips) {
    ConfigSaveInput input{false, "", config, axis, hid, numberedLines(3)};
    EXPECT_FALSE(saveConfigurationToFile(numberedLanguage(), input, folder));
    EXPECT_FALSE(QFileInfo::exists(name));

    host.fileAnswers = {name, name};
    ASSERT_TRUE(saveConfigurationToFile(numberedLanguage(), input, folder));
    const auto images = loadConfigurationFromFile(numberedLanguage(), folder);
    ASSERT_TRUE(images);
    EXPECT_EQ(images->config, config);
    EXPECT_EQ(images->axis, axis);
    EXPECT_TRUE(host.entries("messageBox:").isEmpty());
}

TEST_F(ConfigFileSetTest, FailedSaveStopsAtTheFailingFileAndSaysSo) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("cfg.tavro_HID_raw"));
    host.fileAnswers = {name};
    ConfigSaveInput input{false, "", config, axis, hid, {}};
    EXPECT_FALSE(saveConfigurationToFile(numberedLanguage(), input, folder));
    EXPECT_EQ(contents(name + "_axis"), bytesOf(axis));
    EXPECT_FALSE(QFileInfo::exists(name + "_HID_txt"));
    const QStringList boxes = host.entries("messageBox:");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains("cfg.tavro_HID_raw")) << boxes[0].toStdString();
}

} // namespace
