#include "components/buttons/image_speed_button.h"
#include "components/buttons/speed_button.h"
#include "tests/support/classic_style.h"
#include "tests/support/recording_ui_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace {

// Exposes the repeat step, which a test runs instead of waiting for the timer.
class RepeatingButton : public TWkImageSpeedButton {
public:
    using TWkImageSpeedButton::RepeatTimer;
    using TWkImageSpeedButton::RepeatTimerTick;
    using TWkImageSpeedButton::TWkImageSpeedButton;
};

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

class SpeedButton : public ::testing::Test {
protected:
    SpeedButton() {
        for (RepeatingButton* button : {&a, &b}) {
            button->resize(25, 25);
            button->OnClick = TNotifyEvent::FromCallable(
                [this, button](QObject*) { clicks << (button == &a ? "a" : "b"); });
        }
    }
    void click(RepeatingButton& button, QPoint releaseAt = {10, 10}) {
        sendMouse(&button, QEvent::MouseButtonPress, {10, 10});
        sendMouse(&button, QEvent::MouseButtonRelease, releaseAt);
    }

    QWidget parent;
    RepeatingButton a{&parent};
    RepeatingButton b{&parent};
    QStringList clicks;
    RecordingUiHost host;
    ScopedUiHost scopedHost{host};
};

TEST_F(SpeedButton, ClicksOnlyWhenReleasedInside) {
    const struct {
        const char* name;
        QPoint release;
        bool clicks;
    } cases[] = {{"inside", {10, 10}, true},
                 {"last pixel", {24, 24}, true},
                 {"one pixel right", {25, 10}, false},
                 {"one pixel below", {10, 25}, false}};
    for (const auto& c : cases) {
        clicks.clear();
        click(a, c.release);
        EXPECT_EQ(clicks.size(), c.clicks ? 1 : 0) << c.name;
        EXPECT_EQ(a.State(), rbsUp) << c.name;
    }
}

TEST_F(SpeedButton, HandlerErrorOfAMouseClickIsReportedNotThrown) {
    a.OnClick = TNotifyEvent::FromCallable([](QObject*) { throw std::runtime_error("broken"); });
    click(a);
    EXPECT_EQ(host.log, QStringList{"exception: broken"});
    EXPECT_EQ(a.State(), rbsUp);
}

