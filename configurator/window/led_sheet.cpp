#include "configurator/window/led_sheet.h"

#include "configurator/window/color_combo.h"
#include "configurator/window/device_session.h"
#include "configurator/window/exchange_window.h"
#include "configurator/window/named_control.h"
#include "configurator/window/widget_factory.h"
#include "platform/ui/ui_host.h"

namespace {

// The controller needs this long to answer a selected LED.
constexpr unsigned LedAnswerPauseMs = 100;
constexpr int LedSelectBase = 10;

} // namespace

LedSheet::LedSheet(const QWidget& root, ExchangeWindow& window) : window_(window) {
    for (int k = 1; k <= LedCount; ++k) {
        colors_[k - 1] = FindNamed<TWkColorComboBox>(root, NumberName("led_color_%1", k, 2));
    }
}

// Only the first transfer is checked: a controller that takes it takes the others.
void LedSheet::led_setClick() {
    FormState& state = window_.State();
    DeviceSession session(state);
    if (!session.Present()) {
        window_.ShowNoFirmwareDevice();
        return;
    }
    for (int k = 1; k <= LedCount; ++k) {
        LedReport report = MakeLedSetReport(k, ColorToRGB(colors_[k - 1]->ColorValue()));
        const TransferOutcome outcome = session.SetFeature(report.data(), LedReportLength);
        if (k == 1) {
            state.LastTransferOk = outcome.ok;
            state.LastErrorText = outcome.errorText;
            if (!outcome.ok) {
                uiHost().showMessage(QStringLiteral("Error [") + outcome.errorText +
                                     QLatin1Char(']'));
                return;
            }
        }
    }
}

// Answers are not checked: a failed read shows black.
void LedSheet::led_getClick() {
    DeviceSession session(window_.State());
    if (!session.Present()) {
        window_.ShowNoDevice();
        return;
    }
    session.FlushQueue();
    for (int k = 1; k <= LedCount; ++k) {
        LedReport select = MakeLedSelectReport(k);
        session.SetFeature(select.data(), LedReportLength);
        uiHost().sleep(LedAnswerPauseMs);
        if (!session.Present()) {
            window_.ShowNoDevice();
            return;
        }
        LedReport answer{};
        answer[0] = LedReportId;
        answer[1] = std::uint8_t(LedSelectBase + k);
        if (!session.GetFeature(answer.data(), LedReportLength).ok) {
            answer = {};
        }
        colors_[k - 1]->SetColorValue(TColor(LedColorOf(answer)));
    }
}
