// The configurator with a simulated controller plugged in, so the tool can be tried without
// hardware: its line appears in the device list, a click connects it, and it answers every
// report a real controller answers while its sticks sway slowly.

#include "configurator/model/axis_rules.h"
#include "configurator/model/report_bits.h"
#include "configurator/program_process.h"
#include "configurator/sim/sim_controller_device.h"
#include "configurator/window/display_check.h"
#include "configurator/window/main_form.h"
#include "platform/hidbus/sim_hid_bus.h"

#include <QTimer>
#include <cmath>

namespace {

constexpr int TickMilliseconds = 20;

constexpr int SwayingAxes = 4;
constexpr int InternalAdc = 2;
constexpr int FirstAdcPin = 41; // F0

// The controller starts with sensors on the swaying axes, so a read shows their values move.
ReportImages DemoImages() {
    Config config = DefaultConfig();
    for (int axis = 0; axis < SwayingAxes; ++axis) {
        config.axes[axis].source = InternalAdc;
        config.axes[axis].port = FirstAdcPin + axis;
        config.axes[axis].usage = axis + 1;
        config.axes[axis].precision = 6; // 14 bits: the statistics chart's whole height
    }
    ApplyAxisRules(config);
    return ConfigToReport(config).images;
}

// Moves the first axes along slow waves and presses one button now and then.
void Sway(SimController& controller, double seconds) {
    LiveData& live = controller.live();
    for (int axis = 0; axis < SwayingAxes; ++axis) {
        const double wave = std::sin(seconds * (0.5 + 0.3 * axis));
        live.rawValues[axis] = int(512 + 500 * wave);
        // Outputs span the axis's precision, as the statistics and curve charts expect.
        const int half = PrecisionMaxValue(controller.activeConfig().axes[axis].precision) / 2;
        live.axisValues[axis] = int(half + (half - 1) * wave);
    }
    live.buttons[0] = std::fmod(seconds, 2.0) < 1.0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!EnsureDisplay(argc, argv)) {
        return 1;
    }
    const ProgramProcess process(argc, argv);
    SimHidBus bus;
    const ScopedHidBus busGuard(bus);
    SimControllerDevice controller(bus, QStringLiteral("TAVRO-SIM-0001"), DemoImages());

    TMForm form(QCoreApplication::applicationDirPath());
    QTimer ticker;
    double seconds = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        seconds += TickMilliseconds / 1000.0;
        controller.with([&](SimController& c) { Sway(c, seconds); });
        controller.tick(TickMilliseconds);
    });
    ticker.start(TickMilliseconds);
    form.show();
    return QApplication::exec();
}
