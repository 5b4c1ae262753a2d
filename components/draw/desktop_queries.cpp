#include "components/draw/desktop_queries.h"

#include <QApplication>
#include <QScreen>
#include <QThread>
#include <QWidget>

TRect GetMonitorWorkArea(const QScreen* monitor) {
    if (monitor == nullptr)
        return {};
    return FromQRect(monitor->availableGeometry());
}

QScreen* FindMonitorByHandle(const void* handle) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen == handle)
            return screen;
    return nullptr;
}

bool ActiveWindowInThread() {
    // Only the user-interface thread may look at the active window at all.
    if (QCoreApplication::instance() == nullptr ||
        QThread::currentThread() != QCoreApplication::instance()->thread())
        return false;
    const QWidget* active = QApplication::activeWindow();
    return active != nullptr && active->thread() == QThread::currentThread();
}
