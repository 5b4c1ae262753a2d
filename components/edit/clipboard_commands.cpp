#include "components/edit/clipboard_commands.h"

#include <QKeyEvent>

TWkClipboardCommand ClipboardCommandOfKey(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Copy))
        return caCopy;
    if (event.matches(QKeySequence::Cut))
        return caCut;
    if (event.matches(QKeySequence::Paste))
        return caPaste;
    if (event.matches(QKeySequence::Undo))
        return caUndo;
    return TWkClipboardCommand{};
}

TWkClipboardCommands ReadOnlyClipboardCommands(TWkClipboardCommands commands) {
    return commands == 0 ? 0u : static_cast<unsigned>(caCopy);
}
