#include "configurator/loader/loader_console.h"
#include "tests/configurator/files/qt_print.h"
#include "tests/support/recording_ui_host.h"

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

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

// The script's own programs stop with it: a loader waiting for its board is not left behind.
TEST_F(LoaderConsoleTest, ClosingStopsTheLoaderAndTheProgramsItsScriptStarted) {
    const QString script = loader("sleep 300 &\necho $! > waiting.pid\nwait\n");
    qint64 waiting = 0;
    {
        LoaderConsole closing;
        ASSERT_TRUE(closing.start("/bin/sh", {script}, dir.path()));
        QFile pid(dir.filePath("waiting.pid"));
        for (int tries = 0; tries < 100 && pid.size() == 0; ++tries) {
            closing.waitForFinished(50);
        }
        ASSERT_TRUE(pid.open(QIODevice::ReadOnly));
        waiting = pid.readAll().trimmed().toLongLong();
        ASSERT_GT(waiting, 0);
        ASSERT_EQ(::kill(static_cast<pid_t>(waiting), 0), 0) << "the program is running";
    }
    // Killed, it is gone or waits only to be reaped by whoever adopted it.
    bool stopped = false;
    for (int tries = 0; tries < 100 && !stopped; ++tries) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(waiting));
        stopped = !stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z ");
        if (!stopped) {
            ::usleep(50000);
        }
    }
    EXPECT_TRUE(stopped);
}

TEST(LoaderConsolePlace, CentredOnTheGivenPointAndInsideTheScreen) {
    const QRect screen(0, 0, 1920, 1080);
    const struct {
        const char* name;
        QSize size;
        QPoint centre;
        QRect screen;
        QRect place;
    } cases[] = {
        // QRect's centre of an even width or height lies half a pixel left of or above the middle.
        {"room all around", {700, 400}, {960, 540}, screen, {611, 341, 700, 400}},
        {"centre near the bottom right", {700, 400}, {1800, 1000}, screen, {1220, 680, 700, 400}},
        {"centre near the top left", {700, 400}, {100, 50}, screen, {0, 0, 700, 400}},
        {"centre off the screen", {700, 400}, {-500, 3000}, screen, {0, 680, 700, 400}},
        {"second screen", {700, 400}, {2000, 100}, {1920, 0, 1280, 1024}, {1920, 0, 700, 400}},
        {"larger than the screen", {2000, 1200}, {960, 540}, screen, {0, 0, 2000, 1200}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CentredInside(c.size, c.centre, c.screen), c.place) << c.name;
    }
}

// The console opens over the centre of the window that owns it, inside the screen, also when
// that window stands partly off the screen.
TEST_F(LoaderConsoleTest, OpensOverItsWindowsCentreInsideTheScreen) {
    QWidget owner;
    const QRect area = owner.screen()->availableGeometry();
    QRect middle(QPoint(0, 0), area.size() / 2);
    middle.moveCenter(area.center());
    const struct {
        const char* name;
        QRect ownerPlace;
        bool atTheBottomRight; // the console meets the screen's bottom and right edges
    } cases[] = {
        {"owner in the middle", middle, false},
        {"owner partly off at the bottom right",
         QRect(area.bottomRight() - QPoint(100, 80), QSize(400, 300)), true},
    };
    for (const auto& c : cases) {
        owner.setGeometry(c.ownerPlace);
        owner.show();
        LoaderConsole opened(&owner);
        ASSERT_TRUE(opened.start("/bin/true", {}, dir.path())) << c.name;
        ASSERT_TRUE(opened.waitForFinished(10000)) << c.name;
        const QRect place = opened.frameGeometry();
        EXPECT_TRUE(area.contains(place)) << c.name;
        if (c.atTheBottomRight) {
            EXPECT_EQ(place.bottomRight(), area.bottomRight()) << c.name;
        } else {
            EXPECT_EQ(place.center(), owner.frameGeometry().center()) << c.name;
        }
    }
}

} // namespace
