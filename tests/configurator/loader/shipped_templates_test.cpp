#include "configurator/files/text_file.h"
#include "configurator/loader/firmware_loader.h"
#include "configurator/loader/loader_script.h"
#include "tests/configurator/files/qt_print.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

namespace {

// Writes the script that the window makes from the kind's shipped template.
void writeShippedScript(LoaderKind kind, const LoaderValues& values, const QString& script) {
    QString error;
    const auto lines = readTextLines(
        loaderTemplatePath(QStringLiteral(TAVRO_PROGRAM_DIR), static_cast<int>(kind), ""), 4096,
        &error);
    EXPECT_TRUE(lines) << error.toStdString();
    EXPECT_TRUE(
        writeTextLines(script, loaderScriptLines(lines.value_or(QStringList()), values), &error))
        << error.toStdString();
}

// Stand-ins for the loader programs: each writes its arguments, one per bracket, as a line of
// calls.txt and ends with the status given in FAKE_STATUS; asked for --version, it names itself
// with FAKE_VERSION, as dfu-programmer does.
class ShippedTemplates : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath("bin"));
        for (const char* tool : {"avrdude", "dfu-programmer", "teensy_loader_cli"}) {
            QFile fake(dir.filePath(QStringLiteral("bin/") + tool));
            ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
            fake.write("#!/bin/sh\n"
                       "if [ \"$1\" = --version ]; then\n"
                       "    echo \"$(basename \"$0\") $FAKE_VERSION\" >&2; exit 0\n"
                       "fi\n"
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
                   const QString& fakeVersion = QString(), QString searchPath = QString()) {
        if (searchPath.isEmpty())
            searchPath = dir.filePath("bin") + ":/usr/bin:/bin";
        const QString script = dir.filePath("Plexivane_temp.cmd");
        writeShippedScript(kind, {"ATmega32U4", firmware, "/dev/ttyACM0", dir.path() + "/"},
                           script);
        QFile::remove(dir.filePath("calls.txt"));
        QProcess shell;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", searchPath);
        environment.insert("CALLS", dir.filePath("calls.txt"));
        environment.insert("FAKE_STATUS", QString::number(fakeStatus));
        environment.insert("FAKE_VERSION", fakeVersion);
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
        const char* loaderVersion;
        QStringList calls;
    } cases[] = {
        {"Arduino",
         LoaderKind::Arduino,
         0,
         "",
         {"avrdude [-p] [ATmega32U4] [-c] [avr109] [-P] [/dev/ttyACM0] [-b] [57600] [-D] [-U] "
          "[flash:w:" +
          firmware + ":i]"}},
        {"Arduino failing", LoaderKind::Arduino, 2, "", {}},
        {"Atmel FLIP, dfu-programmer 0.6.1 (no erase --force, no launch)",
         LoaderKind::AtmelFlip,
         0,
         "0.6.1",
         {"dfu-programmer [atmega32u4] [erase]",
          "dfu-programmer [atmega32u4] [flash] [" + firmware + "]",
          "dfu-programmer [atmega32u4] [start]"}},
        {"Atmel FLIP, dfu-programmer 0.7.2",
         LoaderKind::AtmelFlip,
         0,
         "0.7.2",
         {"dfu-programmer [atmega32u4] [erase] [--force]",
          "dfu-programmer [atmega32u4] [flash] [" + firmware + "]",
          "dfu-programmer [atmega32u4] [launch]"}},
        {"Atmel FLIP, dfu-programmer 1.1.0",
         LoaderKind::AtmelFlip,
         0,
         "1.1.0",
         {"dfu-programmer [atmega32u4] [erase] [--force]",
          "dfu-programmer [atmega32u4] [flash] [" + firmware + "]",
          "dfu-programmer [atmega32u4] [launch]"}},
        {"Atmel FLIP failing",
         LoaderKind::AtmelFlip,
         3,
         "0.6.1",
         {"dfu-programmer [atmega32u4] [erase]"}},
        {"Teensy2",
         LoaderKind::Teensy2,
         0,
         "",
         {"teensy_loader_cli [--mcu=atmega32u4] [-w] [-v] [" + firmware + "]"}},
        {"Teensy2 failing", LoaderKind::Teensy2, 1, "", {}},
    };
    for (const auto& c : cases) {
        const Run run = RunShipped(c.kind, firmware, c.loaderStatus, c.loaderVersion);
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
        const Run run = RunShipped(kind, "/fw/joy.hex", 0, "", dir.filePath("only_tr"));
        EXPECT_EQ(run.status, 127) << static_cast<int>(kind);
        EXPECT_TRUE(run.calls.isEmpty()) << static_cast<int>(kind);
    }
}

