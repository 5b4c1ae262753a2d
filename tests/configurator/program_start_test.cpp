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

TEST(ProgramStart, WithoutADisplayEachProgramSaysSoAndEndsWithStatusOne) {
    const ProgramCase programs[] = {{"tavro2", TAVRO2_PROGRAM},
                                    {"tavro2-demo", TAVRO2_DEMO_PROGRAM}};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(variable));
    }
    for (const ProgramCase& program : programs) {
        SCOPED_TRACE(program.name);
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
}

} // namespace
