#include "configurator/loader/loader_console.h"
#include "tests/configurator/files/qt_print.h"
#include "tests/support/recording_ui_host.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LoaderConsoleTest : public ::testing::Test {
protected:
    // A stand-in loader: a shell script with the given body.
    QString loader(const char* body) {
        const QString path = dir.filePath("loader.sh");
        QFile script(path);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write(body);
        return path;
    }

    QTemporaryDir dir;
    RecordingUiHost host;
    ScopedUiHost scopedHost{host};
    LoaderConsole console;
};

TEST_F(LoaderConsoleTest, UserSeesTheLoadersOutputAndItsFailure) {
    const QString script = loader("echo 'Waiting for Teensy device...'\n"
                                  "echo 'avrdude: ser_open(): cannot open port' >&2\n"
                                  "exit 3\n");
    ASSERT_TRUE(console.start("/bin/sh", {script}, dir.path()));
    EXPECT_TRUE(console.isVisible());
    ASSERT_TRUE(console.waitForFinished(10000));
    EXPECT_EQ(console.text(), "$ /bin/sh " + script + "\n" +
                                  "Waiting for Teensy device...\n"
                                  "avrdude: ser_open(): cannot open port\n"
                                  "The loader failed with exit status 3.\n");
    EXPECT_FALSE(console.running());
}

TEST_F(LoaderConsoleTest, LoaderReadingStandardInputEndsAtOnce) {
    const QString script = loader("cat\necho \"read $(wc -c) more bytes\"\n");
    ASSERT_TRUE(console.start("/bin/sh", {script}, dir.path()));
    ASSERT_TRUE(console.waitForFinished(10000)) << "the loader waits for input";
    EXPECT_TRUE(console.text().contains("read 0 more bytes\nThe loader finished successfully.\n"))
        << console.text().toStdString();
}

TEST_F(LoaderConsoleTest, MissingProgramIsReportedInTheWindow) {
    ASSERT_TRUE(console.start(dir.filePath("no-such-loader"), {}, dir.path()));
    console.waitForFinished(10000);
    EXPECT_TRUE(console.text().contains("The loader could not be started: "))
        << console.text().toStdString();
    EXPECT_FALSE(console.running());
}

TEST_F(LoaderConsoleTest, SecondStartWhileRunningStartsNothing) {
    const QString script = loader("sleep 30\n");
    ASSERT_TRUE(console.start("/bin/sh", {script}, dir.path()));
    EXPECT_FALSE(console.start("/bin/sh", {script}, dir.path()));
    EXPECT_EQ(host.log,
              QStringList{"messageBox: Firmware loader | The firmware loader is still running."});
    EXPECT_EQ(console.text(), "$ /bin/sh " + script + "\n");
}

} // namespace
