// Live input at USB rates: the simulated controller sends its largest input report (eight 14-bit
// axes) through the real reader thread into the main window, with the statistics page open and
// with the axes page open, at full-speed and high-speed USB rates and flat out. Prints the reports
// handled per second, the reports lost on the way (the simulated bus keeps 64 like the kernel's
// ring), the UI thread's CPU time per report and how busy it was; then what an open statistics
// page costs with no reports coming, beside a bare 10 ms timer for scale. Prints; asserts
// nothing.
#include "configurator/model/report_codec.h"
#include "configurator/sim/sim_controller_device.h"
#include "configurator/window/main_form.h"
#include "hid/hid_controller.h"
#include "hid/hid_device.h"
#include "platform/hidbus/sim_hid_bus.h"
#include "platform/modules/standard_modules.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double RunSeconds = 2.0;
constexpr double IdleSeconds = 3.0;
// Flat out, the controller sends whenever the bus's queue has room: it never holds more than
// this many reports that the window has not taken yet (the queue keeps 64).
constexpr long FlatOutInFlight = 60;
constexpr int DistinctReports = 1024;

// Eight 14-bit sensor axes: the largest input report the controller sends.
Config LargestConfig() {
    Config config = DefaultConfig();
    for (int row = 0; row < 8; ++row)
        config.axes[row] = {.source = 2, .port = row + 1, .usage = row + 1, .precision = 6};
    return config;
}

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Runs the UI thread's event loop for the given time, or until done holds (checked every 20 ms).
void RunEventLoop(double seconds, const std::function<bool()>& done = {}) {
    if (done && done())
        return;
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    QTimer check;
    if (done) {
        QObject::connect(&check, &QTimer::timeout, &loop, [&] {
            if (done())
                loop.quit();
        });
        check.start(20);
    }
    loop.exec();
}

struct RunFigures {
    long sent = 0;
    long handled = 0;
    double seconds = 0;
    double uiCpuSeconds = 0;
};

class LiveInputBench {
public:
    LiveInputBench() : controller(bus, QStringLiteral("TAVRO-SIM-0001"), Images()) {
        PackReports();
        window = std::make_unique<TMForm>(folder.path());
        window->SetConfig(LargestConfig());
        // Counts each report the reader hands over, then lets the window have it.
        window->HID().SetOnDeviceData(TWkHidDataEvent::FromCallable(
            [this](TWkHidDevice* device, BYTE reportId, const BYTE* data, WORD size) {
                handled.fetch_add(1, std::memory_order_relaxed);
                window->HIDDeviceData(device, reportId, data, size);
            }));
        window->show();
    }

    // Selects the controller in the device list and waits for its joystick reader to listen.
    bool Connect() {
        RunEventLoop(0.5, [this] { return Find<QListWidget>("lstHID_DeviceList")->count() > 0; });
        auto* list = Find<QListWidget>("lstHID_DeviceList");
        if (list->count() == 0)
            return false;
        list->setCurrentRow(0);
        emit list->itemClicked(list->item(0));
        RunEventLoop(2.0, [this] {
            const TWkHidDevice* joystick = window->State().JoystickDevice;
            return joystick && joystick->HidOverlappedRead() != INVALID_HANDLE_VALUE;
        });
        return window->State().JoystickDevice != nullptr;
    }

    void ShowPage(int page) {
        Find<QTabWidget>("WkPageControl")->setCurrentIndex(page);
        RunEventLoop(0.3);
    }

    // rate 0: flat out.
    RunFigures Run(int rate) {
        RunFigures figures;
        handled = 0;
        std::atomic<long> sent{0};
        std::atomic<bool> sending{true};
        const double cpuStart = ThreadCpuSeconds();
        const auto start = Clock::now();
        std::thread sender([&] {
            Send(rate, sent);
            sending = false;
        });
        // Waits for the last report: all sent and taken, or nothing taken for a while.
        long lastHandled = -1;
        auto lastProgress = Clock::now();
        RunEventLoop(RunSeconds + 5, [&] {
            const long now = handled.load();
            if (now != lastHandled) {
                lastHandled = now;
                lastProgress = Clock::now();
            }
            return !sending &&
                   (now == sent || Clock::now() - lastProgress > std::chrono::milliseconds(300));
        });
        sender.join();
        figures.uiCpuSeconds = ThreadCpuSeconds() - cpuStart;
        figures.seconds = std::chrono::duration<double>(lastProgress - start).count();
        figures.sent = sent;
        figures.handled = handled;
        return figures;
    }

