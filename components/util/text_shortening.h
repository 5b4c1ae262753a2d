#pragma once
// Fitting a caption into a width by cutting its end.

#include "platform/ui/canvas.h"

#include <QString>

// The text itself when it fits maxWidth on the canvas's font; else its longest start that fits
// with "..." appended, cutting two characters at the first step. "..." when nothing fits, even
// if "..." alone is wider. An empty text stays empty.
QString ShortenTextToWidth(const QString& text, const TCanvas& canvas, int maxWidth);

// The size of a rectangle whose corners may be given in either order.
inline int AbsRectWidth(const TRect& r) {
    return r.Right >= r.Left ? r.Right - r.Left : r.Left - r.Right;
}
inline int AbsRectHeight(const TRect& r) {
    return r.Bottom >= r.Top ? r.Bottom - r.Top : r.Top - r.Bottom;
}

// Text laid out in r by the DT_ flags; the text is never written back (DT_MODIFYSTRING is
// dropped). Returns the text height.
int DrawTextOnCanvas(TCanvas& canvas, const QString& text, int count, TRect& r, unsigned flags);
