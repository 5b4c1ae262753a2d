#include "platform/ui/image_list.h"

#include "platform/ui/color_key.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr QRgb transparentPixel = 0;

// Fades a disabled cell the way the desktop blends it half with the button face.
constexpr double disabledOpacity = 0.5;

} // namespace

TChangeLink::~TChangeLink() {
    if (sender)
        sender->UnRegisterChanges(*this);
}

TImageList::TImageList(int w, int h) : width(std::max(w, 1)), height(std::max(h, 1)) {}

TImageList::~TImageList() {
    for (TChangeLink* link : links)
        link->sender = nullptr;
}

void TImageList::SetSize(int w, int h) {
    w = std::max(w, 1);
    h = std::max(h, 1);
    if (w == width && h == height)
        return;
    width = w;
    height = h;
    images.clear();
    changed();
}

int TImageList::addCells(const QImage& pixels) {
    if (pixels.isNull())
        return -1;
    const int first = Count();
    const int cells = std::max(pixels.width() / width, 1);
    for (int i = 0; i < cells; ++i) {
        QImage cell(width, height, QImage::Format_ARGB32);
        cell.fill(transparentPixel);
        QPainter painter(&cell);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, pixels, i * width, 0, width, height);
        painter.end();
        images.push_back(cell);
    }
    changed();
    return first;
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
    if (image.Empty())
        return -1;
    QImage pixels = image.Image().convertToFormat(QImage::Format_ARGB32);
    if (mask && !mask->Empty()) {
        const QImage maskPixels = mask->Image().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < pixels.height() && y < maskPixels.height(); ++y)
            for (int x = 0; x < pixels.width() && x < maskPixels.width(); ++x)
                if ((maskPixels.pixel(x, y) & RGB_MASK) != 0)
                    pixels.setPixel(x, y, transparentPixel);
    }
    return addCells(pixels);
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
    if (image.Empty())
        return -1;
    if (maskColor == clDefault)
        maskColor = image.Pixel(0, image.Height() - 1);
    const QRgb key = ToQColor(maskColor & 0x00FFFFFF).rgb() & RGB_MASK;
    return addCells(WithoutKeyColor(image.Image(), key));
}

QImage TImageList::cellOf(const QImage& image) const {
    return image.convertToFormat(QImage::Format_ARGB32)
        .scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

int TImageList::AddImage(const QImage& image) {
    if (image.isNull())
        return -1;
    images.push_back(cellOf(image));
    changed();
    return Count() - 1;
}

void TImageList::Replace(int index, const QImage& image) {
    if (index < 0 || index >= Count() || image.isNull())
        return;
    images[index] = cellOf(image);
    changed();
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    images.erase(images.begin() + index);
    changed();
}

void TImageList::Clear() {
    if (images.empty())
        return;
    images.clear();
    changed();
}

QImage TImageList::Image(int index) const {
    return index >= 0 && index < Count() ? images[index] : QImage();
}

QImage TImageList::Mask(int index) const {
    if (index < 0 || index >= Count())
        return {};
    const QImage& cell = images[index];
    QImage mask(width, height, QImage::Format_Mono);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            mask.setPixel(x, y, qAlpha(cell.pixel(x, y)) == 0 ? 1 : 0);
    return mask;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count())
        return;
    QPainter& painter = canvas.Painter();
    const double opacity = painter.opacity();
    if (!enabled)
        painter.setOpacity(opacity * disabledOpacity);
    painter.drawImage(x, y, images[index]);
    painter.setOpacity(opacity);
}

void TImageList::GetBitmap(int index, TBitmap& bitmap) const {
    if (index >= 0 && index < Count())
        bitmap.SetImage(images[index], pf32bit);
}

void TImageList::RegisterChanges(TChangeLink& link) {
    if (link.sender == this)
        return;
    if (link.sender)
        link.sender->UnRegisterChanges(link);
    link.sender = this;
    links.push_back(&link);
}

void TImageList::UnRegisterChanges(TChangeLink& link) {
    if (link.sender != this)
        return;
    std::erase(links, &link);
    link.sender = nullptr;
}

void TImageList::changed() {
    const std::vector<TChangeLink*> current = links;
    for (TChangeLink* link : current)
        if (link->OnChange && std::find(links.begin(), links.end(), link) != links.end())
            link->OnChange(*this);
}