    // UI thread CPU seconds per second with the page open and no reports coming.
    double IdleCost(int page) {
        ShowPage(page);
        const double cpuStart = ThreadCpuSeconds();
        QElapsedTimer timer;
        timer.start();
        RunEventLoop(IdleSeconds);
        return (ThreadCpuSeconds() - cpuStart) / (static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    }

    // The same for a bare 10 ms timer that pauses itself on each tick as the window's do, with
    // no window work: what the machine charges for the wake-ups alone.
    static double BareTimerCost() {
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&timer] {
            timer.stop();
            timer.start();
        });
        timer.start(10);
        const double cpuStart = ThreadCpuSeconds();
        QElapsedTimer elapsed;
        elapsed.start();
        RunEventLoop(IdleSeconds);
        return (ThreadCpuSeconds() - cpuStart) /
               (static_cast<double>(elapsed.nsecsElapsed()) * 1e-9);
    }

private:
    static ReportImages Images() {
        RegisterStandardModules();
        return ConfigToReport(LargestConfig()).images;
    }

    template <typename Control> Control* Find(const char* name) {
        return window->findChild<Control*>(QString::fromLatin1(name));
    }

    // The controller's own reports, its axes sweeping, so every report changes the figures.
    void PackReports() {
        controller.with([this](SimController& c) {
            for (int n = 0; n < DistinctReports; ++n) {
                for (int axis = 0; axis < 8; ++axis)
                    c.live().axisValues[axis] = (n * 16 + axis * 1000) % 16384;
                reports.push_back(c.inputReport());
            }
        });
    }

    void Send(int rate, std::atomic<long>& sent) {
        const auto joystick = controller.joystickInterface();
        if (!joystick)
            return;
        const auto start = Clock::now();
        const auto end = start + std::chrono::duration<double>(RunSeconds);
        long count = 0;
        for (auto now = start; now < end; now = Clock::now()) {
            const long due =
                rate > 0
                    ? static_cast<long>(std::chrono::duration<double>(now - start).count() * rate)
                    : handled.load() + FlatOutInFlight;
            while (count < due) {
                bus.queueInput(*joystick,
                               reports[static_cast<std::size_t>(count % DistinctReports)]);
                sent = ++count;
            }
            if (rate > 0)
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            else
                std::this_thread::yield();
        }
    }

    SimHidBus bus;
    ScopedHidBus busGuard{bus};
    SimControllerDevice controller;
    std::vector<std::vector<BYTE>> reports;
    QTemporaryDir folder;
    std::unique_ptr<TMForm> window;
    std::atomic<long> handled{0};
};

void PrintRun(const char* page, int rate, const RunFigures& f) {
    const double perSecond = f.seconds > 0 ? f.handled / f.seconds : 0;
    const long lost = f.sent - f.handled;
    const double perReportUs = f.handled > 0 ? f.uiCpuSeconds / f.handled * 1e6 : 0;
    const double busy = f.seconds > 0 ? f.uiCpuSeconds / f.seconds * 100 : 0;
    char rateText[16];
    if (rate > 0)
        std::snprintf(rateText, sizeof rateText, "%d/s", rate);
    else
        std::snprintf(rateText, sizeof rateText, "flat out");
    std::printf("%-11s %-9s %10.0f %8ld %6.1f%% %12.1f %7.1f%%\n", page, rateText, perSecond, lost,
                f.sent > 0 ? 100.0 * lost / f.sent : 0.0, perReportUs, busy);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Measured before the window exists, whose own timers would run meanwhile.
    const double bareTimer = LiveInputBench::BareTimerCost();
    LiveInputBench bench;
    if (!bench.Connect()) {
        std::fprintf(stderr, "the simulated controller did not connect\n");
        return 1;
    }
    std::printf("%-11s %-9s %10s %8s %7s %12s %8s\n", "page", "rate", "handled/s", "lost", "lost",
                "UI us/report", "UI busy");
    const struct {
        const char* name;
        int index;
    } pages[] = {{"statistics", TMForm::TabJoyStat}, {"axes", TMForm::TabOSI}};
    for (const auto& page : pages) {
        bench.ShowPage(page.index);
        for (const int rate : {1000, 4000, 8000, 0})
            PrintRun(page.name, rate, bench.Run(rate));
    }
    std::printf("idle statistics page: %.2f CPU ms per second on the UI thread\n",
                bench.IdleCost(TMForm::TabJoyStat) * 1000);
    std::printf("idle axes page:       %.2f CPU ms per second on the UI thread\n",
                bench.IdleCost(TMForm::TabOSI) * 1000);
    std::printf("a bare 10 ms timer:   %.2f CPU ms per second (the wake-ups alone)\n",
                bareTimer * 1000);
    return 0;
}
