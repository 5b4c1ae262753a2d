// The programs themselves, started as a user starts them.

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

constexpr int FinishMilliseconds = 30000;

struct ProgramCase {
    const char* name;
    const char* path;
};

void ExpectNoDisplayLine(const ProgramCase& program, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QString::fromLocal8Bit(program.path), {});
    ASSERT_TRUE(process.waitForFinished(FinishMilliseconds));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardError().toStdString(),
              std::string(program.name) +
                  ": no display; set DISPLAY or start from a desktop session\n");
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
}

TEST(ProgramStart, WithoutADisplayEachProgramSaysSoAndEndsWithStatusOne) {
    const ProgramCase programs[] = {{"tavro2", TAVRO2_PROGRAM},
                                    {"tavro2-demo", TAVRO2_DEMO_PROGRAM}};
    const struct {
        const char* name;
        const char* display; // nullptr: DISPLAY unset
    } displays[] = {{"no display", nullptr}, {"a display that does not answer", ":99999"}};
    for (const auto& display : displays)
        for (const ProgramCase& program : programs) {
            SCOPED_TRACE(std::string(program.name) + ", " + display.name);
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
                environment.remove(QString::fromLatin1(variable));
            }
            if (display.display != nullptr) {
                environment.insert("DISPLAY", display.display);
            }
            ExpectNoDisplayLine(program, environment);
        }
}

} // namespace
