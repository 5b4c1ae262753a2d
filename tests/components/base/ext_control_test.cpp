#include "components/base/ext_control.h"
#include "tests/support/recording_ui_host.h"

#include <QApplication>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QStringList>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// Stands for the Qt class under the layer and notes every event it is given.
class RecordingWidget : public QWidget {
public:
    using QWidget::QWidget;
    QStringList* log = nullptr;

protected:
    bool event(QEvent* e) override {
        if (log && (e->type() == QEvent::Enter || e->type() == QEvent::Leave))
            *log << (e->type() == QEvent::Enter ? "qt enter" : "qt leave");
        if (log && e->type() == QEvent::PaletteChange)
            *log << "qt palette";
        return QWidget::event(e);
    }
};

using Probe = TWkExControl<RecordingWidget>;

class ColourHooks : public Probe {
public:
    using Probe::Probe;
    QStringList hooks;

protected:
    bool NotifyColorChanged(QEvent* e) override {
        hooks << "own colour";
        return Probe::NotifyColorChanged(e);
    }
    bool NotifyParentColorChanged(QEvent* e) override {
        hooks << "parent colour";
        return Probe::NotifyParentColorChanged(e);
    }
};

void send(QWidget& w, QEvent::Type type) {
    if (type == QEvent::Enter) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&w, &enter);
    } else {
        QEvent e(type);
        QApplication::sendEvent(&w, &e);
    }
}

} // namespace

TEST(ExtControl, MouseEnterRunsTheHandlerFirstAndLeaveRunsItLast) {
    QStringList log;
    Probe probe;
    probe.log = &log;
    probe.OnMouseEnter = [&](QObject* sender) {
        log << "handler enter";
        EXPECT_EQ(sender, &probe);
        EXPECT_TRUE(probe.MouseOver());
    };
    probe.OnMouseLeave = [&](QObject*) {
        log << "handler leave";
        EXPECT_FALSE(probe.MouseOver());
    };
    send(probe, QEvent::Enter);
    send(probe, QEvent::Leave);
    EXPECT_EQ(log, (QStringList{"handler enter", "qt enter", "qt leave", "handler leave"}));
}

TEST(ExtControl, OwnAndParentColourChangesReachTheirOwnHooks) {
    QWidget parent;
    auto* child = new ColourHooks(&parent);
    QStringList log;
    child->log = &log;
    int parentEvents = 0;
    child->OnParentColorChange = [&](QObject*) {
        ++parentEvents;
    };

    QPalette red;
    red.setColor(QPalette::Window, Qt::red);
    parent.setPalette(red);
    EXPECT_EQ(child->hooks, QStringList{"parent colour"});
    EXPECT_EQ(parentEvents, 1);

    QPalette blue;
    blue.setColor(QPalette::Window, Qt::blue);
    child->setPalette(blue);
    EXPECT_EQ(child->hooks, (QStringList{"parent colour", "own colour"}));
    EXPECT_EQ(parentEvents, 1);
    // Each change reached the Qt class exactly once.
    EXPECT_EQ(log, (QStringList{"qt palette", "qt palette"}));
}

TEST(ExtControl, HintColourComesFromTheControlItsParentOrTheApplication) {
    const TColor application = FromQColor(QToolTip::palette().color(QPalette::ToolTipBase));
    const struct {
        const char* name;
        TColor parentColour;
        TColor childColour;
        TColor expected;
    } cases[] = {
        {"own colour wins", clRed, clLime, clLime},
        {"default asks the parent", clRed, clDefault, clRed},
        {"none is the application's", clRed, clNone, application},
        {"parent's default asks further up and keeps the colour", clDefault, clDefault, clCream},
    };
    for (const auto& c : cases) {
        TWkExGraphicControl parent;
        auto* child = new TWkExGraphicControl(&parent);
        parent.SetHintColor(c.parentColour);
        child->SetHintColor(c.childColour);
        THintInfo info;
        info.HintColor = clCream;
        child->ResolveHintColorOf(info);
        EXPECT_EQ(info.HintColor, c.expected) << c.name;
    }
}

TEST(ExtControl, ControlWithoutParentKeepsTheHintColourOnDefault) {
    TWkExGraphicControl lonely;
    THintInfo info;
    info.HintColor = clAqua;
    lonely.ResolveHintColorOf(info);
    EXPECT_EQ(info.HintColor, clAqua);
}

TEST(ExtControl, HighlightFrameLightsUpWhileTheMouseIsOver) {
    TWkExGraphicControl control;
    control.resize(20, 10);
    QPalette cream;
    cream.setColor(QPalette::Window, ToQColor(clCream));
    control.setPalette(cream);
    control.SetDotNetHighlighting(true);
    const struct {
        const char* name;
        QEvent::Type event;
        TColor outer, inner;
    } steps[] = {
        {"idle", QEvent::None, UnfocusedFrameColor, clCream},
        {"mouse over", QEvent::Enter, FocusedFrameColor, FocusedFrameColor},
        {"mouse gone", QEvent::Leave, UnfocusedFrameColor, clCream},
    };
    for (const auto& step : steps) {
        if (step.event != QEvent::None)
            send(control, step.event);
        const QImage image = control.grab().toImage();
        EXPECT_EQ(image.pixel(0, 0), ToQColor(step.outer).rgb()) << step.name;
        EXPECT_EQ(image.pixel(19, 9), ToQColor(step.outer).rgb()) << step.name;
        EXPECT_EQ(image.pixel(1, 1), ToQColor(step.inner).rgb()) << step.name;
        EXPECT_EQ(image.pixel(18, 8), ToQColor(step.inner).rgb()) << step.name;
    }
}

TEST(ExtControl, AnEventThatThrowsIsReportedAndTheControlGoesOn) {
    RecordingUiHost host;
    ScopedUiHost guard(host);
    TWkExGraphicControl control;
    control.OnMouseEnter = [](QObject*) {
        throw std::runtime_error("enter failed");
    };
    send(control, QEvent::Enter);
    EXPECT_TRUE(control.MouseOver());
    EXPECT_EQ(host.log, QStringList{QStringLiteral("exception: enter failed")});
}
