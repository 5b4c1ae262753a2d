#include "components/base/control_drag.h"

#include "platform/ui/screen_cursors.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QWidget>

namespace {

IWkDragControl* dragControlOf(QWidget* widget) {
    return dynamic_cast<IWkDragControl*>(widget);
}

} // namespace

TWkControlDrag::TWkControlDrag(QWidget* control, IWkDragControl& self)
    : QObject(control), FControl(control), FSelf(self) {}

TWkControlDrag::~TWkControlDrag() {
    if (FDragging || FPending)
        qApp->removeEventFilter(this);
}

void TWkControlDrag::BeginDrag(bool immediate, int threshold) {
    if (FDragging)
        return;
    FStart = QCursor::pos();
    FThreshold = threshold < 0 ? QApplication::startDragDistance() : threshold;
    if (!FPending) {
        FPending = true;
        qApp->installEventFilter(this);
        FControl->grabMouse();
    }
    if (immediate)
        start();
}

void TWkControlDrag::start() {
    FPending = false;
    FDragging = true;
    QObject* dragObject = nullptr;
    FSelf.DoStartDrag(dragObject);
    FDragObject = dragObject != nullptr ? dragObject : FControl;
    dragTo(QCursor::pos());
}

void TWkControlDrag::EndDrag(bool drop) {
    finish(drop, QCursor::pos());
}

bool TWkControlDrag::MouseMoved(QPoint globalPos) {
    if (FPending && (globalPos - FStart).manhattanLength() >= FThreshold)
        start();
    if (!FDragging)
        return FPending;
    dragTo(globalPos);
    return true;
}

bool TWkControlDrag::MouseReleased(QPoint globalPos) {
    if (!FPending && !FDragging)
        return false;
    const bool dragged = FDragging;
    finish(true, globalPos);
    return dragged;
}

QWidget* TWkControlDrag::targetAt(QPoint globalPos, QPoint& local) const {
    for (QWidget* w = QApplication::widgetAt(globalPos); w != nullptr; w = w->parentWidget()) {
        if (dragControlOf(w) != nullptr && w->isEnabled()) {
            local = w->mapFromGlobal(globalPos);
            return w;
        }
    }
    return nullptr;
}

void TWkControlDrag::dragTo(QPoint globalPos) {
    QPoint local;
    QWidget* target = targetAt(globalPos, local);
    if (target != FTarget) {
        if (FTarget != nullptr) {
            const QPoint old = FTarget->mapFromGlobal(globalPos);
            dragControlOf(FTarget)->DragOver(FDragObject, old.x(), old.y(), dsDragLeave);
        }
        FTarget = target;
        FTargetAccepts = target != nullptr && dragControlOf(target)->DragOver(
                                                  FDragObject, local.x(), local.y(), dsDragEnter);
    } else if (target != nullptr) {
        FTargetAccepts =
            dragControlOf(target)->DragOver(FDragObject, local.x(), local.y(), dsDragMove);
    }
    FControl->setCursor(ScreenCursor(FTargetAccepts ? FSelf.DragCursor() : crNoDrop));
}

void TWkControlDrag::finish(bool drop, QPoint globalPos) {
    if (!FPending && !FDragging)
        return;
    const bool dragged = FDragging;
    FPending = false;
    FDragging = false;
    qApp->removeEventFilter(this);
    FControl->releaseMouse();
    FControl->unsetCursor();
    if (!dragged)
        return;
    QPointer<QWidget> target = FTarget;
    const bool accepted = drop && FTargetAccepts && target != nullptr;
    const QPoint local = target != nullptr ? target->mapFromGlobal(globalPos) : QPoint();
    FTarget = nullptr;
    FTargetAccepts = false;
    QPointer<QObject> source = FDragObject;
    FDragObject = nullptr;
    if (target != nullptr && !accepted)
        dragControlOf(target)->DragOver(source, local.x(), local.y(), dsDragLeave);
    if (accepted) {
        // The drop handler may free the target, or the source with this drag.
        const QPointer<TWkControlDrag> alive(this);
        dragControlOf(target)->DragDrop(source, local.x(), local.y());
        if (alive.isNull())
            return;
    }
    if (accepted)
        FSelf.DoEndDrag(target, local.x(), local.y());
    else
        FSelf.DoEndDrag(nullptr, 0, 0);
}

bool TWkControlDrag::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool escape =
        type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    const bool rightButton = type == QEvent::MouseButtonPress &&
                             static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    if (escape || rightButton) {
        finish(false, QCursor::pos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
