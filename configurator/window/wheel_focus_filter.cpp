#include "configurator/window/wheel_focus_filter.h"

#include <QEvent>
#include <QWidget>

void WheelFocusFilter::install(QWidget* widget) {
    static WheelFocusFilter filter(nullptr);
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->installEventFilter(&filter);
}

bool WheelFocusFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && !widget->hasFocus()) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
