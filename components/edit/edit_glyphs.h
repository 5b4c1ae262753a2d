#pragma once
// The faces of combo-edit buttons that the library makes itself.

#include "platform/ui/bitmap.h"

#include <memory>

class TImageList;

// Three 2 x 2 black dots on white (white is transparent), for a button buttonWidth wide: the
// glyph is max(1, buttonWidth - 6) x 4, the dots at row 1 with gaps of 1 to 3 pixels.
std::unique_ptr<TBitmap> MakeEllipsisGlyph(int buttonWidth);
// A small down-pointing arrow in black on white, the classic combo-box face.
std::unique_ptr<TBitmap> MakeDropDownGlyph();

// The process's list of default button images, 14 x 12 pixels, made on first use.
TImageList& DefaultEditImages();
