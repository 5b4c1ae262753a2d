#pragma once
// The events every visual control of the library publishes besides OnClick: mouse presses,
// moves and releases, double clicks, the context popup, and drag and drop between controls.

#include "components/base/ext_codes.h"
#include "components/base/method_event.h"
#include "platform/ui/geometry.h"

#include <Qt>

class QMouseEvent;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// What was held during a mouse event: keys and buttons, and whether the press was the second
// one of a double click.
struct TMouseShiftState {
    TShiftState Keys;
    Qt::MouseButtons Buttons;
    bool Double = false;
    friend bool operator==(const TMouseShiftState&, const TMouseShiftState&) = default;
};

// The state of a mouse event, and the button it was for; false for a button the library has
// no name for (the extra buttons).
TMouseShiftState MouseShiftOf(const QMouseEvent& event, bool doubleClick = false);
bool MouseButtonOf(Qt::MouseButton button, TMouseButton& result);

// x, y in the control's own coordinates.
using TMouseEvent =
    TWkMethod<void(QObject* sender, TMouseButton button, TMouseShiftState shift, int x, int y)>;
using TMouseMoveEvent = TWkMethod<void(QObject* sender, TMouseShiftState shift, int x, int y)>;
// mousePos is (-1, -1) when the popup was asked for from the keyboard; a handler that shows a
// menu of its own sets handled, and the control's PopupMenu stays closed.
using TContextPopupEvent = TWkMethod<void(QObject* sender, TPoint mousePos, bool& handled)>;

// dmAutomatic starts a drag when the left button is pressed on the control.
enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// A handler may set dragObject; it is then what targets are offered instead of the control.
using TStartDragEvent = TWkMethod<void(QObject* sender, QObject*& dragObject)>;
// Set accept to take source at (x, y); it starts out true. A control without this handler
// takes nothing.
using TDragOverEvent =
    TWkMethod<void(QObject* sender, QObject* source, int x, int y, TDragState state, bool& accept)>;
using TDragDropEvent = TWkMethod<void(QObject* sender, QObject* source, int x, int y)>;
// target is null, and x, y 0, when the drag was cancelled or not accepted.
using TEndDragEvent = TWkMethod<void(QObject* sender, QObject* target, int x, int y)>;
