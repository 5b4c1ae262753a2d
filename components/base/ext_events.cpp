#include "components/base/ext_events.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

std::vector<QWidget*>& focusListeners() {
    static std::vector<QWidget*> listeners;
    return listeners;
}

// Tells every listening control of the window that received the focus, as the window tells its
// controls when its active control changes.
void broadcastFocus(QWidget* focused) {
    if (!focused)
        return;
    const QPointer<QWidget> window = focused->window();
    // A control may create or destroy listeners while it handles the event.
    const std::vector<QWidget*> listeners = focusListeners();
    for (QWidget* control : listeners) {
        const auto& current = focusListeners();
        if (std::find(current.begin(), current.end(), control) == current.end())
            continue;
        if (!window || control->window() != window)
            continue;
        TWkFocusChangedEvent event(focused);
        QCoreApplication::sendEvent(control, &event);
    }
}

void watchApplicationFocus() {
    static bool connected = false;
    if (connected || !qApp)
        return;
    QObject::connect(qApp, &QApplication::focusChanged, qApp,
                     [](QWidget*, QWidget* now) { broadcastFocus(now); });
    connected = true;
}

} // namespace

namespace WkExEvent {

QEvent::Type TextChanged() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QEvent::Type ParentShowHintChanged() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QEvent::Type FocusChanged() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QEvent::Type InterfaceQuery() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace WkExEvent

TWkExFocusListener::TWkExFocusListener(QWidget* control) : FControl(control) {
    watchApplicationFocus();
    focusListeners().push_back(control);
}

TWkExFocusListener::~TWkExFocusListener() {
    auto& listeners = focusListeners();
    listeners.erase(std::remove(listeners.begin(), listeners.end(), FControl), listeners.end());
}