TEST_F(SpeedButton, PressShowsDownAndMovingOutsideShowsUp) {
    sendMouse(&a, QEvent::MouseButtonPress, {10, 10});
    EXPECT_EQ(a.State(), rbsDown);
    sendMouse(&a, QEvent::MouseMove, {40, 10});
    EXPECT_EQ(a.State(), rbsUp);
    sendMouse(&a, QEvent::MouseMove, {5, 5});
    EXPECT_EQ(a.State(), rbsDown);
    sendMouse(&a, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(clicks, QStringList{"a"});
}

TEST_F(SpeedButton, GroupsKeepOneButtonDown) {
    a.SetDown(true);
    EXPECT_FALSE(a.Down()) << "down needs a group";

    a.SetGroupIndex(1);
    b.SetGroupIndex(1);
    a.SetDown(true);
    EXPECT_EQ(a.State(), rbsExclusive);
    click(b);
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(a.Down());
    EXPECT_EQ(a.State(), rbsUp);
    EXPECT_EQ(clicks, QStringList{"b"});

    b.SetDown(false);
    EXPECT_TRUE(b.Down()) << "releasing needs AllowAllUp";
    a.SetAllowAllUp(true); // reaches the whole group
    EXPECT_TRUE(b.AllowAllUp());
    click(b);
    EXPECT_FALSE(b.Down());
}

TEST_F(SpeedButton, RepeatTimerClicksWhileHeldAndStopsOnRelease) {
    a.SetAllowTimer(true);
    sendMouse(&a, QEvent::MouseButtonPress, {10, 10});
    ASSERT_NE(a.RepeatTimer(), nullptr);
    EXPECT_TRUE(a.RepeatTimer()->isActive());
    EXPECT_EQ(a.RepeatTimer()->interval(), 500);
    a.RepeatTimerTick();
    a.RepeatTimerTick();
    EXPECT_EQ(a.RepeatTimer()->interval(), 100);
    EXPECT_EQ(clicks.size(), 2);

    a.OnClick = TNotifyEvent::FromCallable([](QObject*) { throw std::runtime_error("stop"); });
    EXPECT_THROW(a.RepeatTimerTick(), std::runtime_error);
    EXPECT_FALSE(a.RepeatTimer()->isActive());

    a.OnClick = nullptr;
    sendMouse(&a, QEvent::MouseButtonRelease, {40, 40});
    a.SetAllowTimer(false);
    EXPECT_EQ(a.RepeatTimer(), nullptr);
}

TEST_F(SpeedButton, ButtonClickShowsThePressThroughTheHost) {
    TWkButtonState during = rbsUp;
    host.onSleep = [&](unsigned) {
        during = a.State();
    };
    a.ButtonClick();
    EXPECT_EQ(host.log, QStringList{"sleep: 20"});
    EXPECT_EQ(during, rbsDown);
    EXPECT_EQ(a.State(), rbsUp);
    EXPECT_EQ(clicks, QStringList{"a"});

    b.SetGroupIndex(2);
    b.ButtonClick();
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(clicks, QStringList({"a", "b"}));

    a.setEnabled(false);
    a.ButtonClick();
    EXPECT_EQ(clicks.size(), 2);
}

// Qt delivers a double click as press, release, double click, release.
TEST_F(SpeedButton, DoubleClickClicksOnceUnlessTheButtonIsDown) {
    const struct {
        const char* name;
        int group;
        bool allowAllUp;
        bool downBefore;
        int clicks;
        int doubles;
        bool downAfter;
    } cases[] = {
        {"plain", 0, false, false, 1, 0, false},
        {"grouped, all up allowed", 1, true, false, 1, 0, true},
        {"grouped", 1, false, false, 1, 0, true},
        {"down before", 1, false, true, 2, 1, true},
        {"down before, all up allowed", 1, true, true, 1, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RepeatingButton button(&parent);
        button.resize(25, 25);
        button.SetGroupIndex(c.group);
        button.SetAllowAllUp(c.allowAllUp);
        button.SetDown(c.downBefore);
        int clicked = 0;
        int doubles = 0;
        button.OnClick = TNotifyEvent::FromCallable([&](QObject*) { ++clicked; });
        button.OnDblClick = TNotifyEvent::FromCallable([&](QObject*) { ++doubles; });
        sendMouse(&button, QEvent::MouseButtonPress, {10, 10});
        sendMouse(&button, QEvent::MouseButtonRelease, {10, 10});
        sendMouse(&button, QEvent::MouseButtonDblClick, {10, 10});
        sendMouse(&button, QEvent::MouseButtonRelease, {10, 10});
        EXPECT_EQ(clicked, c.clicks);
        EXPECT_EQ(doubles, c.doubles);
        EXPECT_EQ(button.Down(), c.downAfter);
        button.SetAllowAllUp(true);
        button.SetDown(false);
    }
}

TEST_F(SpeedButton, LiveButtonsAreCounted) {
    const int before = TWkCustomSpeedButton::LiveButtonCount();
    auto* first = new TWkImageSpeedButton(&parent);
    {
        TWkCustomSpeedButton second;
        EXPECT_EQ(TWkCustomSpeedButton::LiveButtonCount(), before + 2);
    }
    EXPECT_EQ(TWkCustomSpeedButton::LiveButtonCount(), before + 1);
    delete first;
    EXPECT_EQ(TWkCustomSpeedButton::LiveButtonCount(), before);
}

// Counts the paints a button gets once the events are handled.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST_F(SpeedButton, AlignmentAndWordWrapPlaceTheCaptionAndRepaint) {
    a.resize(120, 40);
    a.SetCaption("Fire at will");
    parent.resize(200, 100);
    parent.show();
    QCoreApplication::processEvents();
    PaintCounter counter;
    a.installEventFilter(&counter);
    const QImage centred = a.grab().toImage();
    counter.paints = 0;

    a.SetAlignment(taLeftJustify);
    EXPECT_EQ(a.Alignment(), taLeftJustify);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    const QImage left = a.grab().toImage();
    EXPECT_NE(left, centred);
    EXPECT_EQ(a.ButtonGlyph().Alignment(), taLeftJustify) << "the painter lays it out";

    counter.paints = 0;
    a.SetAlignment(taLeftJustify);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0) << "no change, no paint";

    a.resize(40, 60);
    const QImage oneLine = a.grab().toImage();
    counter.paints = 0;
    a.SetWordWrap(true);
    EXPECT_TRUE(a.WordWrap());
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    EXPECT_NE(a.grab().toImage(), oneLine) << "the caption wraps instead of being shortened";
    a.removeEventFilter(&counter);
    parent.hide();
}

TEST_F(SpeedButton, HotFontFollowsTheFontButWhatIsPreserved) {
    QFont font = a.font();
    font.setPixelSize(23);
    font.setBold(true);
    a.setFont(font);
    EXPECT_EQ(a.HotTrackFont().pixelSize(), 23);
    EXPECT_FALSE(a.HotTrackFont().bold()) << "style is preserved by default";
    a.SetHotTrackFontOptions(hoFollowFont);
    EXPECT_TRUE(a.HotTrackFont().bold());
    a.SetHotTrackFontOptions({});
    font.setPixelSize(31);
    a.setFont(font);
    EXPECT_EQ(a.HotTrackFont().pixelSize(), 23) << "without hoFollowFont nothing is copied";
}

