#pragma once
// Bitmaps drawn with one colour left out, and the greyed-out images of disabled controls.

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/image_list.h"

#include <memory>

// The colour's RGB value flagged to take the nearest palette entry.
TColor PaletteRgbOf(TColor color);

// Stretches source's rectangle (sx, sy, sw, sh) onto (x, y, w, h) of dest, leaving out every
// pixel of the transparent colour.
void TransparentStretchBlt(TCanvas& dest, int x, int y, int w, int h, const QImage& source, int sx,
                           int sy, int sw, int sh, TColor transparent);

// Draws bitmap's source rectangle stretched to (x, y, w, h). A width or height below 1 takes
// the bitmap's (for the source: the whole bitmap). clNone draws every pixel; clDefault takes
// the bottom-left pixel's colour (an empty bitmap draws nothing); a monochrome bitmap leaves
// out white.
void StretchTransparentBitmap(TCanvas& canvas, TBitmap& bitmap, TColor transparent, int x, int y,
                              int w, int h, const TRect& source);
void StretchTransparentBitmapRect(TCanvas& canvas, int x, int y, int w, int h, const TRect& source,
                                  TBitmap& bitmap, TColor transparent);
// At the bitmap's own size.
void DrawTransparentBitmap(TCanvas& canvas, int x, int y, TBitmap& bitmap, TColor transparent);

// A new bitmap of bitmap's size on background showing bitmap's shape (its pixels that are not
// transparent) in shadow at (0, 0), over the shape in highlight at (1, 1) when withHighlight.
std::unique_ptr<TBitmap> MakeDisabledBitmapColored(const TBitmap& bitmap, TColor transparent,
                                                   TColor background, bool withHighlight,
                                                   TColor shadow, TColor highlight);
// On the transparent colour, clBtnHighlight under clBtnShadow.
std::unique_ptr<TBitmap> MakeDisabledBitmap(const TBitmap& bitmap, TColor transparent);
// On clBtnFace, clBtnHighlight under clBtnShadow.
std::unique_ptr<TBitmap> MakeDisabledBitmapStd(const TBitmap& bitmap, TColor transparent);

// The shape of an image list cell in highlight at (x + 1, y + 1) when withHighlight, then in
// shadow at (x, y).
void DrawImageListItemDisabled(const TImageList& list, TCanvas& canvas, int x, int y, int index,
                               TColor highlight, TColor shadow, bool withHighlight);

// An 8 x 8 bitmap in color1 with color2 where x + y is even.
std::unique_ptr<TBitmap> MakeCheckerBrushBitmap(TColor color1, TColor color2);

// The height of the canvas font's characters, from its metrics.
int CanvasTextHeight(const TCanvas& canvas);
