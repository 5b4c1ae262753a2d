// The X11 selection goes through the combo edit's clipboard gates: a middle click pastes it only
// while pasting is allowed, and selecting fills it only while copying is. Runs under the xcb
// platform (scripts/test.sh starts it in a virtual X server); other platforms have no selection.

#include "components/edit/combo_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

void clickWith(QWidget* widget, Qt::MouseButton button) {
    const QPointF at(widget->width() / 4.0, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), button,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// Selects by dragging the left button over the whole text.
void dragOver(QWidget* widget) {
    const QPointF from(2, widget->height() / 2.0);
    const QPointF to(widget->width() - 2, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, from, widget->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, widget->mapToGlobal(to), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

class SelectionPaste : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QGuiApplication::clipboard()->supportsSelection())
            GTEST_SKIP() << "the platform has no selection (run under xcb)";
        window.resize(300, 60);
        edit->setGeometry(10, 10, 200, 21);
        window.show();
        edit->setText("abc");
        QGuiApplication::clipboard()->setText("picked", QClipboard::Selection);
    }

    QString selection() const { return QGuiApplication::clipboard()->text(QClipboard::Selection); }

    QWidget window;
    TWkCustomComboEdit* edit = new TWkCustomComboEdit(&window);
};

TEST_F(SelectionPaste, MiddleClickPastesOnlyThroughAnOpenGate) {
    edit->SetClipboardCommands(AllClipboardCommands & ~caPaste);
    clickWith(edit, Qt::MiddleButton);
    EXPECT_EQ(edit->text(), "abc");

    edit->SetClipboardCommands(AllClipboardCommands);
    edit->SetDirectInput(false);
    clickWith(edit, Qt::MiddleButton);
    EXPECT_EQ(edit->text(), "abc") << "no typing, no pasting";

    edit->SetDirectInput(true);
    clickWith(edit, Qt::MiddleButton);
    EXPECT_TRUE(edit->text().contains("picked")) << edit->text().toStdString();
}

TEST_F(SelectionPaste, SelectingFillsTheSelectionOnlyWhileCopyIsAllowed) {
    edit->SetClipboardCommands(AllClipboardCommands & ~caCopy);
    dragOver(edit);
    ASSERT_EQ(edit->selectedText(), "abc");
    EXPECT_EQ(selection(), "picked");
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool fromEnd;
    } marks[] = {
        {Qt::Key_End, Qt::ShiftModifier, false},
        {Qt::Key_Right, Qt::ShiftModifier, false},
        {Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier, false},
        {Qt::Key_Home, Qt::ShiftModifier, true},
        {Qt::Key_Left, Qt::ShiftModifier, true},
        {Qt::Key_A, Qt::ControlModifier, false},
    };
    for (const auto& m : marks) {
        m.fromEnd ? edit->end(false) : edit->home(false);
        QKeyEvent mark(QEvent::KeyPress, m.key, m.modifiers);
        QCoreApplication::sendEvent(edit, &mark);
        EXPECT_TRUE(edit->hasSelectedText()) << m.key;
        EXPECT_EQ(selection(), "picked") << "nor does selecting with the keys: " << m.key;
    }
    edit->SetClipboardCommands(AllClipboardCommands);
    dragOver(edit);
    EXPECT_EQ(selection(), "abc");
}

TEST_F(SelectionPaste, MiddleClickClearsTheGroupLikeAPaste) {
    auto* other = new TWkCustomComboEdit(&window);
    other->setObjectName("other");
    edit->setObjectName("edit");
    other->setText("kept");
    other->SetGroupIndex(2);
    edit->SetGroupIndex(2);
    other->setText("kept");
    edit->SetClipboardCommands(AllClipboardCommands & ~caPaste);
    clickWith(edit, Qt::MiddleButton);
    EXPECT_EQ(other->text(), "kept") << "a refused paste changes nothing";
    edit->SetClipboardCommands(AllClipboardCommands);
    clickWith(edit, Qt::MiddleButton);
    EXPECT_EQ(other->text(), "");
}

} // namespace
