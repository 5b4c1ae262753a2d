#include "components/util/key_state.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(KeyState, ReadsTheButtonAndModifierOfEachKey) {
    const struct {
        int key;
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers modifiers;
        bool down;
    } cases[] = {
        {VK_LBUTTON, Qt::LeftButton, Qt::NoModifier, true},
        {VK_LBUTTON, Qt::RightButton | Qt::MiddleButton, Qt::ShiftModifier, false},
        {VK_RBUTTON, Qt::RightButton, Qt::NoModifier, true},
        {VK_MBUTTON, Qt::MiddleButton, Qt::NoModifier, true},
        {VK_MBUTTON, Qt::LeftButton, Qt::NoModifier, false},
        {VK_SHIFT, Qt::NoButton, Qt::ShiftModifier, true},
        {VK_CONTROL, Qt::NoButton, Qt::ControlModifier, true},
        {VK_CONTROL, Qt::NoButton, Qt::ShiftModifier | Qt::AltModifier, false},
        {VK_MENU, Qt::NoButton, Qt::AltModifier, true},
        {'A', Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsKeyDownIn(c.key, c.buttons, c.modifiers), c.down) << "key " << c.key;
}

TEST(KeyState, NoButtonIsHeldInAQuietApplication) {
    EXPECT_FALSE(IsKeyDown(VK_LBUTTON));
}

namespace {

QKeyEvent KeyEvent(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                   quint32 keysym = 0, bool autoRepeat = false) {
    return QKeyEvent(type, key, modifiers, 0, keysym, 0, QString(), autoRepeat);
}

void Send(QObject* to, QEvent::Type type, int key, quint32 keysym = 0, bool autoRepeat = false) {
    QKeyEvent event = KeyEvent(type, key, Qt::NoModifier, keysym, autoRepeat);
    QApplication::sendEvent(to, &event);
}

} // namespace

TEST(KeyState, KeysMapToTheirVirtualKeys) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        quint32 keysym;
        int virtualKey;
        int sided;
    } cases[] = {
        {Qt::Key_A, Qt::ShiftModifier, 0, 'A', 0},
        {Qt::Key_Z, Qt::NoModifier, 0, 'Z', 0},
        {Qt::Key_5, Qt::NoModifier, 0, '5', 0},
        {Qt::Key_Exclam, Qt::ShiftModifier, 0, '1', 0},
        {Qt::Key_ParenLeft, Qt::ShiftModifier, 0, '9', 0},
        {Qt::Key_7, Qt::KeypadModifier, 0, VK_NUMPAD0 + 7, 0},
        {Qt::Key_Asterisk, Qt::KeypadModifier, 0, VK_MULTIPLY, 0},
        {Qt::Key_Enter, Qt::KeypadModifier, 0, VK_RETURN, 0},
        {Qt::Key_F1, Qt::NoModifier, 0, VK_F1, 0},
        {Qt::Key_F24, Qt::NoModifier, 0, VK_F24, 0},
        {Qt::Key_Colon, Qt::ShiftModifier, 0, VK_OEM_1, 0},
        {Qt::Key_BracketRight, Qt::NoModifier, 0, VK_OEM_6, 0},
        {Qt::Key_Delete, Qt::NoModifier, 0, VK_DELETE, 0},
        {Qt::Key_PageDown, Qt::NoModifier, 0, VK_NEXT, 0},
        {Qt::Key_Backtab, Qt::ShiftModifier, 0, VK_TAB, 0},
        {Qt::Key_Shift, Qt::ShiftModifier, 0xffe2, VK_SHIFT, VK_RSHIFT},
        {Qt::Key_Control, Qt::ControlModifier, 0xffe3, VK_CONTROL, VK_LCONTROL},
        {Qt::Key_AltGr, Qt::NoModifier, 0xfe03, VK_MENU, VK_RMENU},
        {Qt::Key_Alt, Qt::AltModifier, 0, VK_MENU, 0},
        {Qt::Key_unknown, Qt::NoModifier, 0, 0, 0},
        {Qt::Key_VolumeUp, Qt::NoModifier, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const QKeyEvent event = KeyEvent(QEvent::KeyPress, c.key, c.modifiers, c.keysym);
        EXPECT_EQ(VirtualKeyOf(event), c.virtualKey) << "Qt key " << c.key;
        EXPECT_EQ(SidedVirtualKeyOf(event), c.sided) << "Qt key " << c.key;
    }
}

// The filter is on the application before anyone asks, so an early press is not missed.
TEST(KeyState, TheFilterSeesEveryKeyUntilTheApplicationLosesTheFocus) {
    EXPECT_NE(qApp->findChild<TKeyStateFilter*>(), nullptr);
    QWidget window;
    auto* field = new QLineEdit(&window);
    EXPECT_FALSE(IsKeyDown('Q'));

    Send(field, QEvent::KeyPress, Qt::Key_Q);
    EXPECT_TRUE(IsKeyDown('Q'));
    Send(field, QEvent::KeyRelease, Qt::Key_Q, 0, true);
    Send(field, QEvent::KeyPress, Qt::Key_Q, 0, true);
    EXPECT_TRUE(IsKeyDown('Q')) << "a repeating key stays down";
    Send(field, QEvent::KeyRelease, Qt::Key_Q);
    EXPECT_FALSE(IsKeyDown('Q'));

    // A press a shortcut takes arrives only as the override asked before it.
    Send(&window, QEvent::ShortcutOverride, Qt::Key_F5);
    EXPECT_TRUE(IsKeyDown(VK_F1 + 4));

    Send(field, QEvent::KeyPress, Qt::Key_Shift, 0xffe2);
    EXPECT_TRUE(IsKeyDown(VK_SHIFT));
    EXPECT_TRUE(IsKeyDown(VK_RSHIFT));
    EXPECT_FALSE(IsKeyDown(VK_LSHIFT));
    Send(field, QEvent::KeyPress, Qt::Key_Left);
    EXPECT_TRUE(IsKeyDown(VK_LEFT));

    QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
    QApplication::sendEvent(qApp, &inactive);
    for (const int key : {int(VK_F1 + 4), int(VK_SHIFT), int(VK_RSHIFT), int(VK_LEFT)})
        EXPECT_FALSE(IsKeyDown(key)) << key;

    Send(field, QEvent::KeyPress, Qt::Key_Space);
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QApplication::sendEvent(qApp, &deactivate);
    EXPECT_FALSE(IsKeyDown(VK_SPACE));
    EXPECT_FALSE(IsKeyDown(0)) << "no key has code 0";
    EXPECT_FALSE(IsKeyDown(4096));
}
