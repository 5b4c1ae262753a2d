#include "platform/ui/shading.h"

#include <cmath>

namespace {

int shadeChannel(int first, int second, int i, int n) {
    return first + static_cast<int>(std::ceil(static_cast<double>(second - first) / n * i));
}

} // namespace

TColor ShadeColor(TColor first, TColor second, int i, int n) {
    if (n <= 0)
        return ColorToRGB(first);
    const TColor a = ColorToRGB(first);
    const TColor b = ColorToRGB(second);
    return RGB(shadeChannel(GetRValue(a), GetRValue(b), i, n),
               shadeChannel(GetGValue(a), GetGValue(b), i, n),
               shadeChannel(GetBValue(a), GetBValue(b), i, n));
}

void FillShaded(TCanvas& canvas, const TRect& r, TColor first, TColor second,
                ShadeDirection direction) {
    const TPen saved = canvas.Pen;
    const bool rows = direction == ShadeDirection::TopToBottom;
    const int n = rows ? r.Height() : r.Width();
    for (int i = 0; i < n; ++i) {
        canvas.Pen = TPen{ShadeColor(first, second, i, n), psSolid, 1};
        if (rows) {
            canvas.MoveTo(r.Left, r.Top + i);
            canvas.LineTo(r.Right, r.Top + i);
        } else {
            canvas.MoveTo(r.Left + i, r.Top);
            canvas.LineTo(r.Left + i, r.Bottom);
        }
    }
    canvas.Pen = saved;
}
