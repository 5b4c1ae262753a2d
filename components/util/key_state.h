#pragma once
// Whether a key or mouse button is held, by its desktop virtual-key code. Qt knows the state
// of the mouse buttons and the modifier keys only; every other key reports "not down".

#include <Qt>

// Virtual-key codes the library asks about, valued as on the desktop.
enum VirtualKey : int {
    VK_LBUTTON = 0x01,
    VK_RBUTTON = 0x02,
    VK_MBUTTON = 0x04,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
};

// True while the key is held, as the application last saw it.
bool IsKeyDown(int virtualKey);

// The rule IsKeyDown applies to the application's button and modifier state; exposed for tests.
bool IsKeyDownIn(int virtualKey, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
