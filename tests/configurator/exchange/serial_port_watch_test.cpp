// The firmware page's serial-port watch: whole port names, the colour of com_port and the
// loader started once per checking of the auto-start box.

#include "configurator/window/live_data_poll.h"
#include "configurator/window/serial_port_watch.h"
#include "platform/ui/color.h"
#include "tests/configurator/exchange/exchange_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

namespace {

// The window as the poll sees it, with the machine's port list and the loader start replaced.
class PortWatchWindow final : public ExchangeWindow {
public:
    PortWatchWindow(FormExchange& window, QStringList& log) : window_(window), log_(log) {}

    QString ports;

    FormState& State() override { return window_.State(); }
    int ActivePage() const override { return window_.ActivePage(); }
    void ShowNoDevice() override { window_.ShowNoDevice(); }
    void ShowNoFirmwareDevice() override { window_.ShowNoFirmwareDevice(); }
    void CheckConfig() override { window_.CheckConfig(); }
    void ConfigToReport() override { window_.ConfigToReport(); }
    Config CurrentConfig() const override { return window_.CurrentConfig(); }
    void ShowDeviceConfig(const Config& config) override { window_.ShowDeviceConfig(config); }
    void ResetStatistics() override { window_.ResetStatistics(); }
    void DropDevices() override { window_.DropDevices(); }
    void EnumerateDevices() override { window_.EnumerateDevices(); }
    QString ComPortList() override { return ports; }
    void StartFirmware() override { log_ << QStringLiteral("start firmware loader"); }
    void ShowCurveAxisValue(int value) override { window_.ShowCurveAxisValue(value); }

private:
    FormExchange& window_;
    QStringList& log_;
};

} // namespace

TEST(SerialPortWatch, SplitsCommaText) {
    struct Case {
        QString text;
        QStringList items;
    };
    const Case cases[] = {
        {"", {}},
        {"COM1", {"COM1"}},
        {"COM1,COM3", {"COM1", "COM3"}},
        {" /dev/ttyACM0 , /dev/ttyUSB1", {"/dev/ttyACM0", "/dev/ttyUSB1"}},
        {"\"a,b\",\"say \"\"hi\"\"\",c", {"a,b", "say \"hi\"", "c"}},
        {"\"\",x", {"", "x"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitCommaText(c.text), c.items) << c.text.toStdString();
    }
}

TEST(SerialPortWatch, MatchesWholeNamesOnly) {
    struct Case {
        QString ports;
        QString port;
        bool listed;
    };
    const Case cases[] = {
        {"COM1,COM3", "COM1", true},       {"COM1,COM3", "COM3", true}, {"COM10", "COM1", false},
        {"COM1", "COM10", false},          {"COM1,COM3", "", false},    {"", "", false},
        {"\"COM 1\",COM2", "COM 1", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PortListed(c.ports, c.port), c.listed)
            << c.ports.toStdString() << " / " << c.port.toStdString();
    }
}

TEST_F(ExchangeTest, ThePortWatchColoursThePortAndStartsTheLoaderOnce) {
    struct Case {
        const char* name;
        QString ports;
        QString port;
        bool autoStart;
        TColor colour;
        int starts;
    };
    const Case cases[] = {
        {"match", "/dev/ttyACM0,/dev/ttyUSB1", "/dev/ttyUSB1", false, clGreen, 0},
        {"no match", "COM10", "COM1", false, clWindow, 0},
        {"no ports", "", "COM1", true, clWindow, 0},
        {"empty port", "COM1", "", true, clWindow, 0},
        {"auto start", "COM1,COM3", "COM3", true, clGreen, 1},
    };
    PortWatchWindow window(Exchange(), host.log);
    LiveDataPoll poll(*form, form->Arrays(), window);
    Find<QTabWidget>(QStringLiteral("WkPageControl"))->setCurrentIndex(TMForm::TabFMW);
    auto* port = Find<QLineEdit>(QStringLiteral("com_port"));
    auto* autoStart = Find<QCheckBox>(QStringLiteral("chk_autofirmware"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.ports = c.ports;
        port->setText(c.port);
        autoStart->setChecked(c.autoStart);
        host.log.clear();

        poll.Run();
        poll.Run();

        EXPECT_EQ(port->palette().color(QPalette::Base), ToQColor(c.colour));
        EXPECT_EQ(host.log.count(QStringLiteral("start firmware loader")), c.starts);
        EXPECT_EQ(autoStart->isChecked(), c.autoStart && c.starts == 0);
    }
}
