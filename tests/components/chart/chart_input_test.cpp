// The chart's double click, popup menu and drags of the chart itself onto another control.

#include "components/chart/chart.h"
#include "tests/support/recording_ui_host.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A control that takes every drag and records what was dropped on it.
class DropTarget : public QWidget, public IWkDragControl {
public:
    using QWidget::QWidget;
    bool DragOver(QObject*, int, int, TDragState) override { return true; }
    void DragDrop(QObject* source, int, int) override { dropped << source; }
    void DoStartDrag(QObject*&) override {}
    void DoEndDrag(QObject*, int, int) override {}
    int DragCursor() const override { return crDrag; }

    QList<QObject*> dropped;
};

// A plotted chart of two pens beside a drop target, on a shown page.
class ChartInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        page.resize(500, 220);
        chart = new TWkChart(&page);
        chart->setGeometry(0, 0, 300, 200);
        target = new DropTarget(&page);
        target->setGeometry(350, 10, 100, 100);
        chart->Options().SetPenCount(2);
        for (int v = 0; v < 11; ++v) {
            chart->Data().SetValue(0, v, 45);
            chart->Data().SetValue(1, v, 75);
        }
        page.show();
        QApplication::setActiveWindow(&page);
        chart->PlotGraph();
    }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, at, chart->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(chart, &event);
    }
    // Where the chart sees the pointer when it is over the target.
    QPoint OverTarget() const { return chart->mapFromGlobal(target->mapToGlobal(QPoint(20, 20))); }

    RecordingUiHost host;
    ScopedUiHost guard{host};
    QWidget page;
    TWkChart* chart = nullptr;
    DropTarget* target = nullptr;
};

const QPoint InValues(150, 100);
const QPoint BesideYAxis(20, 100);

TEST_F(ChartInputTest, ALeftDoubleClickFiresOnDblClickAndIsPressedAgain) {
    const struct {
        Qt::MouseButton button;
        int dblClicks;
        bool hint;
    } cases[] = {{Qt::LeftButton, 1, true}, {Qt::RightButton, 0, false}};
    for (const auto& c : cases) {
        int dblClicks = 0;
        chart->OnDblClick = TNotifyEvent::FromCallable([&](QObject* sender) {
            EXPECT_EQ(sender, chart);
            EXPECT_FALSE(chart->HintShown()) << "fired before the press";
            ++dblClicks;
        });
        Mouse(QEvent::MouseButtonPress, InValues, c.button);
        Mouse(QEvent::MouseButtonRelease, InValues, c.button);
        Mouse(QEvent::MouseButtonDblClick, InValues, c.button);
        EXPECT_EQ(dblClicks, c.dblClicks) << c.button;
        EXPECT_EQ(chart->HintShown(), c.hint) << c.button;
        Mouse(QEvent::MouseButtonRelease, InValues, c.button);
        EXPECT_FALSE(chart->HintShown());
    }
}

TEST_F(ChartInputTest, TheContextPopupShowsThePopupMenu) {
    const auto ask = [&](QContextMenuEvent::Reason reason) {
        QContextMenuEvent event(reason, InValues, chart->mapToGlobal(InValues));
        QApplication::sendEvent(chart, &event);
        return event.isAccepted();
    };
    EXPECT_FALSE(ask(QContextMenuEvent::Mouse)) << "no menu: left to the parent";
    {
        QMenu menu;
        menu.addAction(QStringLiteral("Copy"));
        chart->SetPopupMenu(&menu);
        for (const auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard}) {
            EXPECT_TRUE(ask(reason)) << reason;
            EXPECT_TRUE(menu.isVisible()) << reason;
            menu.hide();
        }
    }
    EXPECT_EQ(chart->PopupMenu(), nullptr);
}

TEST_F(ChartInputTest, AutomaticDragModeDragsTheChartInsteadOfItsOwnPress) {
    const struct {
        const char* name;
        TDragMode mode;
        TDragKind kind;
        bool drags;
    } cases[] = {
        {"automatic", dmAutomatic, dkDrag, true},
        {"manual", dmManual, dkDrag, false},
        {"docking", dmAutomatic, dkDock, false},
    };
    for (const auto& c : cases) {
        target->dropped.clear();
        host.log.clear();
        chart->SetDragMode(c.mode);
        chart->SetDragKind(c.kind);
        chart->SetDragCursor(crHandPoint);

        Mouse(QEvent::MouseButtonPress, InValues);
        EXPECT_EQ(chart->HintShown(), !c.drags) << c.name;
        Mouse(QEvent::MouseMove, OverTarget());
        EXPECT_EQ(chart->Dragging(), c.drags) << c.name;
        if (c.drags) {
            EXPECT_EQ(chart->cursor().shape(), Qt::PointingHandCursor) << c.name;
        }
        Mouse(QEvent::MouseButtonRelease, OverTarget());
        EXPECT_FALSE(chart->Dragging()) << c.name;
        EXPECT_EQ(target->dropped, c.drags ? QList<QObject*>{chart} : QList<QObject*>{}) << c.name;
        EXPECT_FALSE(chart->HintShown()) << c.name;

        // Beside the Y axis a press opens the scale dialog, unless it starts a drag.
        host.inputAnswers.clear();
        Mouse(QEvent::MouseButtonPress, BesideYAxis);
        Mouse(QEvent::MouseButtonRelease, BesideYAxis);
        EXPECT_EQ(host.log.size(), c.drags ? 0 : 1) << c.name;
    }
}

TEST_F(ChartInputTest, ADragBegunFromCodeDropsTheChart) {
    Mouse(QEvent::MouseButtonPress, InValues);
    ASSERT_TRUE(chart->HintShown());
    chart->BeginDrag(true);
    EXPECT_TRUE(chart->Dragging());
    Mouse(QEvent::MouseMove, OverTarget());
    Mouse(QEvent::MouseButtonRelease, OverTarget());
    EXPECT_EQ(target->dropped, QList<QObject*>{chart});
    EXPECT_FALSE(chart->Dragging());
    EXPECT_FALSE(chart->HintShown()) << "the release still ends the hint";
}

} // namespace
