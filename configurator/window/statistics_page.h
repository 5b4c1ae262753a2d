#pragma once
// The statistics page of the main window: decodes the joystick interface's input reports into
// the 8 x 5 statistics edits, counts the reports per second into joy_usbpps and scrolls the two
// chosen axes over the live chart joy_osi_visual. The window hands it only the reports of its
// selected joystick interface and runs its timer steps only while the page is shown.

#include "configurator/stats/joy_statistics.h"
#include "configurator/stats/live_chart.h"

#include <QString>
#include <Qt>
#include <array>
#include <cstddef>
#include <cstdint>

class TWkColorComboBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;
class TWkChart;

class StatisticsPage {
public:
    // Finds the page's controls and the axis rows' source and precision boxes under root by
    // name and connects the page's own handlers. Throws std::runtime_error naming a control
    // that is missing or of another kind.
    explicit StatisticsPage(QWidget& root);

    TWkChart& Chart() const { return *chart_; }
    const JoyStatistics& Statistics() const { return statistics_; }
    // The position the next chart step writes, 0..500.
    int ChartCursor() const { return feed_.ChartCursor(); }

    // The live chart's start: two pens of 500 values, the range the edits hold, the pen colours
    // the boxes hold.
    void Setup();

    // One input report (data = the bytes after the id); the field widths come from the axis
    // rows the window shows.
    void HIDDeviceData(int reportId, const std::uint8_t* data, std::size_t size);
    // The 10 ms step: one point per pen at the chart cursor.
    void ChartStep();
    // The 1000 ms step: reports and changes counted since the last one.
    void RateTick();
    void JoyStatResetClick();

    // Zooms the chart's range for a click at row y (left in, right out, middle all).
    void joy_osi_visualChartClick(Qt::MouseButton button, int y);
    void joy_osi_visual_maxChange();
    void joy_osi_clr_01Change();

private:
    void ConnectHandlers();
    std::array<int, StatAxisCount> FieldWidths() const;
    void ShowAxis(int axis);

    JoyStatistics statistics_;
    LiveChartFeed feed_;
    TWkChart* chart_ = nullptr;
    QLineEdit* visualMin_ = nullptr;
    QLineEdit* visualMax_ = nullptr;
    std::array<QComboBox*, 2> penAxes_{};    // joy_osi_use_01, joy_osi_use_02
    std::array<TWkColorComboBox*, 2> penColors_{}; // joy_osi_clr_01, joy_osi_clr_02
    QLineEdit* usbpps_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    // The five edits of an axis, in the page's column order.
    enum Column { RawColumn, MinColumn, MaxColumn, StepColumn, FpsColumn, ColumnCount };
    // Edits of axes 1..8 (index 0 = axis 1).
    std::array<std::array<QLineEdit*, ColumnCount>, StatAxisCount> edits_{};
    std::array<QComboBox*, StatAxisCount> sources_{};
    std::array<QComboBox*, StatAxisCount> precisions_{};
};
