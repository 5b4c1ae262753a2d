#include "tests/configurator/exchange/exchange_fixture.h"

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
    hid = std::make_unique<TWkHidDeviceController>();
    hid->DeviceChange();
    Open();
}

void ExchangeTest::TearDown() {
    WindowTest::TearDown();
    if (device != nullptr) {
        hid->CheckIn(device);
    }
    hid.reset();
    sim.reset();
    busGuard.reset();
}

void ExchangeTest::Connect() {
    ASSERT_TRUE(hid->CheckOutByCallback(
        device, [](TWkHidDevice* candidate) { return candidate->Caps().Usage == 1; }));
    State().ConfigDevice = device;
    State().PollingEnabled = true;
    host.log.clear();
}

void ExchangeTest::Unplug() {
    sim.reset();
    hid->DeviceChange();
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
