#include "components/base/highlight_frame.h"

#include "components/draw/themed_background.h"
#include "platform/ui/canvas.h"

#include <QWidget>

void DrawHighlightFrame(QWidget* control, bool highlighted) {
    TCanvas canvas(control);
    const TRect outer = Rect(0, 0, control->width(), control->height());
    const TRect inner = Rect(1, 1, control->width() - 1, control->height() - 1);
    canvas.Brush.Color = highlighted ? FocusedFrameColor : UnfocusedFrameColor;
    canvas.FrameRect(outer);
    if (!highlighted)
        canvas.Brush.Color = ControlColor(control);
    canvas.FrameRect(inner);
}
