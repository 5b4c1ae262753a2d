#include "components/util/key_state.h"

#include <QGuiApplication>

bool IsKeyDownIn(int virtualKey, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    switch (virtualKey) {
    case VK_LBUTTON:
        return buttons.testFlag(Qt::LeftButton);
    case VK_RBUTTON:
        return buttons.testFlag(Qt::RightButton);
    case VK_MBUTTON:
        return buttons.testFlag(Qt::MiddleButton);
    case VK_SHIFT:
        return modifiers.testFlag(Qt::ShiftModifier);
    case VK_CONTROL:
        return modifiers.testFlag(Qt::ControlModifier);
    case VK_MENU:
        return modifiers.testFlag(Qt::AltModifier);
    default:
        return false;
    }
}

bool IsKeyDown(int virtualKey) {
    return IsKeyDownIn(virtualKey, QGuiApplication::mouseButtons(),
                       QGuiApplication::queryKeyboardModifiers());
}
