#include "configurator/window/statistics_page.h"

#include "components/chart/chart.h"
#include "configurator/window/changed_text.h"
#include "configurator/window/color_combo.h"
#include "configurator/window/event_guard.h"
#include "configurator/window/named_control.h"
#include "configurator/window/widget_factory.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int LiveChartPens = 2;
constexpr int LiveChartValues = 500;
// The 10 ms steps come faster than a screen shows them: every second one shows, 50 times a
// second.
constexpr int StepsPerFrame = 2;

} // namespace

StatisticsPage::StatisticsPage(QWidget& root) {
    chart_ = FindNamed<TWkChart>(root, QStringLiteral("joy_osi_visual"));
    visualMin_ = FindNamed<QLineEdit>(root, QStringLiteral("joy_osi_visual_min"));
    visualMax_ = FindNamed<QLineEdit>(root, QStringLiteral("joy_osi_visual_max"));
    for (int pen = 1; pen <= 2; ++pen) {
        penAxes_[pen - 1] = FindNamed<QComboBox>(root, NumberName("joy_osi_use_%1", pen, 2));
        penColors_[pen - 1] =
            FindNamed<TWkColorComboBox>(root, NumberName("joy_osi_clr_%1", pen, 2));
    }
    usbpps_ = FindNamed<QLineEdit>(root, QStringLiteral("joy_usbpps"));
    resetButton_ = FindNamed<QPushButton>(root, QStringLiteral("JoyStatReset"));
    const char* columns[ColumnCount] = {"joy_osi_raw_%1", "joy_osi_min_%1", "joy_osi_max_%1",
                                        "joy_osi_stp_%1", "joy_osi_fps_%1"};
    for (int axis = 1; axis <= StatAxisCount; ++axis) {
        for (int column = 0; column < ColumnCount; ++column) {
            edits_[axis - 1][column] =
                FindNamed<QLineEdit>(root, NumberName(columns[column], axis, 2));
        }
        sources_[axis - 1] = FindNamed<QComboBox>(root, NumberName("osi_%1_src", axis));
        precisions_[axis - 1] = FindNamed<QComboBox>(root, NumberName("osi_%1_prcsn", axis));
    }
    ConnectHandlers();
}

void StatisticsPage::ConnectHandlers() {
    QObject::connect(visualMin_, &QLineEdit::textChanged, chart_,
                     Guarded([this] { joy_osi_visual_maxChange(); }));
    QObject::connect(visualMax_, &QLineEdit::textChanged, chart_,
                     Guarded([this] { joy_osi_visual_maxChange(); }));
    for (std::size_t pen = 0; pen < penAxes_.size(); ++pen) {
        QObject::connect(penAxes_[pen], &QComboBox::activated, chart_,
                         Guarded([this] { joy_osi_clr_01Change(); }));
        QObject::connect(penColors_[pen], &QComboBox::activated, chart_,
                         Guarded([this] { joy_osi_clr_01Change(); }));
    }
    QObject::connect(resetButton_, &QPushButton::clicked, chart_,
                     Guarded([this] { JoyStatResetClick(); }));
    // Of a click the button and the row are used; the chart guards its handlers itself.
    chart_->OnChartClick = [this](TWkChart*, Qt::MouseButton button, Qt::KeyboardModifiers, int,
                                  int y, int, int, bool&, bool&, QStringList&) {
        joy_osi_visualChartClick(button, y);
    };
}

void StatisticsPage::Setup() {
    chart_->Options().SetPenCount(LiveChartPens);
    chart_->Data().SetValueCount(LiveChartValues);
    joy_osi_visual_maxChange();
    joy_osi_clr_01Change();
}

std::array<int, StatAxisCount> StatisticsPage::FieldWidths() const {
    std::array<int, StatAxisCount> widths{};
    for (std::size_t i = 0; i < widths.size(); ++i) {
        AxisRow row;
        row.source = sources_[i]->currentIndex();
        row.precision = precisions_[i]->currentIndex();
        widths[i] = StatFieldWidth(row);
    }
    return widths;
}

void StatisticsPage::HIDDeviceData(int reportId, const std::uint8_t* data, std::size_t size) {
    statistics_.HIDDeviceData(reportId, data, size, FieldWidths());
    figuresPending_ = figuresPending_ || reportId == 1;
}

void StatisticsPage::ShowAxis(int axis) {
    const AxisStatistics& figures = statistics_.Axis(axis);
    const auto& edits = edits_[axis - 1];
    SetChangedText(edits[RawColumn], JoyStatistics::Text(figures.Raw));
    SetChangedText(edits[MinColumn], JoyStatistics::Text(figures.Min));
    SetChangedText(edits[MaxColumn], JoyStatistics::Text(figures.Max));
    SetChangedText(edits[StepColumn], JoyStatistics::Text(figures.Step));
    SetChangedText(edits[FpsColumn], JoyStatistics::Text(figures.Fps));
}

void StatisticsPage::ShowFigures() {
    figuresPending_ = false;
    const std::array<int, StatAxisCount> widths = FieldWidths();
    for (int axis = 1; axis <= StatAxisCount; ++axis) {
        if (widths[axis - 1] > 0) {
            ShowAxis(axis);
        }
    }
}

void StatisticsPage::ChartStep() {
    feed_.Tick(*chart_, statistics_, penAxes_[0]->currentIndex(), penAxes_[1]->currentIndex());
    const bool shows = steps_ == 0;
    steps_ = (steps_ + 1) % StepsPerFrame;
    if (!shows) {
        return;
    }
    if (figuresPending_) {
        ShowFigures();
    }
    feed_.Show(*chart_);
}

void StatisticsPage::RateTick() {
    const StatRates rates = statistics_.TmrPerSecondTimer();
    SetChangedText(usbpps_, QString::number(rates.ReportsPerSecond));
    for (int axis = 1; axis <= StatAxisCount; ++axis) {
        SetChangedText(edits_[axis - 1][FpsColumn],
                       QString::number(rates.ChangesPerSecond[axis - 1]));
    }
}

void StatisticsPage::JoyStatResetClick() {
    statistics_.JoyStatResetClick();
    for (int axis = 1; axis <= StatAxisCount; ++axis) {
        ShowAxis(axis);
    }
}

void StatisticsPage::joy_osi_visualChartClick(Qt::MouseButton button, int y) {
    const ChartRange range =
        ZoomForChartClick(button, y, chart_->height(), visualMin_->text(), visualMax_->text());
    visualMin_->setText(QString::number(range.Min));
    visualMax_->setText(QString::number(range.Max));
    joy_osi_visual_maxChange();
}

void StatisticsPage::joy_osi_visual_maxChange() {
    ApplyVisualRange(*chart_, VisualRange(visualMin_->text(), visualMax_->text()));
}

void StatisticsPage::joy_osi_clr_01Change() {
    chart_->Options().SetPenColor(0, penColors_[0]->ColorValue());
    chart_->Options().SetPenColor(1, penColors_[1]->ColorValue());
    // The chart step draws only what changes: the new colours need the whole chart drawn.
    chart_->Options().Changed();
}
