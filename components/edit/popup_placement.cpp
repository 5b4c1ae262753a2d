#include "components/edit/popup_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint PopupPosition(const QRect& edit, QSize popup, const QRect& workArea, TPopupAlign align) {
    const int workRight = workArea.left() + workArea.width();
    const int workBottom = workArea.top() + workArea.height();
    int y = edit.top() + edit.height();
    if (y + popup.height() > workBottom)
        y = edit.top() - popup.height();
    int x;
    if (align == epaRight) {
        x = edit.left() + edit.width() - popup.width();
        if (x < workArea.left())
            x = edit.left();
    } else {
        x = edit.left();
        if (x + popup.width() > workRight)
            x = workRight - popup.width();
    }
    x = std::min(x, workRight - popup.width());
    x = std::max(x, workArea.left());
    return {x, y};
}

QRect ScreenWorkAreaOf(const QWidget* control) {
    const QPoint middle = control->mapToGlobal(control->rect().center());
    QScreen* screen = QGuiApplication::screenAt(middle);
    if (!screen)
        screen = control->screen();
    return screen ? screen->availableGeometry() : QRect();
}
