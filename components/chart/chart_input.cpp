// The chart's double click, popup menu and drags of the chart itself to other controls.

#include "components/chart/chart.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

void TWkChart::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPointer<TWkChart> alive(this);
        FireNotifyEvent(OnDblClick, this);
        if (alive.isNull())
            return;
    }
    mousePressEvent(event);
}

void TWkChart::contextMenuEvent(QContextMenuEvent* event) {
    if (FPopupMenu.isNull()) {
        event->ignore();
        return;
    }
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    FPopupMenu->popup(fromKeyboard ? mapToGlobal(rect().center()) : event->globalPos());
    event->accept();
}

bool TWkChart::startsAutomaticDrag(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton || !DragsOnPress() || !isEnabled())
        return false;
    FDrag->BeginDrag(false);
    return true;
}

bool TWkChart::DragOver(QObject*, int, int, TDragState) {
    return false;
}

void TWkChart::DragDrop(QObject*, int, int) {}

void TWkChart::DoStartDrag(QObject*&) {}

void TWkChart::DoEndDrag(QObject*, int, int) {}
