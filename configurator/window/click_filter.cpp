#include "configurator/window/click_filter.h"

#include "configurator/window/event_guard.h"

#include <QMouseEvent>
#include <QWidget>

ClickFilter::ClickFilter(QObject* parent, std::function<void()> onClick)
    : QObject(parent), onClick_(std::move(onClick)) {}

void ClickFilter::Install(QWidget* control, std::function<void()> onClick) {
    auto* filter = new ClickFilter(control, std::move(onClick));
    control->installEventFilter(filter);
    for (QWidget* inner : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        inner->installEventFilter(filter);
    }
}

bool ClickFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        RunGuarded(onClick_);
    }
    return QObject::eventFilter(watched, event);
}
