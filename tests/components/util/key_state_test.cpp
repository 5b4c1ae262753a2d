#include "components/util/key_state.h"

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
