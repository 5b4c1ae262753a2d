#include "components/base/ext_control.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// A line edit that notes which of the layer's events its Qt class is given.
class QtLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    QStringList qtLog;

protected:
    bool event(QEvent* e) override {
        if (e->type() == WkExEvent::TextChanged())
            qtLog << "qt text";
        if (e->type() == QEvent::KeyPress)
            qtLog << QStringLiteral("qt key %1").arg(static_cast<QKeyEvent*>(e)->key(), 0, 16);
        return QLineEdit::event(e);
    }
};

class HookedEdit : public TWkExControl<QtLineEdit> {
public:
    using TWkExControl<QtLineEdit>::TWkExControl;
    QStringList hooks;
    bool takeDialogChars = false;
    bool keepTab = false;
    bool keepMarker = true;

protected:
    bool WantsDialogChar(std::uint16_t key, TShiftState shift) override {
        hooks << QStringLiteral("dialog char %1 shift %2 ctrl %3")
                     .arg(key)
                     .arg(shift.testFlag(Qt::ShiftModifier))
                     .arg(shift.testFlag(Qt::ControlModifier));
        return takeDialogChars;
    }
    bool NotifyTextChanged(QEvent* e) override {
        hooks << "text";
        return TWkExControl::NotifyTextChanged(e);
    }
    bool NotifyFocusChanged(TWkFocusChangedEvent* e) override {
        hooks << "focus to " + e->Control->objectName();
        return TWkExControl::NotifyFocusChanged(e);
    }
    bool NotifyShowingChanged(QEvent* e) override {
        hooks << (e->type() == QEvent::Show ? "showing" : "hidden");
        return TWkExControl::NotifyShowingChanged(e);
    }
    bool NotifyShowHintChanged(QEvent* e) override {
        hooks << "own hint";
        return TWkExControl::NotifyShowHintChanged(e);
    }
    bool NotifyParentShowHintChanged(QEvent* e) override {
        hooks << "parent hint";
        return TWkExControl::NotifyParentShowHintChanged(e);
    }
    void AdjustDialogCodes(TDialogCodes& codes) const override {
        if (keepTab)
            codes |= TDialogCode::WantTab;
        if (!keepMarker)
            codes &= ~TDialogCodes(TDialogCode::Native);
    }
    void NotifyControlListChanging(QObject* child, bool inserting) override {
        hooks << QStringLiteral("changing %1 %2 ours %3")
                     .arg(child->objectName())
                     .arg(inserting ? "in" : "out")
                     .arg(children().contains(child));
    }
    void NotifyControlListChanged(QObject* child, bool inserting) override {
        if (!child->isWidgetType())
            return;
        hooks << QStringLiteral("changed %1 %2 ours %3")
                     .arg(child->objectName())
                     .arg(inserting ? "in" : "out")
                     .arg(children().contains(child));
    }
};

void pressKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

// A window with two hooked edits side by side, shown and active so that focus moves.
struct TwoEdits {
    TwoEdits() {
        auto* layout = new QHBoxLayout(&window);
        first = new HookedEdit(&window);
        second = new HookedEdit(&window);
        first->setObjectName("first");
        second->setObjectName("second");
        layout->addWidget(first);
        layout->addWidget(second);
        window.show();
        QApplication::setActiveWindow(&window);
        first->setFocus();
        first->hooks.clear();
        second->hooks.clear();
    }
    QWidget window;
    HookedEdit* first;
    HookedEdit* second;
};

} // namespace

TEST(ExtHooks, TextChangesReachTheHookAndThenTheQtClassOnce) {
    HookedEdit edit;
    edit.setText("abc");
    edit.setText("abc");
    EXPECT_EQ(edit.hooks, QStringList{"text"});
    EXPECT_EQ(edit.qtLog, QStringList{"qt text"});
}

TEST(ExtHooks, EveryControlOfTheWindowHearsWhereTheFocusWent) {
    TwoEdits edits;
    QWidget otherWindow;
    auto* stranger = new HookedEdit(&otherWindow);
    edits.second->setFocus();
    EXPECT_EQ(edits.first->hooks, QStringList{"focus to second"});
    EXPECT_EQ(edits.second->hooks, QStringList{"focus to second"});
    EXPECT_TRUE(stranger->hooks.isEmpty());
}

