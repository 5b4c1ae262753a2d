#pragma once
// The statistics page of the main window: decodes the joystick interface's input reports into
// the 8 x 5 statistics edits, counts the reports per second into joy_usbpps and scrolls the two
// chosen axes over the live chart joy_osi_visual. The window hands it only the reports of its
// selected joystick interface and runs its timer steps only while the page is shown. Every
// report is counted when it comes; the edits and the chart show the latest figures at screen
// rate, as a controller may send thousands of reports a second.

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
    // rows the window shows. The edits show it at the next chart step.
    void HIDDeviceData(int reportId, const std::uint8_t* data, std::size_t size);
    // The 10 ms step: each pen gets one point at the chart cursor. Every second step shows:
    // the edits take the latest figures and the chart what changed since the last showing.
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
    void ShowFigures();

    JoyStatistics statistics_;
    LiveChartFeed feed_;
    // Reports with id 1 came since the edits last showed the figures.
    bool figuresPending_ = false;
    // Steps since the last showing, 0 when the next step shows.
    int steps_ = 0;
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
