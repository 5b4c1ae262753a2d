#include "configurator/files/text_file.h"
#include "configurator/loader/firmware_loader.h"
#include "configurator/loader/loader_script.h"
#include "tests/configurator/files/qt_print.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Stand-ins for the loader programs: each writes its arguments, one per bracket, as a line of
// calls.txt and ends with the status given in FAKE_STATUS.
class ShippedTemplates : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath("bin"));
        for (const char* tool : {"avrdude", "dfu-programmer", "teensy_loader_cli"}) {
            QFile fake(dir.filePath(QStringLiteral("bin/") + tool));
            ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
            fake.write("#!/bin/sh\n"
                       "{ printf '%s' \"$(basename \"$0\")\"; printf ' [%s]' \"$@\"; echo; } "
                       ">> \"$CALLS\"\n"
                       "exit \"$FAKE_STATUS\"\n");
            fake.close();
            fake.setPermissions(fake.permissions() | QFileDevice::ExeOwner);
        }
    }

    struct Run {
        int status = -1;
        QStringList calls;
    };

    // Makes the script of the kind's shipped template and runs it as the window runs it.
    // searchPath is the PATH the script runs with: the stand-ins first by default.
    Run RunShipped(LoaderKind kind, const QString& firmware, int fakeStatus,
                   QString searchPath = QString()) {
        if (searchPath.isEmpty())
            searchPath = dir.filePath("bin") + ":/usr/bin:/bin";
        const QString program = QStringLiteral(TAVRO_PROGRAM_DIR);
        QString error;
        const auto lines =
            readTextLines(loaderTemplatePath(program, static_cast<int>(kind), ""), 4096, &error);
        EXPECT_TRUE(lines) << error.toStdString();
        const LoaderValues values{"ATmega32U4", firmware, "/dev/ttyACM0", dir.path() + "/"};
        const QString script = dir.filePath("Plexivane_temp.cmd");
        EXPECT_TRUE(writeTextLines(script, loaderScriptLines(lines.value_or(QStringList()), values),
                                   &error));
        QFile::remove(dir.filePath("calls.txt"));
        QProcess shell;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", searchPath);
        environment.insert("CALLS", dir.filePath("calls.txt"));
        environment.insert("FAKE_STATUS", QString::number(fakeStatus));
        shell.setProcessEnvironment(environment);
        shell.setWorkingDirectory(dir.path());
        shell.start("/bin/sh", {script});
        EXPECT_TRUE(shell.waitForFinished(10000));
        Run run;
        run.status = shell.exitCode();
        QFile calls(dir.filePath("calls.txt"));
        if (calls.open(QIODevice::ReadOnly))
            run.calls = QString::fromUtf8(calls.readAll()).split('\n', Qt::SkipEmptyParts);
        return run;
    }

    QTemporaryDir dir;
};

TEST_F(ShippedTemplates, RunTheBoardsLoaderWithTheFileAsItIsAndEndWithItsStatus) {
    const QString firmware = QStringLiteral("/fw/my joy's \"v2\" $x `y`.hex");
    const struct {
        const char* name;
        LoaderKind kind;
        int loaderStatus;
        QStringList calls;
    } cases[] = {
        {"Arduino",
         LoaderKind::Arduino,
         0,
         {"avrdude [-p] [ATmega32U4] [-c] [avr109] [-P] [/dev/ttyACM0] [-b] [57600] [-D] [-U] "
          "[flash:w:" +
          firmware + ":i]"}},
        {"Arduino failing", LoaderKind::Arduino, 2, {}},
        {"Atmel FLIP",
         LoaderKind::AtmelFlip,
         0,
         {"dfu-programmer [atmega32u4] [erase] [--force]",
          "dfu-programmer [atmega32u4] [flash] [" + firmware + "]",
          "dfu-programmer [atmega32u4] [launch]"}},
        {"Atmel FLIP failing",
         LoaderKind::AtmelFlip,
         3,
         {"dfu-programmer [atmega32u4] [erase] [--force]"}},
        {"Teensy2",
         LoaderKind::Teensy2,
         0,
         {"teensy_loader_cli [--mcu=atmega32u4] [-w] [-v] [" + firmware + "]"}},
        {"Teensy2 failing", LoaderKind::Teensy2, 1, {}},
    };
    for (const auto& c : cases) {
        const Run run = RunShipped(c.kind, firmware, c.loaderStatus);
        EXPECT_EQ(run.status, c.loaderStatus) << c.name;
        if (c.loaderStatus == 0 || !c.calls.isEmpty())
            EXPECT_EQ(run.calls, c.calls) << c.name;
        else
            EXPECT_EQ(run.calls.size(), 1) << c.name;
    }
}

TEST_F(ShippedTemplates, AMissingLoaderProgramFailsTheScript) {
    // A PATH with the one helper the templates use and none of the loaders.
    ASSERT_TRUE(QDir(dir.path()).mkpath("only_tr"));
    ASSERT_TRUE(QFile::link(QStandardPaths::findExecutable("tr"), dir.filePath("only_tr/tr")));
    for (LoaderKind kind : {LoaderKind::Arduino, LoaderKind::AtmelFlip, LoaderKind::Teensy2}) {
        const Run run = RunShipped(kind, "/fw/joy.hex", 0, dir.filePath("only_tr"));
        EXPECT_EQ(run.status, 127) << static_cast<int>(kind);
        EXPECT_TRUE(run.calls.isEmpty()) << static_cast<int>(kind);
    }
}

} // namespace
