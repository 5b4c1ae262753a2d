#include "components/edit/edit_glyphs.h"

#include "platform/ui/image_list.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int DotSize = 2;
constexpr int EllipsisHeight = 4;
constexpr int DefaultImageWidth = 14;
constexpr int DefaultImageHeight = 12;

std::unique_ptr<TBitmap> monochrome(const QImage& pixels) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetImage(pixels);
    bitmap->SetPixelFormat(pf1bit);
    return bitmap;
}

} // namespace

std::unique_ptr<TBitmap> MakeEllipsisGlyph(int buttonWidth) {
    const int width = std::max(1, buttonWidth - 6);
    const int gap = std::clamp((width - 6) / 2, 1, 3);
    const int first = (width - 6 - 2 * gap) / 2;
    QImage pixels(width, EllipsisHeight, QImage::Format_RGB32);
    pixels.fill(Qt::white);
    {
        QPainter painter(&pixels);
        for (int dot = 0; dot < 3; ++dot)
            painter.fillRect(first + dot * (gap + DotSize), 1, DotSize, DotSize, Qt::black);
    }
    return monochrome(pixels);
}

std::unique_ptr<TBitmap> MakeDropDownGlyph() {
    QImage pixels(7, 4, QImage::Format_RGB32);
    pixels.fill(Qt::white);
    {
        QPainter painter(&pixels);
        for (int row = 0; row < 4; ++row)
            painter.fillRect(row, row, 7 - 2 * row, 1, Qt::black);
    }
    return monochrome(pixels);
}

TImageList& DefaultEditImages() {
    static TImageList images(DefaultImageWidth, DefaultImageHeight);
    return images;
}
