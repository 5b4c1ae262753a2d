#include "components/chart/chart.h"
#include "configurator/model/report_codec.h"
#include "configurator/sim/sim_controller_device.h"
#include "configurator/window/color_combo.h"
#include "platform/hidbus/sim_hid_bus.h"
#include "platform/modules/standard_modules.h"
#include "tests/configurator/window/reader_listening.h"
#include "tests/configurator/window/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QThread>
#include <chrono>
#include <functional>
#include <vector>

namespace {

// Axis 1 with 14 bits, axis 2 with 10, axis 3 without a source, axis 4 with 8: the fields of
// input report 1 then cross byte borders.
Config StatisticsConfig() {
    Config config = DefaultConfig();
    const int precisions[] = {6, 2, 0, 0};
    for (int n = 0; n < 4; ++n) {
        config.axes[n].source = n == 2 ? 0 : 2;
        config.axes[n].usage = n + 1;
        config.axes[n].precision = precisions[n];
    }
    return config;
}

// Services the reader threads' hand-overs until done holds, for two seconds at most.
bool PumpUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::yieldCurrentThread();
    }
    return done();
}

class StatisticsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        RegisterStandardModules();
    }

    // Opens the window showing the controller's configuration and connects the controller.
    TMForm& Connect() {
        TMForm& window = Open();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        window.SetConfig(StatisticsConfig());
        CountHandedReports(window, delivered);
        auto* list = Find<QListWidget>("lstHID_DeviceList");
        list->setCurrentRow(0);
        emit list->itemClicked(list->item(0));
        // The reader opens its read channel on its own thread; reports sent before are lost.
        TWkHidDevice* joystick = window.State().JoystickDevice;
        EXPECT_TRUE(PumpUntil([&] { return ReaderListening(joystick); }));
        return window;
    }

    // One input report of the controller with these axis values, delivered to the window.
    void Send(int axis1, int axis2, int axis4) {
        controller.with([&](SimController& c) {
            c.live().axisValues[0] = axis1;
            c.live().axisValues[1] = axis2;
            c.live().axisValues[3] = axis4;
        });
        const int before = delivered;
        controller.tick(10);
        ASSERT_TRUE(PumpUntil([&] { return delivered > before; }));
    }

    // Runs the statistics page's 10 ms steps until one has shown the latest figures: every
    // second step shows.
    void ShowFigures(TMForm& window) {
        ShowPage(TMForm::TabJoyStat);
        window.TmrForVisualTimer();
        window.TmrForVisualTimer();
    }

    QString Edit(const char* field, int axis) {
        return Find<QLineEdit>(QString::fromLatin1(field).arg(axis, 2, 10, QLatin1Char('0')))
            ->text();
    }

    void ShowPage(int page) { Find<QTabWidget>("WkPageControl")->setCurrentIndex(page); }

    int delivered = 0;
    SimHidBus bus;
    ScopedHidBus busGuard{bus};
    SimControllerDevice controller{bus, QStringLiteral("TAVRO-SIM-0001"),
                                   ConfigToReport(StatisticsConfig()).images};
};

