#include "tests/configurator/exchange/exchange_fixture.h"

#include "hid/hid_controller.h"
#include "platform/modules/standard_modules.h"
#include "platform/win32/last_error.h"

#include <QPushButton>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList& lines, std::ostream* out) {
    *out << "\n  " << lines.join(QStringLiteral("\n  ")).toStdString();
}

void ExchangeTest::SetUp() {
    WindowTest::SetUp();
    RegisterStandardModules();
    busGuard = std::make_unique<ScopedHidBus>(logBus);
    sim = std::make_unique<SimControllerDevice>(simBus);
    Open();
    // The first scan, which the controller's posted message would start.
    form->HID().DeviceChange();
}

void ExchangeTest::TearDown() {
    WindowTest::TearDown();
    device = nullptr;
    sim.reset();
    busGuard.reset();
}

void ExchangeTest::Connect() {
    SimControllerIdentity identity;
    sim->with([&](SimController& c) { identity = c.identity(); });
    State().FilterVid = identity.vendorId;
    State().FilterPid = identity.productId;
    form->HID().Enumerate();
    device = State().ConfigDevice;
    ASSERT_NE(device, nullptr);
    ASSERT_TRUE(State().PollingEnabled);
    host.log.clear();
}

void ExchangeTest::Unplug() {
    sim.reset();
    form->HID().DeviceChange();
}

QPushButton* ExchangeTest::Button(const char* name) {
    return Find<QPushButton>(QString::fromLatin1(name));
}

void ExchangeTest::EnableDeviceButtons() {
    for (const char* name :
         {"btnRead_MK", "btnWrite_MK", "btnRestart", "btnOpenBL", "btnResetCnf"}) {
        Button(name)->setEnabled(true);
    }
}

QString ExchangeTest::FailureText() {
    return SysErrorMessage(ERROR_GEN_FAILURE);
}
