#include "configurator/window/controller_exchange.h"

#include "configurator/window/device_session.h"
#include "configurator/window/exchange_window.h"
#include "configurator/window/named_control.h"
#include "platform/ui/ui_host.h"

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr unsigned ReadPauseMs = 250;
constexpr unsigned WritePauseMs = 1000;
constexpr int ConfigImageCount = 3;

void ShowFailure(const char* failure, const QString& errorText) {
    uiHost().showMessage(QString::fromLatin1(failure) + errorText + QLatin1Char(']'));
}

} // namespace

ControllerExchange::ControllerExchange(const QWidget& root, ExchangeWindow& window)
    : window_(window), checkInfo_(FindNamed<QLineEdit>(root, "chk_report_info")),
      restart_(FindNamed<QPushButton>(root, "btnRestart")), images_(window.State().Images) {}

ControllerExchange::Step ControllerExchange::StillThere(const DeviceSession& session) {
    if (session.Present()) {
        return Step::Done;
    }
    window_.ShowNoDevice();
    return Step::DeviceLost;
}

void ControllerExchange::btnRead_MKClick() {
    FormState& state = window_.State();
    state.PollingEnabled = false;
    uiHost().sleep(ReadPauseMs);
    DeviceSession session(state);
    if (StillThere(session) == Step::DeviceLost) {
        return;
    }
    session.FlushQueue();
    if (ReadImage(session, images_.axis, AxisReportId, AxisReportLength,
                  "Error read config_axis(get).[") == Step::DeviceLost) {
        return;
    }
    session.FlushQueue();
    if (ReadImage(session, images_.general, GeneralReportId, GeneralReportLength,
                  "Error read config(get).[") == Step::DeviceLost) {
        return;
    }
    if (ReadImage(session, images_.hid, HidReportId, HidReportLength,
                  "Error read config_hid(get).[") == Step::DeviceLost) {
        return;
    }
    window_.ShowDeviceConfig(ReportToConfig(images_.axis, images_.general, images_.hid));
    window_.CheckConfig();
    state.PollingEnabled = true;
    window_.ResetStatistics();
}

ControllerExchange::Step ControllerExchange::ReadImage(DeviceSession& session, ReportImage& image,
                                                       std::uint8_t reportId, int length,
                                                       const char* failure) {
    FormState& state = window_.State();
    image.fill(0);
    image[0] = reportId;
    const TransferOutcome outcome = session.GetFeature(image.data(), length);
    state.LastTransferOk = outcome.ok;
    state.LastErrorText = outcome.errorText;
    if (outcome.ok) {
        return Step::Done;
    }
    // What a failed get may have left is not the controller's answer: the image stays cleared.
    image.fill(0);
    image[0] = reportId;
    ShowFailure(failure, outcome.errorText);
    return StillThere(session);
}

// Once a set has gone out, live polling stays off until the next read or connection; a write
// that sent nothing leaves polling as it was.
void ControllerExchange::btnWrite_MKClick() {
    FormState& state = window_.State();
    const bool polling = state.PollingEnabled;
    state.PollingEnabled = false;
    uiHost().sleep(WritePauseMs);
    if (!EncodeForWrite()) {
        state.PollingEnabled = polling;
        return;
    }
    DeviceSession session(state);
    WriteTally tally;
    const Step step = WriteConfiguration(session, tally);
    if (tally.sent == 0) {
        state.PollingEnabled = polling;
    }
    if (step == Step::DeviceLost || tally.failed == ConfigImageCount) {
        return;
    }
    const int answer =
        uiHost().messageBox(QStringLiteral("Ok. ") + restart_->text() + QLatin1Char('?'),
                            QStringLiteral("Confirm"), MB_YESNO | MB_ICONQUESTION);
    if (StillThere(session) == Step::DeviceLost) {
        return;
    }
    if (answer == IDYES) {
        btnRestartClick();
    }
}

ControllerExchange::Step ControllerExchange::WriteConfiguration(DeviceSession& session,
                                                                WriteTally& tally) {
    if (StillThere(session) == Step::DeviceLost ||
        WriteImage(session, images_.axis, AxisReportLength, "Error write config_axis.[", tally) ==
            Step::DeviceLost ||
        WriteImage(session, images_.general, GeneralReportLength, "Error write config.[", tally) ==
            Step::DeviceLost ||
        WriteImage(session, images_.hid, HidReportLength, "Error write config_hid.[", tally) ==
            Step::DeviceLost) {
        return Step::DeviceLost;
    }
    return Step::Done;
}

// The check runs first; the encoding may find more (a value with no encoding, a descriptor
// beyond the controller's limit). Anything found is shown and nothing is sent.
bool ControllerExchange::EncodeForWrite() {
    window_.CheckConfig();
    window_.ConfigToReport();
    if (window_.State().ConfigError) {
        uiHost().showMessage(checkInfo_->text());
        return false;
    }
    return true;
}

ControllerExchange::Step ControllerExchange::WriteImage(DeviceSession& session, ReportImage& image,
                                                        int length, const char* failure,
                                                        WriteTally& tally) {
    FormState& state = window_.State();
    uiHost().sleep(WritePauseMs);
    if (StillThere(session) == Step::DeviceLost) {
        return Step::DeviceLost;
    }
    ++tally.sent;
    const TransferOutcome outcome = session.SetFeature(image.data(), length);
    state.LastTransferOk = outcome.ok;
    state.LastErrorText = outcome.errorText;
    if (outcome.ok) {
        return Step::Done;
    }
    ++tally.failed;
    ShowFailure(failure, outcome.errorText);
    return StillThere(session);
}

void ControllerExchange::btnRestartClick() {
    Command(ControllerCommand::Restart);
}

void ControllerExchange::btnOpenBLClick() {
    Command(ControllerCommand::Bootloader);
}

void ControllerExchange::btnResetCnfClick() {
    Command(ControllerCommand::ResetConfiguration);
}

// A command is written through the general-configuration image, as the controller expects it
// there; every write and save encodes that image again first.
void ControllerExchange::Command(ControllerCommand command) {
    FormState& state = window_.State();
    state.PollingEnabled = false;
    uiHost().sleep(ReadPauseMs);
    DeviceSession session(state);
    if (!session.Present()) {
        ShowNoDeviceFor(command);
        return;
    }
    const CommandReport report = MakeCommandReport(command);
    images_.general.fill(0);
    std::copy(report.begin(), report.end(), images_.general.begin());
    state.LastTransferOk = session.SetFeature(images_.general.data(), CommandReportLength).ok;
    // A restarting controller leaves and may come back; one in its bootloader does not.
    switch (command) {
    case ControllerCommand::Restart:
        window_.DropDevices();
        window_.EnumerateDevices();
        break;
    case ControllerCommand::Bootloader:
        window_.DropDevices();
        break;
    case ControllerCommand::ResetConfiguration:
        break;
    }
}

void ControllerExchange::ShowNoDeviceFor(ControllerCommand command) {
    if (command == ControllerCommand::Restart) {
        window_.ShowNoDevice();
    } else {
        window_.ShowNoFirmwareDevice();
    }
}
