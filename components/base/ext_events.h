#pragma once
// Notifications of the extension layer that Qt has no event for. Each is a QEvent of its own
// type, sent to a control so that it reaches the control's hook and then the Qt class, which
// ignores it, like every other notification.

#include <QEvent>
#include <QUuid>

class QWidget;

namespace WkExEvent {
// The control's text changed.
QEvent::Type TextChanged();
// The hint setting of the control's parent changed.
QEvent::Type ParentShowHintChanged();
// Another control of the window took the focus (TWkFocusChangedEvent).
QEvent::Type FocusChanged();
// Asks whether the control implements the library's queried interface (TWkInterfaceQueryEvent).
QEvent::Type InterfaceQuery();
} // namespace WkExEvent

class TWkFocusChangedEvent : public QEvent {
public:
    explicit TWkFocusChangedEvent(QWidget* focused)
        : QEvent(WkExEvent::FocusChanged()), Control(focused) {}
    QWidget* const Control;
};

// The interface the query asks about: {76942BC0-2A6E-4DC4-BFC9-8E110DB7F601}.
inline const QUuid WkExQueriedInterface{0x76942bc0, 0x2a6e, 0x4dc4, 0xbf, 0xc9, 0x8e,
                                        0x11,       0x0d,   0xb7,   0xf6, 0x01};

class TWkInterfaceQueryEvent : public QEvent {
public:
    TWkInterfaceQueryEvent() : QEvent(WkExEvent::InterfaceQuery()) {}
    bool Implemented = false;
};

// Keeps a control on the list of controls told when the focus moves inside their window, for as
// long as this object lives (a member of the control).
class TWkExFocusListener {
public:
    explicit TWkExFocusListener(QWidget* control);
    ~TWkExFocusListener();
    TWkExFocusListener(const TWkExFocusListener&) = delete;
    TWkExFocusListener& operator=(const TWkExFocusListener&) = delete;

private:
    QWidget* FControl;
};
