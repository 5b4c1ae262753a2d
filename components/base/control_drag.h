#pragma once
// Drag and drop between the library's controls (inside the program, not with the desktop): a
// control starts a drag, the controls the pointer passes over are asked whether they take what
// is dragged, and the one under the pointer at the release gets it dropped. Escape or the
// right button cancels.

#include "components/base/control_events.h"
#include "platform/ui/screen_cursors.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

// What a control does in a drag, as the source and as a possible target.
class IWkDragControl {
public:
    // As the target, in its own coordinates: whether source may be dropped there.
    virtual bool DragOver(QObject* source, int x, int y, TDragState state) = 0;
    virtual void DragDrop(QObject* source, int x, int y) = 0;
    // As the source: the drag begins (dragObject may be replaced) and ends.
    virtual void DoStartDrag(QObject*& dragObject) = 0;
    virtual void DoEndDrag(QObject* target, int x, int y) = 0;
    // The cursor shown while a target takes the drag.
    virtual int DragCursor() const = 0;

protected:
    ~IWkDragControl() = default;
};

// The drag state of one control, fed with the control's mouse events.
class TWkControlDrag : public QObject {
public:
    TWkControlDrag(QWidget* control, IWkDragControl& self);
    ~TWkControlDrag() override;

    // Starts a drag now, or (not immediate) once the pointer has moved threshold pixels from
    // where it is (-1: the desktop's start-drag distance). A drag already under way stays.
    void BeginDrag(bool immediate, int threshold = -1);
    // Ends the drag: dropped on the target under the pointer when drop is set and the target
    // takes it, else cancelled.
    void EndDrag(bool drop);
    // A drag started (not only waiting for its threshold).
    bool Dragging() const { return FDragging; }
    // Waiting for the threshold or dragging.
    bool Active() const { return FPending || FDragging; }

    // The control's mouse move and release at a global position: true when the drag took it.
    bool MouseMoved(QPoint globalPos);
    bool MouseReleased(QPoint globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start();
    void dragTo(QPoint globalPos);
    void finish(bool drop, QPoint globalPos);
    // The drag-aware control under globalPos, and the point in its coordinates.
    QWidget* targetAt(QPoint globalPos, QPoint& local) const;

    QWidget* FControl;
    IWkDragControl& FSelf;
    QPointer<QObject> FDragObject;
    QPointer<QWidget> FTarget;
    bool FTargetAccepts = false;
    bool FPending = false;
    bool FDragging = false;
    QPoint FStart;
    int FThreshold = 0;
};

// The drag properties a control publishes (DragMode, DragKind, DragCursor) with its drag state.
// Only dkDrag is acted on: the library's controls never dock.
class TWkDraggable : public IWkDragControl {
public:
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode value) { FDragMode = value; }
    TDragKind DragKind() const { return FDragKind; }
    void SetDragKind(TDragKind value) { FDragKind = value; }
    int DragCursor() const override { return FDragCursor; }
    void SetDragCursor(int cursor) { FDragCursor = cursor; }
    // See TWkControlDrag.
    void BeginDrag(bool immediate, int threshold = -1) { FDrag->BeginDrag(immediate, threshold); }
    void EndDrag(bool drop) { FDrag->EndDrag(drop); }
    bool Dragging() const { return FDrag->Dragging(); }

protected:
    // control is the widget that is this object, already made: the drag state is its child.
    explicit TWkDraggable(QWidget* control) : FDrag(new TWkControlDrag(control, *this)) {}
    ~TWkDraggable() = default;

    // Whether a left press starts dragging the control instead of the control's own press.
    bool DragsOnPress() const { return FDragMode == dmAutomatic && FDragKind == dkDrag; }

    TWkControlDrag* const FDrag;

private:
    TDragMode FDragMode = dmManual;
    TDragKind FDragKind = dkDrag;
    int FDragCursor = crDrag;
};