TEST(ExtHooks, DialogCharsAreOfferedBeforeTheQtClassSeesThem) {
    for (bool taken : {false, true}) {
        SCOPED_TRACE(taken ? "taken" : "left");
        TwoEdits edits;
        edits.first->takeDialogChars = taken;
        pressKey(edits.first, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(edits.first->hooks, QStringList{"dialog char 9 shift 1 ctrl 1"});
        EXPECT_EQ(edits.first->qtLog.size(), taken ? 0 : 1);
    }
}

TEST(ExtHooks, DialogCodesDecideWhetherTabStaysWithTheControl) {
    const struct {
        const char* name;
        bool keepTab;
        bool keepMarker;
        bool focusMoves;
    } cases[] = {
        {"native codes", false, true, true},
        {"tab added but marker kept: the native answer stands", true, true, true},
        {"tab added and marker cleared", true, false, false},
        {"marker cleared without tab", false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TwoEdits edits;
        edits.first->keepTab = c.keepTab;
        edits.first->keepMarker = c.keepMarker;
        EXPECT_EQ(edits.first->DialogCode(),
                  c.keepTab && !c.keepMarker
                      ? DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTTAB
                      : DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL);
        pressKey(edits.first, Qt::Key_Tab, {});
        EXPECT_EQ(QApplication::focusWidget(), c.focusMoves ? edits.second : edits.first);
    }
}

TEST(ExtHooks, ShowingAndHintChangesReachTheirHooks) {
    HookedEdit parent;
    auto* child = new HookedEdit(&parent);
    parent.show();
    EXPECT_EQ(child->hooks, QStringList{"showing"});
    parent.hide();
    EXPECT_EQ(child->hooks, (QStringList{"showing", "hidden"}));
    parent.hooks.clear();
    child->hooks.clear();
    parent.setToolTip("tip");
    EXPECT_EQ(parent.hooks, QStringList{"own hint"});
    EXPECT_EQ(child->hooks, QStringList{"parent hint"});
}

TEST(ExtHooks, ControlListHearsOfAChildBeforeAndAfterTheChange) {
    HookedEdit container;
    auto* child = new QWidget;
    child->setObjectName("c");
    container.InsertControl(child);
    container.RemoveControl(child);
    EXPECT_EQ(container.hooks, (QStringList{"changing c in ours 0", "changed c in ours 1",
                                            "changing c out ours 1", "changed c out ours 0"}));
    EXPECT_EQ(child->parent(), nullptr);
    delete child;
}

namespace {

// Takes presses on its right half only and paints its own background.
class HalfTarget : public TWkExGraphicControl {
public:
    using TWkExGraphicControl::TWkExGraphicControl;
    int presses = 0;
    int backgrounds = 0;

protected:
    bool HitTestAt(int x, int y) override {
        return x >= width() / 2 && TWkExGraphicControl::HitTestAt(x, y);
    }
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    bool PaintBackground(TCanvas& canvas) override {
        ++backgrounds;
        canvas.Brush.Color = clRed;
        canvas.FillRect({0, 0, width(), height()});
        return true;
    }
};

class PressCounter : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

void press(QWidget* target, QPoint at) {
    QMouseEvent event(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, {});
    QApplication::sendEvent(target, &event);
}

} // namespace

TEST(ExtHooks, APressOutsideTheHitAreaGoesToTheParent) {
    PressCounter parent;
    auto* target = new HalfTarget(&parent);
    target->setGeometry(0, 0, 40, 10);
    press(target, {5, 5});
    EXPECT_EQ(target->presses, 0);
    EXPECT_EQ(parent.presses, 1);
    press(target, {30, 5});
    EXPECT_EQ(target->presses, 1);
    EXPECT_EQ(parent.presses, 1);
}

TEST(ExtHooks, AnOwnBackgroundIsPaintedOnEveryPaint) {
    HalfTarget target;
    target.resize(8, 8);
    EXPECT_EQ(target.grab().toImage().pixel(4, 4), QColor(Qt::red).rgb());
    target.grab();
    EXPECT_EQ(target.backgrounds, 2);
}

namespace {
THintInfo shownHint;
void recordHint(const THintInfo& info) {
    shownHint = info;
}
} // namespace

TEST(ExtHooks, HintWindowClassShowsTheHintInItsColour) {
    TWkExGraphicControl control;
    control.setToolTip("tip");
    control.SetHintColor(clYellow);
    control.SetHintWindowClass(&recordHint);
    QHelpEvent help(QEvent::ToolTip, {1, 1}, {11, 12});
    QApplication::sendEvent(&control, &help);
    EXPECT_EQ(shownHint.HintText, "tip");
    EXPECT_EQ(shownHint.HintColor, clYellow);
    EXPECT_EQ(shownHint.GlobalPos, QPoint(11, 12));
}

TEST(ExtHooks, NoControlAnswersTheInterfaceQuery) {
    TWkExGraphicControl control;
    TWkInterfaceQueryEvent query;
    query.Implemented = true;
    EXPECT_TRUE(QApplication::sendEvent(&control, &query));
    EXPECT_FALSE(query.Implemented);
}
