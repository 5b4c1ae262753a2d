#pragma once
// Gives each character typed into a control (Backspace, 8, included) to the control's key-press
// handler before the control sees it; a handler that sets the key to 0 swallows it. Keys that
// type no printable character (arrows, Tab, Return, Escape, Delete, shortcuts) pass untouched
// and reach no handler.

#include "components/base/method_event.h"

#include <QObject>

class QChar;

// OnKeyPress: the control that got the key and the typed character; key := 0 swallows it.
using TKeyPressEvent = TWkMethod<void(QObject* sender, QChar& key)>;

class KeyFilter final : public QObject {
public:
    static void Install(QObject* watched, TKeyPressEvent onKeyPress);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyFilter(QObject* parent, TKeyPressEvent onKeyPress);

    TKeyPressEvent onKeyPress_;
};
