// The programs themselves, started as a user starts them.

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
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

// A new user reads the README's first commands: start the tool, run the tests, try the tool
// without a controller. Each is a script of the repository that can be run as it stands.
TEST(ProgramStart, TheReadmeStartsWithTheCommandsToStartTestAndTryTheTool) {
    QFile readme(QStringLiteral(TAVRO_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList commands;
    const QRegularExpression command(QStringLiteral("^    (\\S.*)$"));
    for (const QString& line : QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("## "))) {
            break;
        }
        const auto match = command.match(line);
        if (match.hasMatch()) {
            commands << match.captured(1);
        }
    }
    EXPECT_EQ(commands.join(" | ").toStdString(),
              "scripts/run.sh | scripts/test.sh | scripts/demo.sh");
    for (const QString& script : commands) {
        const QFileInfo file(QStringLiteral(TAVRO_SOURCE_DIR "/") + script);
        EXPECT_TRUE(file.isFile() && file.isExecutable()) << script.toStdString();
    }
}

} // namespace
