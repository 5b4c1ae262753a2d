#include "components/draw/themed_background.h"

#include "platform/ui/image_list.h"

#include <QApplication>
#include <QStyleOptionButton>
#include <QWidget>

namespace {

constexpr const char* glassPaintProperty = "tavroPaintsOnGlass";
constexpr const char* doubleBufferedProperty = "tavroDoubleBuffered";

bool hasFlag(const QWidget* widget, const char* name) {
    return widget->property(name).toBool();
}

} // namespace

bool ThemesEnabled() {
    return QApplication::style()->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) !=
           0;
}

void SetPaintsOnGlassState(QWidget* control, bool value) {
    control->setProperty(glassPaintProperty, value);
}

void SetDoubleBufferedState(QWidget* control, bool value) {
    control->setProperty(doubleBufferedProperty, value);
}

bool PaintsOnGlass(const QWidget* control) {
    if (!control || !hasFlag(control, glassPaintProperty))
        return false;
    for (const QWidget* p = control->parentWidget(); p; p = p->parentWidget()) {
        if (p->isWindow())
            return true;
        if (hasFlag(p, doubleBufferedProperty))
            return false;
    }
    return true;
}

int DrawThemedText(TCanvas& canvas, const QString& text, TRect& r, bool composited,
                   unsigned format) {
    if (!composited || !ThemesEnabled())
        return canvas.DrawText(text, r, format);
    const TBrush saved = canvas.Brush;
    canvas.Brush.Style = bsClear;
    const int height = canvas.DrawText(text, r, format);
    canvas.Brush = saved;
    return height;
}

void DrawImageListImage(const TImageList& list, int index, TCanvas& canvas, int x, int y,
                        unsigned style, bool composited) {
    if (index < 0 || index >= list.Count())
        return;
    if (style & ILD_MASK) {
        canvas.Painter().drawImage(x, y, list.Mask(index));
        return;
    }
    if (!composited) {
        list.Draw(canvas, x, y, index);
        return;
    }
    // A cell's mask is its alpha: any alpha at all is inside the mask.
    QImage buffer = list.Image(index);
    for (int py = 0; py < buffer.height(); ++py)
        for (int px = 0; px < buffer.width(); ++px) {
            const QRgb p = buffer.pixel(px, py);
            buffer.setPixel(px, py, qAlpha(p) != 0 ? (p | 0xFF000000u) : 0u);
        }
    canvas.Painter().drawImage(x, y, buffer);
}

bool ThemedContentRect(const QStyle* style, const TRect& bounding, TRect& content) {
    QStyleOptionButton option;
    option.rect = ToQRect(bounding);
    content = FromQRect(style->subElementRect(QStyle::SE_PushButtonContents, &option));
    return true;
}

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
        !ThemesEnabled() || !parent ||
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
