#include "configurator/files/text_file.h"
#include "configurator/loader/firmware_loader.h"
#include "configurator/loader/loader_console.h"
#include "tests/configurator/files/qt_print.h"
#include "tests/support/recording_ui_host.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FirmwareLoaderTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString program = dir.path();
    RecordingUiHost host;
    ScopedUiHost scopedHost{host};
    LoaderConsole console;

    void writeTemplate(int kind, const QStringList& lines) {
        ASSERT_TRUE(QDir(program).mkpath(loaderFolder(program, kind)));
        QString error;
        ASSERT_TRUE(writeTextLines(loaderTemplatePath(program, kind, ""), lines, &error));
    }
    void SetUp() override {
        ASSERT_TRUE(QDir(program).mkpath("fw"));
        QFile file(firmware);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    FirmwareLoaderRequest request(int kind) {
        return {program, kind, "-", "atmega32u4", firmware, "/dev/ttyACM0"};
    }
    const QString firmware = program + "/fw/joy.hex";
    QStringList scriptLines(int kind) {
        QString error;
        return readTextLines(loaderFolder(program, kind) + "Plexivane_temp.cmd", 4096, &error)
            .value_or(QStringList{"<missing>"});
    }
};

TEST_F(FirmwareLoaderTest, EachKindHasItsFolderAndTemplate) {
    const struct {
        int kind;
        const char* folder;
        const char* templateName;
    } cases[] = {
        {1, "/Plexivane_atmeldfu/", "/Plexivane_atmeldfu/atmeldfu.cmd"},
        {2, "/Plexivane_arduino/", "/Plexivane_arduino/arduino.cmd"},
        {3, "/Plexivane_teensy2/", "/Plexivane_teensy2/teensy2.cmd"},
        {0, nullptr, nullptr},
        {4, nullptr, nullptr},
        {-1, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        if (!c.folder) {
            EXPECT_EQ(loaderFolder(program, c.kind), "") << c.kind;
            EXPECT_EQ(loaderTemplatePath(program, c.kind, "my.cmd"), "my.cmd") << c.kind;
            continue;
        }
        EXPECT_EQ(loaderFolder(program, c.kind), program + c.folder) << c.kind;
        EXPECT_EQ(loaderTemplatePath(program, c.kind, "my.cmd"), program + c.templateName);
    }
}

TEST_F(FirmwareLoaderTest, WritesTheTwoSubstitutedLinesAndRunsThemInTheLoaderFolder) {
    writeTemplate(2, {"echo -p $chip$ -P $PORT$ -U flash:w:$FILE$:i", "pwd", "rm -rf x"});
    EXPECT_TRUE(startFirmwareLoader(request(2), console));
    const QString folder = loaderFolder(program, 2);
    EXPECT_EQ(
        scriptLines(2),
        QStringList({"echo -p atmega32u4 -P /dev/ttyACM0 -U flash:w:" + firmware + ":i", "pwd"}));
    ASSERT_TRUE(console.waitForFinished(10000));
    EXPECT_EQ(console.text(), "$ /bin/sh " + folder + "Plexivane_temp.cmd\n" +
                                  "-p atmega32u4 -P /dev/ttyACM0 -U flash:w:" + firmware + ":i\n" +
                                  QDir(folder).canonicalPath() + "\n" +
                                  "The loader finished successfully.\n");
    EXPECT_TRUE(host.log.isEmpty());
}

TEST_F(FirmwareLoaderTest, OneLineTemplateGivesAnEmptySecondLine) {
    writeTemplate(3, {"teensy_loader_cli --mcu=$CHIP$ -w $FILE$"});
    EXPECT_TRUE(startFirmwareLoader(request(3), console));
    EXPECT_EQ(scriptLines(3),
              QStringList({"teensy_loader_cli --mcu=atmega32u4 -w " + firmware, ""}));
}

TEST_F(FirmwareLoaderTest, MissingTemplateOrLineBreakStartsNothing) {
    writeTemplate(1, {"dfu-programmer $CHIP$ erase"});
    FirmwareLoaderRequest broken = request(1);
    broken.firmwareFile = "joy.hex\nreboot";
    FirmwareLoaderRequest designText = request(1);
    designText.firmwareFile = "-";
    FirmwareLoaderRequest noFile = request(1);
    noFile.firmwareFile = " ";
    FirmwareLoaderRequest missing = request(1);
    missing.firmwareFile = program + "/fw/old joy.hex";
    FirmwareLoaderRequest relativeMissing = request(1);
    relativeMissing.firmwareFile = "joy.hex"; // looked for in the loader folder it runs in
    FirmwareLoaderRequest folderGiven = request(1);
    folderGiven.firmwareFile = program + "/fw";
    const struct {
        const char* name;
        FirmwareLoaderRequest request;
        QString message;
    } cases[] = {
        {"custom kind with the design text", request(0), "'-'"},
        {"template missing", request(2), "arduino.cmd"},
        {"file name with a line break", broken, "firmware file holds a line break"},
        {"the file field's design text", designText, "No firmware file is chosen"},
        {"no file name", noFile, "No firmware file is chosen"},
        {"file that does not exist", missing,
         "The firmware file \"" + missing.firmwareFile + "\" does not exist"},
        {"relative name not in the loader folder", relativeMissing,
         "The firmware file \"joy.hex\" does not exist"},
        {"a folder for a file", folderGiven,
         "The firmware file \"" + folderGiven.firmwareFile + "\" is a folder"},
    };
    for (const auto& c : cases) {
        host.log.clear();
        writeTemplate(1, {"dfu-programmer $CHIP$ erase"});
        EXPECT_FALSE(startFirmwareLoader(c.request, console)) << c.name;
        ASSERT_EQ(host.log.size(), 1) << c.name;
        EXPECT_TRUE(host.log[0].startsWith("messageBox:")) << host.log[0].toStdString();
        EXPECT_TRUE(host.log[0].contains(c.message)) << host.log[0].toStdString();
    }
    EXPECT_FALSE(QFile::exists(loaderFolder(program, 1) + "Plexivane_temp.cmd"));
    EXPECT_FALSE(console.isVisible());
}

TEST_F(FirmwareLoaderTest, HostileFileNameReachesTheLoaderAsOneArgument) {
    // The template prints each argument on its own line instead of starting a loader.
    writeTemplate(
        2, {"printf '[%s]\\n' $FILE$ \"$FILE$\" '$PORT$' > \"$PATH$args.txt\"", "cd $PATH$"});
    FirmwareLoaderRequest hostile = request(2);
    // Relative: the loader runs in its folder, where the file is.
    hostile.firmwareFile = "my fw's \"v2\"; touch pwned; $(id) `id` *.hex";
    hostile.port = "$HOME";
    const QString folder = loaderFolder(program, 2);
    QFile file(folder + hostile.firmwareFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(startFirmwareLoader(hostile, console));
    ASSERT_TRUE(console.waitForFinished(10000));
    QFile args(folder + "args.txt");
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(args.readAll()),
              "[" + hostile.firmwareFile + "]\n[" + hostile.firmwareFile + "]\n[$HOME]\n");
    EXPECT_FALSE(QFile::exists(folder + "pwned"));
}

} // namespace
