#pragma once
// Hint (tool tip) colour of the extension layer: the colour a control asks for, the
// application's colour, or what its parent would use.

#include "components/base/method_event.h"
#include "platform/ui/color.h"

#include <QPoint>
#include <QRect>
#include <QString>

class QEvent;
class QObject;
class QWidget;

// Calls the event when it is set. It runs inside a Qt event handler, so an exception it throws
// is reported through the UI host instead of passed on.
void FireNotifyEvent(const TNotifyEvent& event, QObject* sender);

struct THintInfo;

// What shows a hint in place of the application's tool tip: a control's own hint window.
using THintWindowClass = void (*)(const THintInfo& info);

struct THintInfo {
    QWidget* Control = nullptr;
    QString HintText;
    QPoint GlobalPos;
    // Moving the cursor out of it (in Control's coordinates) hides the hint; empty: the whole
    // control.
    QRect CursorRect;
    TColor HintColor = clInfoBk;
    THintWindowClass HintWindowClass = nullptr; // null: the application's tool tip
};

// What a member of the layer answers when a child asks for its hint colour.
class TWkExHintSource {
public:
    virtual ~TWkExHintSource() = default;
    virtual void ResolveHintColorOf(THintInfo& info) = 0;
};

// clNone: the application's hint colour; clDefault: the parent's (when the parent belongs to
// the layer; otherwise info keeps its colour); any other value is the colour itself.
void ResolveHintColor(THintInfo& info, QWidget* control, TColor hintColor);

// The hint the application would show for control's tool-tip event.
THintInfo ApplicationHintInfo(QWidget* control, QEvent* toolTipEvent);

// Shows the hint text in its colour, through the hint's window class when it has one; false
// when there is no text to show.
bool ShowHint(const THintInfo& info);
