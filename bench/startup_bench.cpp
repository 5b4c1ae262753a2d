// Time from starting a process to its first painted window: the configurator against a plain Qt
// window with as many standard controls of each kind (the floor for a window of this size) and
// against an empty window. Each round starts the three in a rotated order after one warm-up
// round; prints the median time and peak resident memory of each and the configurator's ratio
// to the plain window. Uses the platform of QT_QPA_PLATFORM (offscreen when unset). Given another
// build's configurator child, it times that one too in the same rounds, for figures before and
// after a change. Under an X server it stays connected while it runs, as a desktop's window manager
// does: a server left without clients resets itself, and the next child would wait for that.
//   startup_bench [rounds [other startup_configurator_child]]
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Start {
    double milliseconds;
    double cpuMilliseconds; // user and system time: steadier than the wall clock on a busy machine
    double residentMiB;
};

struct Kind {
    const char* name;
    std::vector<std::string> arguments;
    std::vector<Start> starts;
};

// Runs one child and times it until it says "shown"; its peak memory comes from its exit.
std::optional<Start> TimeOneStart(const std::vector<std::string>& arguments,
                                  std::string* output = nullptr) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const auto started = Clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return std::nullopt;
    }
    std::string text;
    char buffer[256];
    ssize_t got = 0;
    std::optional<Clock::time_point> shown;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        text.append(buffer, std::size_t(got));
        if (!shown && text.find("shown\n") != std::string::npos)
            shown = Clock::now();
    }
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (output)
        *output = text;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    const auto end = shown.value_or(Clock::now());
    const auto milliseconds = [](const timeval& time) {
        return double(time.tv_sec) * 1000.0 + double(time.tv_usec) / 1000.0;
    };
    return Start{std::chrono::duration<double, std::milli>(end - started).count(),
                 milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime),
                 double(usage.ru_maxrss) / 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A program folder as a user has it: both language files and settings naming English.
bool MakeProgramFolder(const QString& folder) {
    const QDir languages(QStringLiteral(TAVRO_LANGUAGE_FOLDER));
    for (const char* language : {"English.lng", "Russian.lng"}) {
        if (!QFile::copy(languages.filePath(QString::fromLatin1(language)),
                         QDir(folder).filePath(QString::fromLatin1(language))))
            return false;
    }
    QFile settings(QDir(folder).filePath(QStringLiteral("Brantuse.ini")));
    return settings.open(QIODevice::WriteOnly) &&
           settings.write("English\nNoDebug\n\n\n0\n0\n0\n") > 0;
}

// A connection to the X server for as long as the bench runs, when the children draw on one.
class DesktopClient {
public:
    DesktopClient() {
        const char* platform = std::getenv("QT_QPA_PLATFORM");
        if (platform && std::string(platform).rfind("xcb", 0) == 0)
            connection_ = xcb_connect(nullptr, nullptr);
    }
    ~DesktopClient() {
        if (connection_)
            xcb_disconnect(connection_);
    }
    DesktopClient(const DesktopClient&) = delete;
    DesktopClient& operator=(const DesktopClient&) = delete;

private:
    xcb_connection_t* connection_ = nullptr;
};

std::string BenchFile(const char* name) {
    return std::string(TAVRO_BENCH_FOLDER) + "/" + name;
}

} // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir folder;
    if (!folder.isValid() || !MakeProgramFolder(folder.path())) {
        std::fprintf(stderr, "cannot make a program folder\n");
        return 1;
    }
    // Qt warns on every start without a runtime folder; the children share the temporary one.
    if (!std::getenv("XDG_RUNTIME_DIR"))
        setenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit().constData(), 1);
    const DesktopClient desktop;
    const std::string configurator = BenchFile("startup_configurator_child");
    const std::string plain = BenchFile("startup_plain_child");
    const std::string programFolder = folder.path().toStdString();

    std::string counts;
    if (!TimeOneStart({configurator, programFolder, "--count"}, &counts)) {
        std::fprintf(stderr, "the configurator did not start\n");
        return 1;
    }
    std::vector<std::string> plainArguments{plain};
    for (const QString& count : QString::fromStdString(counts).simplified().split(QLatin1Char(' ')))
        plainArguments.push_back(count.toStdString());
    std::printf("platform %s; standard controls (combo, edit, spin, label, check, button): %s",
                std::getenv("QT_QPA_PLATFORM"), counts.c_str());

    std::vector<Kind> kinds{{"configurator", {configurator, programFolder}, {}},
                            {"plain window", plainArguments, {}},
                            {"empty window", {plain, "--bare"}, {}}};
    if (argc > 2)
        kinds.push_back({"other build", {argv[2], programFolder}, {}});
    for (int round = -1; round < rounds; ++round) {
        for (std::size_t turn = 0; turn < kinds.size(); ++turn) {
            Kind& kind = kinds[(turn + std::size_t(round + 1)) % kinds.size()];
            const auto start = TimeOneStart(kind.arguments);
            if (!start) {
                std::fprintf(stderr, "%s did not show its window\n", kind.name);
                return 1;
            }
            if (round >= 0) // the first round only warms the caches
                kind.starts.push_back(*start);
        }
    }
    std::printf("%-14s %12s %12s %14s\n", "window", "median ms", "CPU ms", "resident MiB");
    std::vector<double> medians(kinds.size());
    std::vector<double> cpuMedians(kinds.size());
    for (std::size_t index = 0; index < kinds.size(); ++index) {
        std::vector<double> times;
        std::vector<double> cpu;
        std::vector<double> memory;
        for (const Start& start : kinds[index].starts) {
            times.push_back(start.milliseconds);
            cpu.push_back(start.cpuMilliseconds);
            memory.push_back(start.residentMiB);
        }
        medians[index] = Median(times);
        cpuMedians[index] = Median(cpu);
        std::printf("%-14s %12.1f %12.1f %14.1f\n", kinds[index].name, medians[index],
                    cpuMedians[index], Median(memory));
    }
    std::printf("configurator / plain window: %.2f (CPU time %.2f; %d rounds)\n",
                medians[0] / medians[1], cpuMedians[0] / cpuMedians[1], rounds);
    if (kinds.size() > 3)
        std::printf("other build / plain window: %.2f (CPU time %.2f)\n", medians[3] / medians[1],
                    cpuMedians[3] / cpuMedians[1]);
    return 0;
}
