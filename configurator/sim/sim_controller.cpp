#include "configurator/sim/sim_controller.h"

#include "configurator/model/config_check.h"
#include "configurator/sim/input_report_packer.h"
#include "platform/win32/last_error.h"

#include <algorithm>

namespace {

constexpr int LedSelectFirst = 11;
constexpr int LedSelectLast = 20;
constexpr int BoardAtmega32u4 = 1;

int TransferLength(std::uint8_t reportId) {
    switch (reportId) {
    case AxisReportId:
        return AxisReportLength;
    case GeneralReportId:
        return GeneralReportLength;
    case HidReportId:
        return HidReportLength;
    case LiveDataReportId:
        return LiveDataReportLength;
    case LedReportId:
        return LedReportLength;
    default:
        return 0;
    }
}

// ERROR_SUCCESS when report carries a known id and has that report's length.
DWORD CheckTransfer(std::span<const BYTE> report) {
    if (report.empty())
        return ERROR_INVALID_PARAMETER;
    const int length = TransferLength(report[0]);
    if (length == 0)
        return ERROR_GEN_FAILURE;
    return int(report.size()) == length ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
}

WORD WordAt(const ReportImage& image, int at) {
    return WORD(image[at] | (image[at + 1] << 8));
}

} // namespace

ReportImages DefaultControllerImages() {
    Config config = DefaultConfig();
    ClampSlotTimings(config);
    return ConfigToReport(config).images;
}

SimController::SimController(QString serial, const ReportImages& images) : images_(images) {
    identity_.serial = std::move(serial);
    live_.board = BoardAtmega32u4;
    start();
}

void SimController::start() {
    active_ = ReportToConfig(images_.axis, images_.general, images_.hid);
    const ReportImage& hid = images_.hid;
    identity_.vendorId = WordAt(hid, HidImageVendorIdAt);
    identity_.productId = WordAt(hid, HidImageProductIdAt);
    identity_.product = active_.identity.name;
    // A set of report 6 stores HidReportLength bytes; a length byte beyond them is cut there.
    const int length =
        std::min<int>(hid[HidImageDescriptorLengthAt], HidReportLength - HidImageDescriptorAt);
    descriptor_.assign(hid.begin() + HidImageDescriptorAt,
                       hid.begin() + HidImageDescriptorAt + length);
}

ReportImage* SimController::imageFor(std::uint8_t reportId) {
    switch (reportId) {
    case AxisReportId:
        return &images_.axis;
    case GeneralReportId:
        return &images_.general;
    case HidReportId:
        return &images_.hid;
    default:
        return nullptr;
    }
}

DWORD SimController::getFeature(std::span<BYTE> report) {
    if (const DWORD error = CheckTransfer(report))
        return error;
    const std::uint8_t id = report[0];
    if (const ReportImage* image = imageFor(id)) {
        std::copy_n(image->begin(), report.size(), report.begin());
        report[0] = id;
    } else if (id == LiveDataReportId) {
        EncodeLiveData(live_, report.data());
    } else {
        const std::uint32_t color = leds_[selectedLed_ - 1];
        const LedReport answer = {LedReportId,
                                  std::uint8_t(LedSelectFirst - 1 + selectedLed_),
                                  std::uint8_t(color & 0xFF),
                                  std::uint8_t((color >> 8) & 0xFF),
                                  std::uint8_t((color >> 16) & 0xFF),
                                  0};
        std::copy(answer.begin(), answer.end(), report.begin());
    }
    return ERROR_SUCCESS;
}

DWORD SimController::setFeature(std::span<const BYTE> report) {
    if (const DWORD error = CheckTransfer(report))
        return error;
    const std::uint8_t id = report[0];
    if (ReportImage* image = imageFor(id)) {
        image->fill(0);
        std::copy(report.begin(), report.end(), image->begin());
        return ERROR_SUCCESS;
    }
    if (id == CommandReportId)
        return command(report[1]);
    return led(report);
}

DWORD SimController::command(std::uint8_t code) {
    switch (ControllerCommand(code)) {
    case ControllerCommand::Restart:
        start();
        pending_ = ControllerCommand::Restart;
        return ERROR_SUCCESS;
    case ControllerCommand::Bootloader:
        pending_ = ControllerCommand::Bootloader;
        return ERROR_SUCCESS;
    case ControllerCommand::ResetConfiguration:
        images_ = DefaultControllerImages();
        return ERROR_SUCCESS;
    }
    return ERROR_INVALID_PARAMETER;
}

DWORD SimController::led(std::span<const BYTE> report) {
    const int sub = report[1];
    if (sub >= 1 && sub <= LedCount) {
        leds_[sub - 1] = report[2] | (report[3] << 8) | (std::uint32_t(report[4]) << 16);
        return ERROR_SUCCESS;
    }
    if (sub >= LedSelectFirst && sub <= LedSelectLast) {
        selectedLed_ = sub - (LedSelectFirst - 1);
        return ERROR_SUCCESS;
    }
    return ERROR_INVALID_PARAMETER;
}

std::optional<ControllerCommand> SimController::takeCommand() {
    return std::exchange(pending_, std::nullopt);
}

std::vector<std::uint8_t> SimController::inputReport() const {
    return PackInputReport(descriptor_, active_, live_, hats_);
}

void SimController::setHat(int hat, int position) {
    if (hat >= 1 && hat <= HatCount)
        hats_[hat - 1] = std::clamp(position, 0, HatCentred);
}

void SimController::tick(int milliseconds) {
    elapsedMs_ += std::max(milliseconds, 0);
    for (; elapsedMs_ >= 1000; elapsedMs_ -= 1000) {
        std::array<int, 3>& t = live_.uptime;
        if (++t[2] < 60)
            continue;
        t[2] = 0;
        if (++t[1] < 60)
            continue;
        t[1] = 0;
        t[0] = (t[0] + 1) % 256;
    }
}

std::uint32_t SimController::ledColor(int led) const {
    return led >= 1 && led <= LedCount ? leds_[led - 1] : 0;
}
