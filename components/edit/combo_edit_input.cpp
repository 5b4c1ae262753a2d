// The combo edit's keyboard, clipboard gate, drops and focus exit.

#include "components/edit/combo_edit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>

void TWkCustomComboEdit::SetClipboardCommands(TWkClipboardCommands value) {
    FClipboardCommands = ReadOnly() ? ReadOnlyClipboardCommands(value) : value;
}

bool TWkCustomComboEdit::allowed(TWkClipboardCommand command) const {
    return (FClipboardCommands & command) != 0;
}

bool TWkCustomComboEdit::Cut() {
    if (!allowed(caCut) || !FDirectInput || ReadOnly())
        return false;
    cut();
    return true;
}

bool TWkCustomComboEdit::Copy() {
    if (!allowed(caCopy))
        return false;
    copy();
    return true;
}

bool TWkCustomComboEdit::Paste() {
    if (!pasteAllowed())
        return false;
    ClearGroup();
    paste();
    return true;
}

bool TWkCustomComboEdit::Clear() {
    if (!allowed(caClear))
        return false;
    setText(QString());
    return true;
}

bool TWkCustomComboEdit::Undo() {
    if (!allowed(caUndo))
        return false;
    undo();
    return true;
}

bool TWkCustomComboEdit::ValidateEdit() {
    if (inputMask().isEmpty() || hasAcceptableInput())
        return true;
    if (FBeepOnError)
        QApplication::beep();
    return false;
}

void TWkCustomComboEdit::Reset() {
    if (inputMask().isEmpty() || !isModified())
        return;
    setText(FOldValue);
    setModified(false);
}

void TWkCustomComboEdit::keyPressEvent(QKeyEvent* event) {
    ClearGroup();
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((event->modifiers() & Qt::ControlModifier) && (key == Qt::Key_Tab || enter)) {
        event->ignore();
        return;
    }
    const QKeyCombination pressed(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(key));
    const bool clickKey = QKeySequence(pressed) == FClickKey;
    // The button's key still toggles the popup; every other key is the popup list's first.
    if (!clickKey && forwardToPopupList(event))
        return;
    // What the list leaves of a Tab ends here: the focus stays while the popup is open.
    if (FPopupVisible && (key == Qt::Key_Tab || key == Qt::Key_Backtab)) {
        event->accept();
        return;
    }
    if (FPopupVisible && (enter || key == Qt::Key_Escape)) {
        ClosePopup(key != Qt::Key_Escape);
        event->accept();
        return;
    }
    if (clickKey && ButtonWidth() > 0) {
        buttonClicked();
        event->accept();
        return;
    }
    if (dropsCompletionList(*event)) {
        event->accept();
        return;
    }
    const TWkClipboardCommand command = ClipboardCommandOfKey(*event);
    if (command != TWkClipboardCommand{}) {
        carryOut(command);
        event->accept();
        return;
    }
    if (markWithoutCopy(*event)) {
        event->accept();
        return;
    }
    const QString before = text();
    TWkExCustomMaskEdit::keyPressEvent(event);
    appendCompletion(*event, before);
    // Esc drops the change of a bound edit and shows the field again.
    if (key == Qt::Key_Escape && DataConnector().Active()) {
        DataConnector().Reset();
        event->accept();
    }
}

void TWkCustomComboEdit::keyReleaseEvent(QKeyEvent* event) {
    if (!forwardToPopupList(event))
        TWkExCustomMaskEdit::keyReleaseEvent(event);
}

// The line edit copies what the keys select into the X11 selection; with copying closed the
// edit moves the mark itself, which copies nothing.
bool TWkCustomComboEdit::markWithoutCopy(const QKeyEvent& event) {
    if (allowed(caCopy) || !QGuiApplication::clipboard()->supportsSelection())
        return false;
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    if (event.matches(QKeySequence::SelectAll))
        selectAll();
    else if (event.matches(QKeySequence::SelectNextChar))
        rightToLeft ? cursorBackward(true) : cursorForward(true);
    else if (event.matches(QKeySequence::SelectPreviousChar))
        rightToLeft ? cursorForward(true) : cursorBackward(true);
    else if (event.matches(QKeySequence::SelectNextWord))
        rightToLeft ? cursorWordBackward(true) : cursorWordForward(true);
    else if (event.matches(QKeySequence::SelectPreviousWord))
        rightToLeft ? cursorWordForward(true) : cursorWordBackward(true);
    else if (event.matches(QKeySequence::SelectStartOfLine) ||
             event.matches(QKeySequence::SelectStartOfBlock) ||
             event.matches(QKeySequence::SelectStartOfDocument))
        home(true);
    else if (event.matches(QKeySequence::SelectEndOfLine) ||
             event.matches(QKeySequence::SelectEndOfBlock) ||
             event.matches(QKeySequence::SelectEndOfDocument))
        end(true);
    else
        return false;
    return true;
}

