#include "components/base/control_events.h"

#include <QMouseEvent>

TMouseShiftState MouseShiftOf(const QMouseEvent& event, bool doubleClick) {
    return {event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier),
            event.buttons(), doubleClick};
}

bool MouseButtonOf(Qt::MouseButton button, TMouseButton& result) {
    switch (button) {
    case Qt::LeftButton:
        result = mbLeft;
        return true;
    case Qt::RightButton:
        result = mbRight;
        return true;
    case Qt::MiddleButton:
        result = mbMiddle;
        return true;
    default:
        return false;
    }
}
