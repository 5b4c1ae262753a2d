#pragma once
// A bitmap as a BMP stream at a chosen colour depth, reduced to 8 bits by a colour mapping
// method where needed.

#include "components/draw/color_reduction.h"
#include "platform/ui/bitmap.h"

#include <QBuffer>
#include <memory>

// The mapping method BitmapToMemoryStreamForColorCount uses; frequency quantiser at start.
extern TWkColorMapping ColorMapping;

TPixelFormat GetBitmapPixelFormat(const TBitmap& bitmap);
// 2, 16 or 256 for 1, 4 and 8 bits; 0 for the other formats.
int ColorsOfPixelFormat(TPixelFormat format);
// The number of entries of a palette (a bitmap's Palette(); empty for true colour).
int GetPaletteEntryCount(const QList<QRgb>& palette);

// A new stream, positioned at 0, holding a BMP file of bitmap at format (1, 4, 8 or 24 bits).
// Raises EInvalidGraphic "Bitmap image is not valid" for a bitmap without pixels and
// EWkException "BitmapToMemoryStream: pixel format not implemented" for other formats.
std::unique_ptr<QBuffer> BitmapToMemoryStream(const TBitmap& bitmap, TPixelFormat format,
                                              TWkColorMapping method);
// The format from a colour count (<= 2: 1 bit, <= 16: 4 bits, > 256: 24 bits, else 8 bits)
// and the ColorMapping setting.
std::unique_ptr<QBuffer> BitmapToMemoryStreamForColorCount(const TBitmap& bitmap, int colorCount);
