// What the label does with the mouse, its context popup, its action, drags and the reading
// order it takes from its parent.

#include "components/data/data_consumer.h"
#include "components/label/custom_label.h"
#include "components/util/shell_open.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

void TWkCustomLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    TMouseButton button;
    if (!MouseButtonOf(event->button(), button))
        return;
    if (button == mbLeft) {
        FClicked = true;
        if (DragsOnPress() && isEnabled())
            FDrag->BeginDrag(false);
    }
    const QPoint at = event->position().toPoint();
    MouseDown(button, MouseShiftOf(*event), at.x(), at.y());
}

// The second press of a double click: OnDblClick, then a press marked as double, and no click
// when it is released.
void TWkCustomLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    TMouseButton button;
    if (!MouseButtonOf(event->button(), button))
        return;
    if (button == mbLeft) {
        FClicked = false;
        const QPointer<TWkCustomLabel> alive(this);
        DblClick();
        if (alive.isNull())
            return;
    }
    const QPoint at = event->position().toPoint();
    MouseDown(button, MouseShiftOf(*event, true), at.x(), at.y());
}

void TWkCustomLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (FDrag->MouseMoved(event->globalPosition().toPoint()) && FDrag->Dragging())
        FClicked = false;
    const QPoint at = event->position().toPoint();
    MouseMove(MouseShiftOf(*event), at.x(), at.y());
}

void TWkCustomLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    // A drop or mouse-up handler may free the label.
    const QPointer<TWkCustomLabel> alive(this);
    if (FDrag->MouseReleased(event->globalPosition().toPoint())) {
        if (alive.isNull())
            return;
        FClicked = false;
    }
    TMouseButton button;
    if (!MouseButtonOf(event->button(), button))
        return;
    const bool clicked = button == mbLeft && FClicked;
    if (button == mbLeft)
        FClicked = false;
    const QPoint at = event->position().toPoint();
    MouseUp(button, MouseShiftOf(*event), at.x(), at.y());
    if (!alive.isNull() && clicked && rect().contains(at))
        Click();
}

void TWkCustomLabel::MouseDown(TMouseButton button, TMouseShiftState shift, int x, int y) {
    if (button == mbLeft && isEnabled())
        FDragging = true;
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TWkCustomLabel::MouseMove(TMouseShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TWkCustomLabel::MouseUp(TMouseButton button, TMouseShiftState shift, int x, int y) {
    const QPointer<TWkCustomLabel> alive(this);
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
    if (alive.isNull() || button != mbLeft)
        return;
    FDragging = false;
    UpdateMouseOver(rect().contains(x, y));
}

void TWkCustomLabel::Click() {
    IWkDataItem* item = BoundItem();
    if (Supports<IWkDataItemAction>(item) != nullptr) {
        EnterScope scope(*FConsumerSvc);
        FConsumerSvc->ItemSelected(item);
        return;
    }
    // The handler or the action may free the label; the URL is read before.
    const QString url = FAutoOpenURL ? FURL : QString();
    if (OnClick || FAction == nullptr)
        FireNotifyEvent(OnClick, this);
    else
        FAction->trigger();
    if (!url.isEmpty())
        OpenWithShell(url);
}

void TWkCustomLabel::DblClick() {
    FireNotifyEvent(OnDblClick, this);
}

void TWkCustomLabel::contextMenuEvent(QContextMenuEvent* event) {
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    const TPoint mousePos = fromKeyboard ? TPoint{-1, -1} : TPoint{event->x(), event->y()};
    bool handled = false;
    if (OnContextPopup)
        OnContextPopup(this, mousePos, handled);
    if (handled) {
        event->accept();
        return;
    }
    if (FPopupMenu == nullptr) {
        event->ignore();
        return;
    }
    const QPoint at = fromKeyboard ? mapToGlobal(rect().center()) : event->globalPos();
    FPopupMenu->popup(at);
    event->accept();
}

void TWkCustomLabel::SetAction(QAction* action) {
    if (action == FAction)
        return;
    if (FAction != nullptr)
        disconnect(FAction, nullptr, this, nullptr);
    FAction = action;
    if (FAction == nullptr)
        return;
    connect(FAction, &QAction::changed, this, &TWkCustomLabel::ActionChanged);
    ActionChanged();
}

void TWkCustomLabel::ActionChanged() {
    if (FAction == nullptr)
        return;
    SetCaption(FAction->text());
    setEnabled(FAction->isEnabled());
    setToolTip(FAction->toolTip());
    setVisible(FAction->isVisible());
}

void TWkCustomLabel::DoStartDrag(QObject*& dragObject) {
    if (OnStartDrag)
        OnStartDrag(this, dragObject);
}

void TWkCustomLabel::DoEndDrag(QObject* target, int x, int y) {
    FDragging = false;
    if (OnEndDrag)
        OnEndDrag(this, target, x, y);
}

bool TWkCustomLabel::DragOver(QObject* source, int x, int y, TDragState state) {
    if (!OnDragOver)
        return false;
    bool accept = true;
    OnDragOver(this, source, x, y, state, accept);
    return accept;
}

void TWkCustomLabel::DragDrop(QObject* source, int x, int y) {
    if (OnDragDrop)
        OnDragDrop(this, source, x, y);
}

TBiDiMode TWkCustomLabel::BiDiMode() const {
    if (!FParentBiDiMode)
        return FBiDiMode;
    // The widget's direction is its parent's unless set on the widget itself.
    return layoutDirection() == Qt::RightToLeft ? bdRightToLeft : bdLeftToRight;
}

void TWkCustomLabel::SetBiDiMode(TBiDiMode value) {
    FParentBiDiMode = false;
    if (value == FBiDiMode)
        return;
    FBiDiMode = value;
    Resize();
    update();
}

void TWkCustomLabel::SetParentBiDiMode(bool value) {
    if (value == FParentBiDiMode)
        return;
    FParentBiDiMode = value;
    Resize();
    update();
}

void TWkCustomLabel::changeEvent(QEvent* event) {
    TWkExGraphicControl::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange && FParentBiDiMode) {
        Resize();
        update();
    }
}

unsigned TWkCustomLabel::ReadingFlags() const {
    return UseRightToLeftReading() ? DT_RTLREADING : 0u;
}
