// The combo edit's popup: placing, opening and closing it, and what closes it by itself.

#include "components/edit/combo_edit.h"
#include "components/edit/edit_button.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>

void TWkCustomComboEdit::ShowPopup(bool readOnlyWhileOpen) {
    if ((ReadOnly() && !FAlwaysShowPopup) || FPopupVisible || !FPopup)
        return;
    BeforePopup();
    const QRect edit(mapToGlobal(QPoint(0, 0)), size());
    const QSize popupSize = FPopup->size().isValid() ? FPopup->size() : FPopup->sizeHint();
    const QPoint origin = PopupPosition(edit, popupSize, ScreenWorkAreaOf(this), FPopupAlign);
    SetPopupValue(text());
    setFocus();
    ShowPopupWindow(origin);
    FPopupVisible = true;
    // Presses elsewhere and the window's deactivation close the popup (CancelMode).
    qApp->installEventFilter(this);
    if (readOnlyWhileOpen)
        setReadOnly(true);
}

void TWkCustomComboEdit::ShowPopupWindow(QPoint origin) {
    FPopup->move(origin);
    FPopup->show();
    FireNotifyEvent(OnPopupShown, this);
}

void TWkCustomComboEdit::HidePopupWindow() {
    FPopup->hide();
    FireNotifyEvent(OnPopupHidden, this);
}

void TWkCustomComboEdit::ClosePopup(bool accept) {
    if (!FPopupVisible)
        return;
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    const std::optional<QString> value = GetPopupValue();
    FPopupVisible = false;
    qApp->removeEventFilter(this);
    if (FPopup)
        HidePopupWindow();
    if (isEnabled() && window()->isVisible())
        setFocus();
    updateReadOnly();
    update();
    if (!accept || !value || !PopupValueAcceptable(*value) || ReadOnly()) {
        Reset();
        return;
    }
    try {
        AcceptPopupValue(*value);
    } catch (...) {
        Reset();
        throw;
    }
    if (hasFocus())
        SelectAll();
}

void TWkCustomComboEdit::AcceptPopupValue(const QString& value) {
    if (value != text()) {
        setText(value);
        setModified(true);
    }
    FireNotifyEvent(OnPopupValueAccepted, this);
}

void TWkCustomComboEdit::PostClosePopup(bool accept) {
    QMetaObject::invokeMethod(
        this, [this, accept] { ClosePopup(accept); }, Qt::QueuedConnection);
}

namespace {

// object is ancestor or lies somewhere inside it.
bool isWithin(const QObject* object, const QObject* ancestor) {
    for (; object; object = object->parent()) {
        if (object == ancestor)
            return true;
    }
    return false;
}

} // namespace

bool TWkCustomComboEdit::insidePopup(const QObject* object) const {
    return FPopup && isWithin(object, FPopup);
}

void TWkCustomComboEdit::CancelMode(QObject* sender) {
    if (!FPopupVisible || sender == this || insidePopup(sender) || isWithin(sender, FButton))
        return;
    ClosePopup(false);
}

bool TWkCustomComboEdit::eventFilter(QObject* watched, QEvent* event) {
    if (FPopupVisible) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
            if (watched->isWidgetType())
                CancelMode(watched);
            break;
        case QEvent::WindowDeactivate:
            // The edit's window lost the focus to a window that is not the popup.
            if (watched == window() && !insidePopup(QApplication::activeWindow()))
                CancelMode(watched);
            break;
        default:
            break;
        }
    }
    return TWkExCustomMaskEdit::eventFilter(watched, event);
}

QAbstractItemView* TWkCustomComboEdit::PopupList() const {
    if (!FPopup)
        return nullptr;
    if (auto* list = qobject_cast<QAbstractItemView*>(FPopup.data()))
        return list;
    return FPopup->findChild<QAbstractItemView*>();
}

// The list takes the key when it accepts it; the edit handles what the list leaves.
bool TWkCustomComboEdit::forwardToPopupList(QKeyEvent* event) {
    QAbstractItemView* list = FPopupVisible ? PopupList() : nullptr;
    if (!list)
        return false;
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(),
                   event->isAutoRepeat(), event->count());
    static_cast<QObject*>(list)->event(&copy);
    if (!copy.isAccepted())
        return false;
    event->accept();
    return true;
}

void TWkCustomComboEdit::contextMenuEvent(QContextMenuEvent* event) {
    if (QAbstractItemView* list = FPopupVisible ? PopupList() : nullptr) {
        QContextMenuEvent copy(event->reason(), list->mapFromGlobal(event->globalPos()),
                               event->globalPos(), event->modifiers());
        static_cast<QObject*>(list)->event(&copy);
        if (copy.isAccepted()) {
            event->accept();
            return;
        }
    }
    showGatedContextMenu(event);
}
