#pragma once
// The colour tables of a picture's decoded bitmaps. Frames that bring the same colours (most
// often the global table) share one list instead of each building its own.

#include "pictures/gif/gif_types.h"

#include <QList>
#include <QRgb>

class TGifPalettes {
public:
    // The 2^bitCount colours of a bitmap decoded with `table`; entries past the table's count
    // are gray (128, 128, 128).
    const QList<QRgb>& For(const TGIFColorTable& table, int bitCount);

private:
    bool holds(const TGIFColorTable& table, int bitCount) const;

    // What FColors was made from.
    TGIFColorTable FTable;
    int FBitCount = 0;
    QList<QRgb> FColors;
};