bool TWkCustomComboEdit::pasteAllowed() const {
    return allowed(caPaste) && FDirectInput && !ReadOnly();
}

// The X11 selection is pasted with the middle button and filled by selecting with the left one;
// both go through the paste and copy gates.
void TWkCustomComboEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (QGuiApplication::clipboard()->supportsSelection()) {
        if (event->button() == Qt::MiddleButton && !pasteAllowed()) {
            event->accept();
            return;
        }
        if (event->button() == Qt::LeftButton && !allowed(caCopy)) {
            event->accept();
            return;
        }
        if (event->button() == Qt::MiddleButton)
            ClearGroup();
    }
    TWkExCustomMaskEdit::mouseReleaseEvent(event);
}

// A dropped text is pasted: it needs the paste gate open.
void TWkCustomComboEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (!pasteAllowed()) {
        event->ignore();
        return;
    }
    TWkExCustomMaskEdit::dragEnterEvent(event);
}

void TWkCustomComboEdit::dragMoveEvent(QDragMoveEvent* event) {
    if (!pasteAllowed()) {
        event->ignore();
        return;
    }
    TWkExCustomMaskEdit::dragMoveEvent(event);
}

void TWkCustomComboEdit::dropEvent(QDropEvent* event) {
    if (!pasteAllowed()) {
        event->ignore();
        return;
    }
    ClearGroup();
    TWkExCustomMaskEdit::dropEvent(event);
}

namespace {

// A change of window or a menu opening is no move between the window's controls.
bool movesWithinWindow(const QFocusEvent& event) {
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

} // namespace

void TWkCustomComboEdit::focusInEvent(QFocusEvent* event) {
    if (movesWithinWindow(*event)) {
        FOldValue = text();
        DoEnter();
    }
    const bool selected = hasSelectedText();
    TWkExCustomMaskEdit::focusInEvent(event);
    // Qt selects the whole text when the focus comes by key; that goes through SelectAll, which
    // selects nothing without DirectInput.
    if (!FDirectInput && !selected && hasSelectedText())
        deselect();
}

void TWkCustomComboEdit::focusOutEvent(QFocusEvent* event) {
    const bool leaving = movesWithinWindow(*event);
    if (leaving)
        DoExit();
    TWkExCustomMaskEdit::focusOutEvent(event);
    QWidget* next = QApplication::focusWidget();
    if (FPopupVisible && next && next != this && !insidePopup(next))
        PostClosePopup(false);
    if (leaving && FCheckOnExit)
        ValidateEdit();
}

void TWkCustomComboEdit::DoExit() {
    DataConnector().UpdateRecord();
}

void TWkCustomComboEdit::carryOut(TWkClipboardCommand command) {
    switch (command) {
    case caCopy:
        Copy();
        break;
    case caCut:
        Cut();
        break;
    case caPaste:
        Paste();
        break;
    case caClear:
        Clear();
        break;
    case caUndo:
        Undo();
        break;
    }
}

// The menu's clipboard entries go through the same gate as the keys.
void TWkCustomComboEdit::showGatedContextMenu(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    const std::pair<const char*, TWkClipboardCommand> entries[] = {
        {"edit-cut", caCut},      {"edit-copy", caCopy}, {"edit-paste", caPaste},
        {"edit-delete", caClear}, {"edit-undo", caUndo},
    };
    for (const auto& [name, command] : entries) {
        auto* action = menu->findChild<QAction*>(QString::fromLatin1(name));
        if (!action)
            continue;
        action->disconnect();
        action->setEnabled(action->isEnabled() && allowed(command));
        connect(action, &QAction::triggered, this,
                [this, command = command] { carryOut(command); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
