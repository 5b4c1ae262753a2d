// The window's two charts: both are found and set up here; the curve chart of the
// special-function page shows the selected curve over the value range of the axis chosen in
// CurveVisualAxis, with that axis's live position as the chart's cursor.

#include "components/chart/chart.h"
#include "configurator/model/curve.h"
#include "configurator/stats/curve_chart.h"
#include "configurator/window/main_form.h"
#include "configurator/window/named_control.h"
#include "configurator/window/statistics_page.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr int ChartPens = 2;
constexpr int CurveChartValues = 4096;

} // namespace

void TMForm::AttachCharts() {
    statistics_ = std::make_unique<StatisticsPage>(*this);
    curveVisual_ = FindNamed<TWkChart>(*this, "CurveVisual");
    curveVisualAxis_ = FindNamed<QComboBox>(*this, "CurveVisualAxis");
    curveVisualAxisValueFixed_ = FindNamed<QLineEdit>(*this, "CurveVisualAxisValueFixed");
}

void TMForm::SetupCharts() {
    state_.ChartCursor = 0;
    statistics_->Setup();
    state_.SelectedCurve = 1;
    curveVisual_->Options().SetPenCount(ChartPens);
    curveVisual_->Data().SetValueCount(CurveChartValues);
    curveVisual_->Options().SetPenColor(0, clBlue);
    curveVisual_->Options().SetPenColor(1, clRed);
}

void TMForm::ShowCurveChart() {
    const Config config = CurrentConfig();
    const int axis = curveVisualAxis_->currentIndex();
    const SpecialFunctionSlot& slot =
        config.specialFunctions[static_cast<std::size_t>(state_.SelectedCurve - 1)];
    const std::optional<int> atCursor =
        ShowCurve(*curveVisual_, CurveValues(slot, CurveAxisPrecision(config, axis)), axis == 0);
    if (atCursor) {
        curveVisualAxisValueFixed_->setText(QString::number(*atCursor));
    }
}

void TMForm::ShowCurveAxisPosition(int value) {
    curveVisual_->SetCursorPosition(value);
    CurveVisualRefrash();
}
