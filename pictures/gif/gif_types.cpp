#include "pictures/gif/gif_types.h"

#include "platform/ui/graphic.h"

#include <algorithm>
#include <cstring>

int GifColorBits(int count) {
    for (int bits = 1; bits <= 8; ++bits)
        if (count == 1 << bits)
            return bits;
    return 0;
}

QString GifNoDataText() {
    return QStringLiteral("No GIF Data to write");
}

void CheckGifFrameSize(int width, int height) {
    if (width > MaxGifFrameSide || height > MaxGifFrameSide ||
        std::int64_t{width} * height > MaxGifFramePixels)
        throw EInvalidGraphicOperation(
            QStringLiteral("GIF frame of %1 x %2 pixels is too large").arg(width).arg(height));
}

void CheckGifPictureSize(std::int64_t pixels) {
    if (pixels > MaxGifPicturePixels)
        throw EInvalidGraphicOperation(
            QStringLiteral("GIF picture is too large: its frames hold more than %1 pixels together")
                .arg(MaxGifPicturePixels));
}

void TGIFColorTable::MakeEntryUnique(int index) {
    const TColor colour = ColorAt(index);
    int blue = GetBValue(colour);
    int step = -1;
    const auto taken = [this, index](TColor c) {
        for (int i = 0; i < Count; ++i)
            if (i != index && ColorAt(i) == c)
                return true;
        return false;
    };
    TColor candidate = colour;
    // 512 moves sweep every Blue value at least once; one of them is free.
    for (int moves = 0; moves < 512 && taken(candidate); ++moves) {
        if (blue == 0)
            step = 1;
        else if (blue == 255)
            step = -1;
        blue += step;
        candidate = (colour & 0x00FFFF) | blue << 16;
    }
    SetColorAt(index, candidate);
}

TColor GifGrayOf(TColor color) {
    const int gray = (GetRValue(color) * 77 + GetGValue(color) * 150 + GetBValue(color) * 29) >> 8;
    return gray | gray << 8 | gray << 16;
}

void TGIFColorTable::MakeGray() {
    for (int i = 0; i < Count; ++i)
        SetColorAt(i, GifGrayOf(ColorAt(i)));
}

int GifBitsForCount(int count) {
    int bits = 1;
    while (bits < 8 && (1 << bits) < count)
        ++bits;
    return bits;
}

bool TExtension::IsLoopExtension() const {
    if (FExtType != etApplication || FData.isEmpty())
        return false;
    std::array<std::uint8_t, 11> id{};
    std::copy(APPE.AppId.begin(), APPE.AppId.end(), id.begin());
    std::copy(APPE.Authentication.begin(), APPE.Authentication.end(), id.begin() + 8);
    const std::size_t length = std::min<std::size_t>(APPE.BlockSize, id.size());
    const bool known = std::memcmp(id.data(), "NETSCAPE2.0", length) == 0 ||
                       std::memcmp(id.data(), "ANIMEXTS1.0", length) == 0;
    const QByteArray& first = FData.front();
    return known && first.size() >= 3 && first[0] == 1;
}

int TExtension::LoopCount() const {
    const QByteArray& first = FData.front();
    const int count = static_cast<std::uint8_t>(first[1]) | static_cast<std::uint8_t>(first[2])
                                                                << 8;
    return std::min(count, MaxRepeatCount);
}
