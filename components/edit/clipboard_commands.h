#pragma once
// Which clipboard commands an edit carries out; the others do nothing.

#include <QKeySequence>

class QKeyEvent;

enum TWkClipboardCommand : unsigned {
    caCopy = 1 << 0,
    caCut = 1 << 1,
    caPaste = 1 << 2,
    caClear = 1 << 3,
    caUndo = 1 << 4,
};
using TWkClipboardCommands = unsigned;
constexpr TWkClipboardCommands AllClipboardCommands = caCopy | caCut | caPaste | caClear | caUndo;

// The command a key press asks for (the platform's cut, copy, paste and undo keys); 0 for others.
TWkClipboardCommand ClipboardCommandOfKey(const QKeyEvent& event);

// What a read-only edit may keep: nothing, or copying.
TWkClipboardCommands ReadOnlyClipboardCommands(TWkClipboardCommands commands);
