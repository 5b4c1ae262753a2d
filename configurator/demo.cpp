// The configurator with a simulated controller plugged in, so the tool can be tried without
// hardware: its line appears in the device list, a click connects it, and it answers every
// report a real controller answers while its sticks sway slowly.

#include "configurator/sim/sim_controller_device.h"
#include "configurator/window/main_form.h"
#include "platform/hidbus/sim_hid_bus.h"
#include "platform/modules/standard_modules.h"

#include <QApplication>
#include <QTimer>
#include <cmath>

namespace {

constexpr int TickMilliseconds = 20;

// Moves the first axes along slow waves and presses one button now and then.
void Sway(SimController& controller, double seconds) {
    LiveData& live = controller.live();
    for (int axis = 0; axis < 4; ++axis) {
        const double wave = std::sin(seconds * (0.5 + 0.3 * axis));
        live.rawValues[axis] = int(512 + 500 * wave);
        live.axisValues[axis] = int(8192 + 8000 * wave);
    }
    live.buttons[0] = std::fmod(seconds, 2.0) < 1.0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavro2"));
    RegisterStandardModules();
    SimHidBus bus;
    const ScopedHidBus busGuard(bus);
    SimControllerDevice controller(bus);

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
    return app.exec();
}
