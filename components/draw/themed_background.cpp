#include "components/draw/themed_background.h"

#include <QWidget>

TColor ControlColor(const QWidget* control) {
    return FromQColor(control->palette().color(control->backgroundRole()));
}

bool HasParentBackground(const QWidget* control) {
    return !control->autoFillBackground();
}

void FillThemedBackground(QWidget* control, TCanvas& canvas, const TRect& r,
                          bool mustDrawParentBackground, TColor color) {
    const QWidget* parent = control ? control->parentWidget() : nullptr;
    const bool plain =
        !parent ||
        (color != ControlColor(parent) && ColorToRGB(color) != ColorToRGB(ControlColor(parent))) ||
        (mustDrawParentBackground && !HasParentBackground(control));
    if (!plain) {
        EraseParentBackground(control, canvas, control->pos(), r);
        return;
    }
    const TBrush saved = canvas.Brush;
    canvas.Brush = TBrush{color, bsSolid};
    canvas.FillRect(r);
    canvas.Brush = saved;
}

void FillThemedBackground(QWidget* control, TCanvas& canvas, const TRect& r,
                          bool mustDrawParentBackground) {
    FillThemedBackground(control, canvas, r, mustDrawParentBackground, canvas.Brush.Color);
}

void EraseParentBackground(QWidget* control, TCanvas& canvas, QPoint offset,
                           std::optional<TRect> clip) {
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent)
        return;
    QPainter& painter = canvas.Painter();
    painter.save();
    if (clip)
        painter.setClipRect(ToQRect(*clip), Qt::IntersectClip);
    // The part of the parent under the control lands at the control's own origin.
    const QRect source(offset, control->size());
    parent->render(&painter, QPoint(0, 0), QRegion(source), QWidget::DrawWindowBackground);
    painter.restore();
}

void EraseParentBackground(QWidget* control, TCanvas& canvas) {
    EraseParentBackground(control, canvas, control ? control->pos() : QPoint());
}
