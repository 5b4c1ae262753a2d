#include "configurator/window/live_data_view.h"

#include "configurator/window/changed_text.h"
#include "configurator/window/control_color.h"
#include "configurator/window/exchange_window.h"
#include "configurator/window/named_control.h"
#include "configurator/window/widget_factory.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int BoardItemCount = 4; // "--" and the three boards

} // namespace

LiveDataView::LiveDataView(const QWidget& root, const ControlArrays& arrays, ExchangeWindow& window)
    : arrays_(arrays), window_(window),
      hardware_(FindNamed<QComboBox>(root, QStringLiteral("joy_hardware"))),
      hardwareMcu_(FindNamed<QComboBox>(root, QStringLiteral("joy_hardware_mcu"))),
      uptime_(FindNamed<QLineEdit>(root, QStringLiteral("joy_uptime"))),
      debugText_(FindNamed<QLineEdit>(root, QStringLiteral("DebugText"))),
      curveAxis_(FindNamed<QComboBox>(root, QStringLiteral("CurveVisualAxis"))),
      curveAxisValue_(FindNamed<QLineEdit>(root, QStringLiteral("CurveVisualAxisValue"))) {
    for (int k = 1; k <= LiveButtonCount; ++k) {
        buttons_[k - 1] = FindNamed<QLabel>(root, NumberName("joy_knp_%1", k, 2));
    }
    for (int n = 1; n <= LiveAxisCount; ++n) {
        errorCounters_[n - 1] = FindNamed<QLineEdit>(root, NumberName("adc_error_%1", n));
    }
}

void LiveDataView::Show(const LiveData& data, bool curvePage) {
    ShowBoard(data.board);
    SetChangedText(uptime_, UptimeText(data));
    for (int row = 1; row <= LiveAxisCount; ++row) {
        if (RowHasSource(row)) {
            SetChangedText(arrays_.OsiValue[row], QString::number(data.rawValues[row - 1]));
        }
    }
    ShowButtons(data);
    ShowAxisOutputs(data, curvePage);
    SetChangedText(debugText_, DebugLineText(data));
    for (int n = 0; n < LiveAxisCount; ++n) {
        SetChangedText(errorCounters_[n], QString::number(data.errorCounters[n]));
    }
}

void LiveDataView::ShowBoard(int board) {
    if (board < 0 || board >= BoardItemCount) {
        return;
    }
    hardware_->setCurrentIndex(board);
    hardwareMcu_->setCurrentText(BoardMcuName(board));
}

void LiveDataView::ShowButtons(const LiveData& data) {
    for (int k = 0; k < LiveButtonCount; ++k) {
        const bool pressed = data.buttons[k];
        if (lampsPressed_[k] == pressed) {
            continue;
        }
        lampsPressed_[k] = pressed;
        SetControlColor(buttons_[k], QPalette::Window, pressed ? clRed : clBtnFace);
    }
}

void LiveDataView::ShowAxisOutputs(const LiveData& data, bool curvePage) {
    for (int row = 1; row <= LiveAxisCount; ++row) {
        const int value = data.axisValues[row - 1];
        if (RowHasSource(row)) {
            SetChangedText(arrays_.OsiAxisValue[row], QString::number(value));
        }
        if (curvePage && row == curveAxis_->currentIndex()) {
            SetChangedText(curveAxisValue_, arrays_.OsiAxisValue[row]->text());
            window_.ShowCurveAxisValue(value);
        }
    }
}

bool LiveDataView::RowHasSource(int row) const {
    return arrays_.OsiSrc[row]->currentIndex() != 0;
}
