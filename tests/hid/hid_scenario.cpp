#include "tests/hid/hid_scenario.h"

#include "hid/hid_api.h"
#include "hid/setup_api.h"
#include "platform/modules/standard_modules.h"

#include <QThread>

QCoreApplication& TestApp() {
    static int argc = 1;
    static char name[] = "hid_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        TestApp().processEvents(QEventLoop::AllEvents);
        QThread::yieldCurrentThread();
    }
    return done();
}

void PumpPosted() {
    TestApp().processEvents(QEventLoop::AllEvents);
}

SimHidDeviceSpec JoystickSpec(WORD vendorId, WORD productId, const QString& product) {
    SimHidDeviceSpec spec;
    spec.vendorId = vendorId;
    spec.productId = productId;
    spec.manufacturer = QStringLiteral("Tavro");
    spec.product = product;
    spec.serial = QStringLiteral("SN-") + product;
    spec.reportDescriptor = {
        0x05, 0x01,       // usage page: generic desktop
        0x09, 0x04,       // usage: joystick
        0xA1, 0x01,       // collection: application
        0x85, 0x01,       //   report id 1
        0x06, 0x00, 0xFF, //   usage page: vendor
        0x09, 0x01,       //   usage 1
        0x15, 0x00,       //   logical minimum 0
        0x26, 0xFF, 0x00, //   logical maximum 255
        0x75, 0x08,       //   report size 8
        0x95, 0x08,       //   report count 8
        0x81, 0x02,       //   input: data, variable, absolute
        0x85, 0x04,       //   report id 4
        0x09, 0x02,       //   usage 2
        0x96, 0xFE, 0x00, //   report count 254
        0xB1, 0x02,       //   feature: data, variable, absolute
        0xC0,             // end collection
    };
    spec.getFeature = [](std::span<BYTE> report) -> DWORD {
        for (std::size_t i = 1; i < report.size(); ++i)
            report[i] = static_cast<BYTE>(i);
        return ERROR_SUCCESS;
    };
    return spec;
}

HidScenario::HidScenario() {
    TestApp();
    RegisterStandardModules();
}

HidScenario::~HidScenario() {
    // A controller leaves the devices still lent out to their borrower: give them back first.
    if (controller) {
        for (TWkHidDevice* device : Offered()) {
            if (device->IsCheckedOut())
                controller->CheckIn(device);
        }
    }
    controller.reset();
    PumpPosted();
}

TWkHidDeviceController& HidScenario::StartController() {
    controller = std::make_unique<TWkHidDeviceController>();
    PumpPosted();
    return *controller;
}

std::vector<TWkHidDevice*> HidScenario::Offered() {
    std::vector<TWkHidDevice*> devices;
    const TWkHidEnumerateEvent previous = controller->OnEnumerate();
    controller->SetOnEnumerate(TWkHidEnumerateEvent::FromCallable([&](TWkHidDevice* d, int) {
        devices.push_back(d);
        // Cached for the name look-ups made outside an enumeration.
        d->ProductName();
        d->VendorName();
        return true;
    }));
    controller->Enumerate();
    controller->SetOnEnumerate(previous);
    return devices;
}