// The loaders as the system ships them (the test command's set-up installs them), with no board
// attached: each script must get as far as looking for the board and fail there, in the loader's
// own words, never stop at the loader's usage text. teensy_loader_cli -w waits for a board: it
// must say so, and is stopped then.
TEST(RealLoaders, EveryShippedScriptGetsAsFarAsLookingForTheBoard) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString firmware = dir.filePath("joy.hex");
    QFile hex(firmware);
    ASSERT_TRUE(hex.open(QIODevice::WriteOnly));
    hex.write(":00000001FF\n");
    hex.close();
    const QString missingPort = dir.filePath("no-such-port");
    const struct {
        const char* loader;
        LoaderKind kind;
        QStringList boardNotFound; // any of them
        bool waitsForTheBoard;
    } cases[] = {
        {"avrdude", LoaderKind::Arduino, {"cannot open port", "can't open device"}, false},
        {"dfu-programmer", LoaderKind::AtmelFlip, {"no device present"}, false},
        {"teensy_loader_cli", LoaderKind::Teensy2, {"Waiting for Teensy device"}, true},
    };
    for (const auto& c : cases) {
        ASSERT_FALSE(QStandardPaths::findExecutable(c.loader).isEmpty())
            << c.loader << " is not installed; scripts/setup.sh installs it";
        for (const char* chip : {"ATmega32U4", "AT90USB646", "AT90USB1286", "atmega32u4"}) {
            const std::string name = std::string(c.loader) + " " + chip;
            const QString script = dir.filePath("Plexivane_temp.cmd");
            writeShippedScript(c.kind, {chip, firmware, missingPort, dir.path() + "/"}, script);
            QProcess shell;
            shell.setProcessChannelMode(QProcess::MergedChannels);
            shell.setWorkingDirectory(dir.path());
            // Its own process group, so that stopping it stops the loader it started too.
            shell.setChildProcessModifier([] { setpgid(0, 0); });
            shell.start("/bin/sh", {script});
            ASSERT_TRUE(shell.waitForStarted(5000)) << name;
            QString output;
            const auto sawBoardNotFound = [&] {
                for (const QString& text : c.boardNotFound)
                    if (output.contains(text, Qt::CaseInsensitive))
                        return true;
                return false;
            };
            QElapsedTimer waited;
            waited.start();
            bool ended = false;
            while (!ended && waited.elapsed() < 10000) {
                ended = shell.waitForFinished(100);
                output += QString::fromLocal8Bit(shell.readAll());
                if (c.waitsForTheBoard && sawBoardNotFound())
                    break;
            }
            if (!ended) {
                ::kill(-static_cast<pid_t>(shell.processId()), SIGKILL);
                shell.waitForFinished(5000);
            }
            EXPECT_TRUE(sawBoardNotFound()) << name << ":\n" << output.toStdString();
            EXPECT_FALSE(output.contains("Usage:")) << name << ":\n" << output.toStdString();
            if (c.waitsForTheBoard) {
                EXPECT_FALSE(ended) << name << ":\n" << output.toStdString();
            } else {
                EXPECT_TRUE(ended) << name;
                EXPECT_NE(shell.exitCode(), 0) << name;
            }
        }
    }
}

} // namespace
