#include "components/buttons/button_face.h"

#include <algorithm>

namespace {

constexpr int FaceStep = 64;

TColor shiftChannels(TColor color, int delta) {
    const TColor rgb = ColorToRGB(color);
    auto channel = [delta](int value) {
        return std::clamp(value + delta, 0, 255);
    };
    return static_cast<TColor>(channel(GetRValue(rgb)) | channel(GetGValue(rgb)) << 8 |
                               channel(GetBValue(rgb)) << 16);
}

// A one-pixel frame: top and left in topLeft, bottom and right in bottomRight; r shrinks by 1.
void frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight) {
    const TBrush saved = canvas.Brush;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = topLeft;
    canvas.FillRect({r.Left, r.Top, r.Right, r.Top + 1});
    canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
    canvas.Brush.Color = bottomRight;
    canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
    canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
    canvas.Brush = saved;
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
}

} // namespace

TColor FaceHighlight(TColor color) {
    return shiftChannels(color, FaceStep);
}

TColor FaceShadow(TColor color) {
    return shiftChannels(color, -FaceStep);
}

void DrawClassicFrame(TCanvas& canvas, TRect& r, bool pressed, TButtonStyle style, bool flat,
                      TColor color) {
    const TColor highlight = FaceHighlight(color);
    const TColor shadow = FaceShadow(color);
    const bool win31 = style == bsWin31;
    if (flat) {
        if (pressed)
            frame3D(canvas, r, win31 ? clWindowFrame : shadow, highlight);
        else
            frame3D(canvas, r, highlight, win31 ? clWindowFrame : shadow);
        return;
    }
    if (!win31) {
        if (pressed) {
            frame3D(canvas, r, clWindowFrame, highlight);
            frame3D(canvas, r, shadow, color);
        } else {
            frame3D(canvas, r, highlight, clWindowFrame);
            frame3D(canvas, r, color, shadow);
        }
        return;
    }
    frame3D(canvas, r, clWindowFrame, clWindowFrame);
    if (!pressed) {
        frame3D(canvas, r, highlight, shadow);
        return;
    }
    const TBrush saved = canvas.Brush;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clBtnShadow;
    canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
    canvas.FillRect({r.Left, r.Top, r.Right, r.Top + 1});
    canvas.Brush = saved;
}
