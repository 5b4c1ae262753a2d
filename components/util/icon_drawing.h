#pragma once
// Drawing an icon file's picture at its own size, and the bitmap row arithmetic it needs.

#include "platform/ui/canvas.h"
#include "platform/ui/icon.h"

#include <QByteArray>
#include <QImage>

// Bytes of one bitmap row of bitCount bits, padded to 32 bits.
int AlignedRowBytes(int bitCount);
// Palette entries of a bitmap: 2, 16 or 256 for 1, 4 or 8 bits per pixel, else 0.
int PaletteEntryCount(int bitsPerPixel);

// The picture an icon stream (the bytes of an icon file) shows at its own size. Resource type 0
// stands for the application's icon; an icon file (type 1) gives the directory image whose
// colour count matches the display's, else its first image; anything else is read as a plain
// picture. A null image when the stream is damaged: every offset and size is checked first.
QImage IconImage(const QByteArray& iconStream);

// Draws IconImage at (x, y). Returns false, drawing nothing, for a damaged icon.
bool DrawIconAtNaturalSize(TCanvas& canvas, const QByteArray& iconStream, int x, int y);
// Draws the icon picture at its own size through its saved stream, so the image chosen is the
// one matching the display rather than the first. False, drawing nothing, for an empty icon.
bool DrawIconAtNaturalSize(TCanvas& canvas, const TIcon& icon, int x, int y);
