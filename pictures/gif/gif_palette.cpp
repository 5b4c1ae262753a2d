#include "pictures/gif/gif_palette.h"

#include <algorithm>
#include <cstring>

bool TGifPalettes::holds(const TGIFColorTable& table, int bitCount) const {
    return FBitCount == bitCount && FTable.Count == table.Count &&
           std::memcmp(FTable.Colors.data(), table.Colors.data(),
                       static_cast<std::size_t>(table.Count) * 3) == 0;
}

const QList<QRgb>& TGifPalettes::For(const TGIFColorTable& table, int bitCount) {
    if (holds(table, bitCount))
        return FColors;
    const int entries = 1 << bitCount;
    QList<QRgb> colors(entries, qRgb(128, 128, 128));
    QRgb* entry = colors.data();
    const std::uint8_t* rgb = table.Colors.data();
    for (int i = 0; i < std::min(table.Count, entries); ++i, rgb += 3)
        entry[i] = qRgb(rgb[0], rgb[1], rgb[2]);
    FTable = table;
    FBitCount = bitCount;
    FColors = std::move(colors);
    return FColors;
}
