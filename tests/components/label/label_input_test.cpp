#include "components/buttons/speed_button.h"
#include "components/label/label.h"
#include "tests/support/recording_ui_host.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

// Two labels on a shown page: the mouse, popup, action and drag paths of a label need a window
// that the pointer can be over.
class LabelInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        page.resize(300, 120);
        source = new TWkLabel(&page);
        source->SetAutoSize(false);
        source->setGeometry(10, 10, 80, 20);
        source->SetCaption(QStringLiteral("Source"));
        target = new TWkLabel(&page);
        target->SetAutoSize(false);
        target->setGeometry(150, 10, 80, 20);
        target->SetCaption(QStringLiteral("Target"));
        page.show();
        QApplication::setActiveWindow(&page);
        log.clear();
    }

    void Mouse(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QMouseEvent event(type, at, to->mapToGlobal(at), button, held, keys);
        QApplication::sendEvent(to, &event);
    }
    void Click(QWidget* to, QPoint at) {
        Mouse(to, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        Mouse(to, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    // The point of target's (x, y) in source's coordinates, where source sees the pointer.
    QPoint OverTarget(int x = 5, int y = 5) {
        return source->mapFromGlobal(target->mapToGlobal(QPoint(x, y)));
    }

    void RecordMouse(TWkLabel* label) {
        label->OnClick = TNotifyEvent::FromCallable([this](QObject*) { log << "click"; });
        label->OnDblClick = TNotifyEvent::FromCallable([this](QObject*) { log << "dblclick"; });
        const auto press = [this](const char* what) {
            return TMouseEvent::FromCallable(
                [this, what](QObject*, TMouseButton button, TMouseShiftState shift, int x, int y) {
                    log << QStringLiteral("%1 %2 %3,%4%5%6")
                               .arg(QLatin1String(what))
                               .arg(int(button))
                               .arg(x)
                               .arg(y)
                               .arg(shift.Double ? " double" : "")
                               .arg(shift.Keys & Qt::ShiftModifier ? " shift" : "");
                });
        };
        label->OnMouseDown = press("down");
        label->OnMouseUp = press("up");
        label->OnMouseMove =
            TMouseMoveEvent::FromCallable([this](QObject*, TMouseShiftState shift, int x, int y) {
                log << QStringLiteral("move %1,%2%3")
                           .arg(x)
                           .arg(y)
                           .arg(shift.Buttons & Qt::LeftButton ? " left" : "");
            });
    }

    void RecordDrags() {
        source->SetDragMode(dmAutomatic);
        source->OnEndDrag =
            TEndDragEvent::FromCallable([this](QObject*, QObject* to, int x, int y) {
                log << QStringLiteral("end %1 %2,%3")
                           .arg(to == target    ? "target"
                                : to == nullptr ? "none"
                                                : "other")
                           .arg(x)
                           .arg(y);
            });
        target->OnDragOver = TDragOverEvent::FromCallable(
            [this](QObject*, QObject* from, int, int, TDragState state, bool& accept) {
                log << QStringLiteral("over %1").arg(int(state));
                accept = from == source;
            });
        target->OnDragDrop =
            TDragDropEvent::FromCallable([this](QObject*, QObject* from, int x, int y) {
                log << QStringLiteral("drop %1 %2,%3")
                           .arg(from == source ? "source" : "?")
                           .arg(x)
                           .arg(y);
            });
    }

    QWidget page;
    TWkLabel* source = nullptr;
    TWkLabel* target = nullptr;
    QStringList log;
};

TEST_F(LabelInputTest, MouseEventsReachTheirHandlersAndADoubleClickIsNoSecondClick) {
    RecordMouse(source);
    Mouse(source, QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton,
          Qt::ShiftModifier);
    Mouse(source, QEvent::MouseMove, {7, 8}, Qt::NoButton, Qt::LeftButton);
    Mouse(source, QEvent::MouseButtonRelease, {7, 8}, Qt::LeftButton, Qt::NoButton);
    Mouse(source, QEvent::MouseButtonDblClick, {7, 8}, Qt::LeftButton, Qt::LeftButton);
    Mouse(source, QEvent::MouseButtonRelease, {7, 8}, Qt::LeftButton, Qt::NoButton);
    Mouse(source, QEvent::MouseButtonPress, {2, 3}, Qt::RightButton, Qt::RightButton);
    Mouse(source, QEvent::MouseButtonRelease, {2, 3}, Qt::RightButton, Qt::NoButton);
    Mouse(source, QEvent::MouseMove, {4, 4}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(log,
              QStringList({"down 0 5,6 shift", "move 7,8 left", "up 0 7,8", "click", "dblclick",
                           "down 0 7,8 double", "up 0 7,8", "down 1 2,3", "up 1 2,3", "move 4,4"}));
}

TEST_F(LabelInputTest, ReleaseOutsideTheLabelIsNoClick) {
    RecordMouse(source);
    Mouse(source, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    Mouse(source, QEvent::MouseButtonRelease, {200, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(log.contains("click"));
}

TEST_F(LabelInputTest, ContextPopupShowsThePopupMenuUnlessAHandlerTookIt) {
    QMenu menu;
    menu.addAction(QStringLiteral("Copy"));
    source->SetPopupMenu(&menu);
    TPoint seen{0, 0};
    bool take = true;
    source->OnContextPopup =
        TContextPopupEvent::FromCallable([&](QObject*, TPoint at, bool& handled) {
            seen = at;
            handled = take;
        });
    const auto ask = [&](QContextMenuEvent::Reason reason, QPoint at) {
        QContextMenuEvent event(reason, at, source->mapToGlobal(at));
        QApplication::sendEvent(source, &event);
        return event.isAccepted();
    };

    EXPECT_TRUE(ask(QContextMenuEvent::Mouse, {4, 5}));
    EXPECT_EQ(seen.X, 4);
    EXPECT_EQ(seen.Y, 5);
    EXPECT_FALSE(menu.isVisible()) << "the handler showed its own";

    take = false;
    EXPECT_TRUE(ask(QContextMenuEvent::Keyboard, {0, 0}));
    EXPECT_EQ(seen.X, -1);
    EXPECT_EQ(seen.Y, -1);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();

    source->SetPopupMenu(nullptr);
    EXPECT_FALSE(ask(QContextMenuEvent::Mouse, {4, 5})) << "left to the parent";
    {
        QMenu gone;
        source->SetPopupMenu(&gone);
    }
    EXPECT_EQ(source->PopupMenu(), nullptr);
}

TEST_F(LabelInputTest, TheLabelShowsItsActionAndAClickTriggersIt) {
    auto* action = new QAction(QStringLiteral("&Read"), &page);
    action->setToolTip(QStringLiteral("Read the configuration"));
    int triggered = 0;
    QObject::connect(action, &QAction::triggered, [&] { ++triggered; });
    source->SetAction(action);
    EXPECT_EQ(source->Caption(), QStringLiteral("&Read"));
    EXPECT_EQ(source->toolTip(), QStringLiteral("Read the configuration"));

    action->setText(QStringLiteral("&Write"));
    action->setEnabled(false);
    EXPECT_EQ(source->Caption(), QStringLiteral("&Write"));
    EXPECT_FALSE(source->isEnabled());
    action->setEnabled(true);
    action->setVisible(false);
    EXPECT_TRUE(source->isHidden());
    action->setVisible(true);

    Click(source, {5, 5});
    EXPECT_EQ(triggered, 1);
    source->OnClick = TNotifyEvent::FromCallable([&](QObject*) { log << "click"; });
    Click(source, {5, 5});
    EXPECT_EQ(triggered, 1) << "OnClick takes the action's place";
    EXPECT_EQ(log, QStringList({"click"}));

    delete action;
    EXPECT_EQ(source->Action(), nullptr);
    source->OnClick = {};
    Click(source, {5, 5});
}

TEST_F(LabelInputTest, RightToLeftReadingPutsLeadingPunctuationAtTheEnd) {
    const auto shot = [&](const QString& caption, TBiDiMode mode) {
        source->SetCaption(caption);
        source->SetBiDiMode(mode);
        return source->grab().toImage();
    };
    const QImage ltr = shot(QStringLiteral("X."), bdLeftToRight);
    const QImage rtl = shot(QStringLiteral(".X"), bdRightToLeftReadingOnly);
    EXPECT_EQ(rtl, ltr);
    EXPECT_NE(shot(QStringLiteral(".X"), bdLeftToRight), ltr);
    EXPECT_FALSE(source->ParentBiDiMode());
    EXPECT_FALSE(source->UseRightToLeftAlignment());

    source->SetParentBiDiMode(true);
    EXPECT_EQ(source->BiDiMode(), bdLeftToRight);
    page.setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(source->BiDiMode(), bdRightToLeft);
    EXPECT_TRUE(source->UseRightToLeftAlignment());
    EXPECT_TRUE(source->UseRightToLeftReading());
}

// An auto-sized right-aligned label keeps its right edge when the caption grows; mirrored for
// right-to-left alignment.
TEST_F(LabelInputTest, RightToLeftAlignmentMirrorsWhichEdgeAnAutoSizedLabelKeeps) {
    const struct {
        TAlignment alignment;
        TBiDiMode mode;
        bool keepsRight;
    } cases[] = {
        {taRightJustify, bdLeftToRight, true},
        {taLeftJustify, bdLeftToRight, false},
        {taLeftJustify, bdRightToLeft, true},
        {taRightJustify, bdRightToLeft, false},
        {taLeftJustify, bdRightToLeftReadingOnly, false},
    };
    for (const auto& c : cases) {
        auto* label = new TWkLabel(&page);
        label->SetCaption(QStringLiteral("A"));
        label->SetAlignment(c.alignment);
        label->SetBiDiMode(c.mode);
        label->Loaded();
        const QRect before = label->geometry();
        label->SetCaption(QStringLiteral("A much longer caption"));
        const QRect after = label->geometry();
        ASSERT_GT(after.width(), before.width());
        if (c.keepsRight)
            EXPECT_EQ(after.right(), before.right()) << c.alignment << " " << c.mode;
        else
            EXPECT_EQ(after.left(), before.left()) << c.alignment << " " << c.mode;
        delete label;
    }
}

TEST_F(LabelInputTest, HotTrackSettingsComeFromASpeedButtonOrAnotherLabel) {
    TWkCustomSpeedButton button(&page);
    button.SetHotTrackFontOptions({});
    QFont bold;
    bold.setBold(true);
    bold.setPixelSize(20);
    button.SetHotTrackFont(bold, clRed);
    button.SetHotTrack(true);
    button.HotTrackOptions()->SetEnabled(true);
    button.HotTrackOptions()->SetColor(clLime);
    button.HotTrackOptions()->SetFrameVisible(true);

    source->AssignHotTrack(button);
    EXPECT_TRUE(source->HotTrack());
    EXPECT_EQ(source->HotTrackFontOptions(), TWkTrackFontOptions{});
    EXPECT_EQ(source->HotTrackFont().Color, clRed);
    EXPECT_EQ(source->HotTrackFont().Height, -20);
    EXPECT_TRUE(source->HotTrackFont().Style & fsBold);
    EXPECT_TRUE(source->HotTrackOptions().Enabled());
    EXPECT_EQ(source->HotTrackOptions().Color(), clLime);
    EXPECT_TRUE(source->HotTrackOptions().FrameVisible());

    target->AssignHotTrack(*source);
    EXPECT_TRUE(target->HotTrack());
    EXPECT_EQ(target->HotTrackFont().Color, clRed);
    EXPECT_EQ(target->HotTrackOptions().Color(), clLime);
}

TEST_F(LabelInputTest, AutomaticDragDropsOnATargetThatTakesIt) {
    RecordDrags();
    Mouse(source, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(source->Dragging()) << "waits for the pointer to move";
    Mouse(source, QEvent::MouseMove, OverTarget(5, 5), Qt::NoButton, Qt::LeftButton);
    EXPECT_TRUE(source->Dragging());
    Mouse(source, QEvent::MouseMove, OverTarget(6, 7), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(source->cursor().shape(), Qt::DragMoveCursor);
    Mouse(source, QEvent::MouseButtonRelease, OverTarget(6, 7), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(log, QStringList({"over 0", "over 2", "drop source 6,7", "end target 6,7"}));
}

TEST_F(LabelInputTest, DragEndsWithoutTargetWhenRefusedCancelledOrNeverStarted) {
    RecordDrags();
    int clicks = 0;
    source->OnClick = TNotifyEvent::FromCallable([&](QObject*) { ++clicks; });

    // Released over the page, which takes no drags.
    Mouse(source, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    Mouse(source, QEvent::MouseMove, {5, 60}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(source->cursor().shape(), Qt::ForbiddenCursor);
    Mouse(source, QEvent::MouseButtonRelease, {5, 60}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log, QStringList({"end none 0,0"}));

    // Escape over the target: it hears the drag leave.
    log.clear();
    Mouse(source, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    Mouse(source, QEvent::MouseMove, OverTarget(), Qt::NoButton, Qt::LeftButton);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&page, &escape);
    EXPECT_FALSE(source->Dragging());
    Mouse(source, QEvent::MouseButtonRelease, OverTarget(), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log, QStringList({"over 0", "over 1", "end none 0,0"}));
    EXPECT_EQ(clicks, 0);

    // A press released where it began is a click, not a drag.
    log.clear();
    Click(source, {5, 5});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(log.isEmpty());
}

// A handler that closes what the label belongs to frees the label inside its own event.
TEST_F(LabelInputTest, AHandlerMayFreeTheLabel) {
    RecordingUiHost host;
    ScopedUiHost guard(host);
    const struct {
        const char* name;
        void (*hook)(TWkLabel* label, std::function<void()> free);
        bool doubleClick;
    } cases[] = {
        {"OnClick",
         [](TWkLabel* l, std::function<void()> f) {
             l->OnClick = TNotifyEvent::FromCallable([f](QObject*) { f(); });
         },
         false},
        {"OnMouseUp",
         [](TWkLabel* l, std::function<void()> f) {
             l->OnMouseUp = TMouseEvent::FromCallable(
                 [f](QObject*, TMouseButton, TMouseShiftState, int, int) { f(); });
         },
         false},
        {"OnDblClick",
         [](TWkLabel* l, std::function<void()> f) {
             l->OnDblClick = TNotifyEvent::FromCallable([f](QObject*) { f(); });
         },
         true},
    };
    for (const auto& c : cases) {
        QPointer<TWkLabel> label = new TWkLabel(&page);
        label->setGeometry(10, 40, 60, 20);
        label->SetURL(QStringLiteral("https://example.org"));
        c.hook(label, [label] { delete label.data(); });
        const QEvent::Type press =
            c.doubleClick ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress;
        QMouseEvent down(press, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(label, &down);
        if (!label.isNull()) {
            QMouseEvent up(QEvent::MouseButtonRelease, QPointF(5, 5),
                           label->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                           Qt::NoModifier);
            QApplication::sendEvent(label, &up);
        }
        EXPECT_TRUE(label.isNull()) << c.name;
    }
    EXPECT_EQ(host.entries(QStringLiteral("shellOpen")).size(), 1) << "the URL read before";
}

TEST_F(LabelInputTest, ADropHandlerMayFreeTheSource) {
    RecordDrags();
    target->OnDragDrop = TDragDropEvent::FromCallable([this](QObject*, QObject*, int, int) {
        delete source;
        source = nullptr;
    });
    QPointer<TWkLabel> watched = source;
    const QPoint over = OverTarget();
    Mouse(source, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    Mouse(source, QEvent::MouseMove, over, Qt::NoButton, Qt::LeftButton);
    QMouseEvent release(QEvent::MouseButtonRelease, over, target->mapToGlobal(QPoint(5, 5)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(watched, &release);
    EXPECT_TRUE(watched.isNull());
}

} // namespace