TEST_F(SpeedButton, PaintsTheGlyphOfItsState) {
    QImage cell(8, 8, QImage::Format_RGB32);
    cell.fill(Qt::red);
    cell.setPixel(0, 7, qRgb(0, 255, 0)); // bottom-left: the transparent colour
    TBitmap glyph;
    glyph.SetImage(cell);
    a.SetGlyph(glyph);
    a.SetLayout(blGlyphLeft);
    a.SetMargin(8);
    EXPECT_EQ(a.grab().toImage().pixel(12, 12), qRgb(255, 0, 0));
    a.setEnabled(false);
    const QRgb disabled = a.grab().toImage().pixel(12, 12);
    EXPECT_EQ(qRed(disabled), qGreen(disabled)) << "disabled glyphs are grey";

    TImageList list(8, 8);
    QImage blue(8, 8, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    list.AddImage(blue);
    b.SetImages(&list);
    b.SetImageIndex(0);
    b.SetLayout(blGlyphLeft);
    b.SetMargin(8);
    EXPECT_EQ(b.grab().toImage().pixel(12, 12), qRgb(0, 0, 255));
    b.SetImages(nullptr);
}

TEST_F(SpeedButton, GroupedButtonClickedDownLooksAsWhenSetDownFromCode) {
    for (const bool classic : {false, true}) {
        std::optional<ClassicStyle> style;
        if (classic)
            style.emplace();
        a.SetGroupIndex(1);
        b.SetGroupIndex(2);
        click(a);
        ASSERT_TRUE(a.Down());
        EXPECT_EQ(a.State(), rbsExclusive) << classic;
        b.SetDown(true);
        EXPECT_EQ(b.State(), rbsExclusive) << classic;
        const QImage clicked = a.grab().toImage();
        EXPECT_EQ(clicked, b.grab().toImage()) << classic;
        if (classic) {
            EXPECT_NE(clicked.pixel(10, 10), clicked.pixel(11, 10)) << "the checker fill";
        }
        b.ButtonClick(); // stays down: no AllowAllUp
        EXPECT_TRUE(b.Down());
        EXPECT_EQ(b.State(), rbsExclusive) << classic;
        for (RepeatingButton* button : {&a, &b}) {
            button->SetAllowAllUp(true);
            button->SetDown(false);
            button->SetAllowAllUp(false);
            button->SetGroupIndex(0);
        }
    }
}

TEST_F(SpeedButton, ThemedFaceShowsTheParentsBackgroundNotItsColour) {
    QPalette green = parent.palette();
    green.setColor(QPalette::Window, QColor(0, 160, 0));
    parent.setPalette(green);
    a.SetFlat(true); // a flat button draws no panel while it is not hot
    a.SetColor(clRed);
    EXPECT_EQ(a.grab().toImage().pixel(3, 3), qRgb(0, 160, 0));
    ClassicStyle classic;
    a.SetFlat(false);
    EXPECT_EQ(a.grab().toImage().pixel(12, 12), qRgb(255, 0, 0)) << "the classic face fills Color";
}

// A press outside an open menu closes it; Qt then hands the press on to the widget under it
// unless the menu carries WA_NoMouseReplay (only the desktop's mouse grab makes Qt do that, so
// the press is sent to the menu here as Qt's popup handling would send it).
TEST_F(SpeedButton, APressOnTheButtonThatClosesItsMenuIsNotHandedOn) {
    parent.resize(200, 200);
    a.move(50, 50);
    QMenu menu;
    menu.addAction("one");
    a.SetDropDownMenu(&menu);
    parent.show();
    const auto pressMenuAt = [&](QPoint inParent) {
        const QPointF global = parent.mapToGlobal(QPointF(inParent));
        QMouseEvent event(QEvent::MouseButtonPress, menu.mapFromGlobal(global), global,
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&menu, &event);
    };
    const struct {
        const char* name;
        QPoint at;
        bool dropped;
    } cases[] = {{"on the button", {60, 60}, true},
                 {"beside the button", {30, 60}, false},
                 {"on the button's last pixel", {74, 74}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sendMouse(&a, QEvent::MouseButtonPress, {10, 10});
        ASSERT_TRUE(menu.isVisible());
        EXPECT_TRUE(a.MenuTracking());
        EXPECT_FALSE(menu.testAttribute(Qt::WA_NoMouseReplay));
        pressMenuAt(c.at);
        EXPECT_FALSE(menu.isVisible());
        EXPECT_FALSE(a.MenuTracking());
        EXPECT_EQ(menu.testAttribute(Qt::WA_NoMouseReplay), c.dropped);
    }
    EXPECT_TRUE(clicks.isEmpty()) << "a press that opens the menu does not click";
    parent.hide();
}

TEST(DropDownMenu, OpensAtTheCornerItsPositionAndAlignmentGive) {
    const struct {
        TWkDropDownMenuPos position;
        TPopupAlignment alignment;
        QPoint at;
    } cases[] = {
        {dmpBottom, paLeft, {-1, 20}},    {dmpBottom, paRight, {41 - 100, 20}},
        {dmpBottom, paCenter, {-30, 20}}, {dmpRight, paLeft, {40, -1}},
        {dmpRight, paRight, {-101, -1}},  {dmpRight, paCenter, {-30, 20}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DropDownMenuPoint({40, 20}, 100, c.position, c.alignment), c.at)
            << c.position << " " << c.alignment;
    }
}

} // namespace