TEST_F(StatisticsTest, InputReportsOfTheJoystickReachTheEdits) {
    TMForm& window = Connect();
    ASSERT_NE(window.State().JoystickDevice, nullptr);
    Send(12345, 700, 200);
    Send(12000, 700, 201);
    ShowFigures(window);

    struct Row {
        int axis;
        const char *raw, *min, *max, *step;
    };
    const Row rows[] = {
        {1, "12000", "12000", "12345", "345"},
        {2, "700", "700", "700", "0"},
        {3, "x", "x", "x", "x"},
        {4, "201", "200", "201", "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.axis);
        EXPECT_EQ(Edit("joy_osi_raw_%1", row.axis), row.raw);
        EXPECT_EQ(Edit("joy_osi_min_%1", row.axis), row.min);
        EXPECT_EQ(Edit("joy_osi_max_%1", row.axis), row.max);
        EXPECT_EQ(Edit("joy_osi_stp_%1", row.axis), row.step);
    }
}

TEST_F(StatisticsTest, ReportsOfOtherInterfacesAreIgnored) {
    TMForm& window = Connect();
    ASSERT_NE(window.State().ConfigDevice, nullptr);
    const std::vector<BYTE> data = {0x39, 0x30, 0, 0, 0, 0, 0, 0};
    struct Case {
        const char* name;
        TWkHidDevice* device;
        BYTE reportId;
        const char* raw;
    };
    const Case cases[] = {
        {"configuration interface", window.State().ConfigDevice, 1, "x"},
        {"no device", nullptr, 1, "x"},
        {"joystick, report 2", window.State().JoystickDevice, 2, "x"},
        {"joystick, report 1", window.State().JoystickDevice, 1, "12345"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.HIDDeviceData(c.device, c.reportId, data.data(), WORD(data.size()));
        ShowFigures(window);
        EXPECT_EQ(Edit("joy_osi_raw_%1", 1), c.raw);
    }
    window.TmrPerSecondTimer();
    EXPECT_EQ(Find<QLineEdit>("joy_usbpps")->text(), "1") << "only the joystick's report 1";
}

TEST_F(StatisticsTest, ShortReportLeavesNoBytesOfTheLastOne) {
    TMForm& window = Connect();
    const std::vector<BYTE> full = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const BYTE shortReport[] = {0x01};
    window.HIDDeviceData(window.State().JoystickDevice, 1, full.data(), WORD(full.size()));
    window.HIDDeviceData(window.State().JoystickDevice, 1, shortReport, 1);
    ShowFigures(window);
    EXPECT_EQ(Edit("joy_osi_raw_%1", 1), "1");
    EXPECT_EQ(Edit("joy_osi_raw_%1", 2), "0");
}

TEST_F(StatisticsTest, EditsShowTheLatestFiguresAtScreenRate) {
    TMForm& window = Connect();
    // Axis 1's 14 bits from bit 0, then axis 2's 10 bits.
    const auto hand = [&](int axis1) {
        const BYTE data[] = {BYTE(axis1 & 0xFF), BYTE(axis1 >> 8), 0, 0, 0, 0};
        window.HIDDeviceData(window.State().JoystickDevice, 1, data, WORD(sizeof data));
    };
    hand(100);
    hand(50);
    hand(300);
    EXPECT_EQ(Edit("joy_osi_raw_%1", 1), "x") << "a report alone writes no edit";
    ShowPage(TMForm::TabOSI);
    window.TmrForVisualTimer();
    EXPECT_EQ(Edit("joy_osi_raw_%1", 1), "x") << "nor a step while the page is hidden";

    ShowFigures(window);
    const struct {
        const char* field;
        const char* shown;
    } figures[] = {
        {"joy_osi_raw_%1", "300"},
        {"joy_osi_min_%1", "50"},
        {"joy_osi_max_%1", "300"},
        {"joy_osi_stp_%1", "250"},
    };
    for (const auto& figure : figures) {
        EXPECT_EQ(Edit(figure.field, 1), figure.shown) << figure.field;
    }
    window.TmrPerSecondTimer();
    EXPECT_EQ(Find<QLineEdit>("joy_usbpps")->text(), "3") << "every report counted";
    EXPECT_EQ(Edit("joy_osi_fps_%1", 1), "3");

    // The two steps above showed, then rested: from here every second step shows.
    hand(7);
    window.TmrForVisualTimer();
    EXPECT_EQ(Edit("joy_osi_raw_%1", 1), "7");
    hand(8);
    window.TmrForVisualTimer();
    EXPECT_EQ(Edit("joy_osi_raw_%1", 1), "7") << "a step between two showings";
    window.TmrForVisualTimer();
    EXPECT_EQ(Edit("joy_osi_raw_%1", 1), "8");
}

TEST_F(StatisticsTest, TimersWorkOnlyOnTheStatisticsPageAndRestartThemselves) {
    TMForm& window = Connect();
    Find<QComboBox>("joy_osi_use_01")->setCurrentIndex(1);
    Send(12345, 700, 200);
    auto* chart = Find<TWkChart>("joy_osi_visual");
    auto* pps = Find<QLineEdit>("joy_usbpps");
    pps->clear();

    for (int page : {TMForm::TabOSI, TMForm::TabOSI_SF, TMForm::TabFMW}) {
        SCOPED_TRACE(page);
        ShowPage(page);
        window.TmrForVisualTimer();
        window.TmrPerSecondTimer();
        EXPECT_EQ(window.State().ChartCursor, 0);
        EXPECT_EQ(chart->Data().Value(0, 0), 0);
        EXPECT_TRUE(pps->text().isEmpty());
        EXPECT_TRUE(window.TmrForVisual().isActive());
        EXPECT_TRUE(window.TmrPerSecond().isActive());
    }

    ShowPage(TMForm::TabJoyStat);
    window.TmrForVisualTimer();
    EXPECT_EQ(window.State().ChartCursor, 1);
    EXPECT_EQ(chart->Data().Value(0, 0), 12345);
    EXPECT_EQ(chart->Data().Value(1, 0), 0) << "pen 2 shows no axis";
    EXPECT_EQ(chart->CursorPosition(), 0);
    EXPECT_TRUE(window.TmrForVisual().isActive());
    window.TmrPerSecondTimer();
    EXPECT_EQ(pps->text(), "1") << "the report counted while another page was shown";
    EXPECT_EQ(Edit("joy_osi_fps_%1", 1), "1");
    EXPECT_EQ(Edit("joy_osi_fps_%1", 3), "0");
    EXPECT_TRUE(window.TmrPerSecond().isActive());

    window.FormCloseQuery();
    window.TmrForVisualTimer();
    window.TmrPerSecondTimer();
    EXPECT_FALSE(window.TmrForVisual().isActive()) << "stopped for good at close";
    EXPECT_FALSE(window.TmrPerSecond().isActive());
}

TEST_F(StatisticsTest, ChartCursorWrapsAfterPosition500) {
    TMForm& window = Connect();
    ShowPage(TMForm::TabJoyStat);
    for (int step = 0; step <= 500; ++step) {
        window.TmrForVisualTimer();
    }
    EXPECT_EQ(window.State().ChartCursor, 0);
    EXPECT_EQ(Find<TWkChart>("joy_osi_visual")->Data().ValueCount(), 501);
}

TEST_F(StatisticsTest, ResetShowsNothingYetAndTheNextReportStartsAgain) {
    TMForm& window = Connect();
    Send(12345, 700, 200);
    ShowPage(TMForm::TabJoyStat);
    window.TmrPerSecondTimer();
    ASSERT_EQ(Edit("joy_osi_fps_%1", 1), "1");
    ShowPage(TMForm::TabOSI);
    Find<QPushButton>("JoyStatReset")->click();
    for (const char* field : {"joy_osi_raw_%1", "joy_osi_min_%1", "joy_osi_max_%1",
                              "joy_osi_stp_%1", "joy_osi_fps_%1"}) {
        for (int axis = 1; axis <= 8; ++axis) {
            EXPECT_EQ(Edit(field, axis), "x") << field << " " << axis;
        }
    }
    Send(12000, 700, 200);
    ShowFigures(window);
    EXPECT_EQ(Edit("joy_osi_min_%1", 1), "12000");
    EXPECT_EQ(Edit("joy_osi_max_%1", 1), "12000");
    EXPECT_EQ(Edit("joy_osi_stp_%1", 1), "12000") << "the reset raw text counts as 0";
}

TEST_F(WindowTest, ChartClicksZoomTheRangeEditsAndTheChart) {
    Open();
    auto* chart = Find<TWkChart>("joy_osi_visual");
    auto* min = Find<QLineEdit>("joy_osi_visual_min");
    auto* max = Find<QLineEdit>("joy_osi_visual_max");
    struct Case {
        const char* name;
        const char *minText, *maxText;
        Qt::MouseButton button;
        int y;
        int newMin, newMax;
    };
    const Case cases[] = {
        {"left at the top edge centres on the top", "0", "16384", Qt::LeftButton, 11, 12288, 16384},
        {"right zooms out by a quarter each way", "4000", "8000", Qt::RightButton, 200, 3000, 9000},
        {"right stops at the ends", "100", "16000", Qt::RightButton, 200, 0, 16384},
        {"middle shows everything", "2000", "3000", Qt::MiddleButton, 300, 0, 16384},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        min->setText(QString::fromLatin1(c.minText));
        max->setText(QString::fromLatin1(c.maxText));
        bool showHint = false;
        bool bold = false;
        QStringList hint;
        chart->OnChartClick(chart, c.button, Qt::NoModifier, 100, c.y, 0, 0, showHint, bold, hint);
        EXPECT_EQ(min->text(), QString::number(c.newMin));
        EXPECT_EQ(max->text(), QString::number(c.newMax));
        EXPECT_EQ(chart->Options().PrimaryYAxis().YMin(), c.newMin);
        EXPECT_EQ(chart->Options().PrimaryYAxis().YMax(), c.newMax);
    }
}

TEST_F(WindowTest, AMouseClickOnThePlotReachesTheZoom) {
    Open();
    auto* chart = Find<TWkChart>("joy_osi_visual");
    Find<QLineEdit>("joy_osi_visual_min")->setText("2000");
    Find<QLineEdit>("joy_osi_visual_max")->setText("3000");
    chart->ResizeChartCanvas();
    const TWkChartOptions& options = chart->Options();
    const QPointF inPlot((options.XStartOffset + options.XEnd) / 2.0,
                         options.YStartOffset + options.YEnd / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, inPlot, chart->mapToGlobal(inPlot),
                      Qt::MiddleButton, Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(chart, &press);
    EXPECT_EQ(Find<QLineEdit>("joy_osi_visual_min")->text(), "0");
    EXPECT_EQ(Find<QLineEdit>("joy_osi_visual_max")->text(), "16384");
}

TEST_F(WindowTest, PenColoursFollowTheirBoxes) {
    Open();
    auto* chart = Find<TWkChart>("joy_osi_visual");
    EXPECT_EQ(chart->Options().PenCount(), 2);
    EXPECT_EQ(chart->Options().PenColor(0), clRed);
    EXPECT_EQ(chart->Options().PenColor(1), clBlue);
    chart->PlotGraph();
    // Green pixels on the right half of the picture, far from value 0.
    const auto greenOnTheRight = [chart] {
        const QImage& picture = chart->Picture();
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = picture.width() / 2; x < picture.width(); ++x)
                count += picture.pixel(x, y) == ToQColor(clGreen).rgb();
        return count;
    };
    ASSERT_EQ(greenOnTheRight(), 0);
    auto* second = Find<TWkColorComboBox>("joy_osi_clr_02");
    second->SetColorValue(clGreen);
    emit second->activated(second->currentIndex());
    EXPECT_EQ(chart->Options().PenColor(0), clRed);
    EXPECT_EQ(chart->Options().PenColor(1), clGreen);
    // The chart step draws only the values that change: after new colours it draws them all.
    chart->PlotValues(0, 0);
    EXPECT_GT(greenOnTheRight(), 0);
}

} // namespace
