#include "pictures/gif/gif_frame.h"

#include "components/draw/transparent_bitmap.h"
#include "pictures/gif/gif_image.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphic.h"

namespace {

int BitCountFor(int bitsPerPixel) {
    if (bitsPerPixel == 1)
        return 1;
    if (bitsPerPixel >= 2 && bitsPerPixel <= 4)
        return 4;
    if (bitsPerPixel >= 5 && bitsPerPixel <= 8)
        return 8;
    throw EInvalidGraphicOperation(QStringLiteral("Wrong number of colors; must be a power of 2"));
}

} // namespace

TWkGIFFrame::TWkGIFFrame(TWkGIFImage* owner)
    : FOwner(owner), FImage(std::make_shared<TGIFItem>()) {}

const QImage& TWkGIFFrame::Bitmap() {
    if (FBitmap.isNull() && HasData())
        decodeBitmap();
    return FBitmap;
}

void TWkGIFFrame::SetBitmap(const QImage& bitmap) {
    FBitmap = bitmap;
}

void TWkGIFFrame::decodeBitmap() {
    const TGIFItem& item = *FImage;
    const int bitCount = BitCountFor(item.FBitsPerPixel);
    if (item.Width <= 0 || item.Height <= 0)
        return;
    CheckGifFrameSize(item.Width, item.Height);
    QImage bitmap(item.Width, item.Height,
                  bitCount == 1 ? QImage::Format_Mono : QImage::Format_Indexed8);
    if (bitmap.isNull())
        throw EInvalidGraphicOperation(QStringLiteral("Out of memory"));
    bitmap.fill(0);
    QList<QRgb> colors;
    for (int i = 0; i < (1 << bitCount); ++i) {
        if (i < item.FColorMap.Count) {
            const std::uint8_t* rgb = &item.FColorMap.Colors[i * 3];
            colors.append(qRgb(rgb[0], rgb[1], rgb[2]));
        } else {
            colors.append(qRgb(128, 128, 128));
        }
    }
    bitmap.setColorTable(colors);
    const TGifRows rows{bitmap.bits(), bitmap.bytesPerLine(), item.Width, item.Height,
                        bitCount == 1 ? 1 : 8};
    FCorrupted |= DecodeGifLzw(item.FImageData, rows, FInterlaced, item.FBitsPerPixel,
                               GifTolerantDecode, FOwner->OnProgress);
    FBitmap = bitmap;
}

int TWkGIFFrame::Width() const {
    if (!FBitmap.isNull())
        return FBitmap.width();
    return HasData() ? FImage->Width : 0;
}

int TWkGIFFrame::Height() const {
    if (!FBitmap.isNull())
        return FBitmap.height();
    return HasData() ? FImage->Height : 0;
}

int TWkGIFFrame::ColorCount() const {
    if (FImage->FColorMap.Count > 0)
        return FImage->FColorMap.Count;
    return static_cast<int>(FBitmap.colorCount());
}

QList<QByteArray>& TWkGIFFrame::Comment() {
    for (auto it = FExtensions.rbegin(); it != FExtensions.rend(); ++it)
        if (it->FExtType == etComment)
            return it->FData;
    FExtensions.push_back(TExtension{});
    return FExtensions.back().FData;
}

void TWkGIFFrame::changed() {
    if (FOwner->FVersion != gv89a &&
        (FAnimateInterval != 0 || FDisposal != dmUndefined || FTransparentColor != clNone))
        FOwner->FVersion = gv89a;
}

void TWkGIFFrame::SetOrigin(QPoint origin) {
    FTopLeft = origin;
    FOwner->widenScreen(*this);
}

void TWkGIFFrame::SetAnimateInterval(std::uint32_t milliseconds) {
    FAnimateInterval = milliseconds;
    changed();
}

void TWkGIFFrame::SetDisposalMethod(TDisposalMethod method) {
    FDisposal = method;
    changed();
}

void TWkGIFFrame::SetTransparentColor(TColor color) {
    FTransparentColor = color;
    changed();
}

void TWkGIFFrame::Draw(TCanvas& canvas, const TRect& rect, bool transparent) {
    const QImage& bitmap = Bitmap();
    if (transparent && FTransparentColor != clNone)
        TransparentStretchBlt(canvas, rect.Left, rect.Top, rect.Width(), rect.Height(), bitmap, 0,
                              0, bitmap.width(), bitmap.height(), FTransparentColor);
    else
        canvas.StretchDraw(rect, bitmap);
}

void TWkGIFFrame::Assign(const TWkGIFFrame& source) {
    FImage = source.FImage;
    FTopLeft = source.FTopLeft;
    FInterlaced = source.FInterlaced;
    FBitmap = source.FBitmap;
    FTransparentColor = source.FTransparentColor;
    FAnimateInterval = source.FAnimateInterval;
    FDisposal = source.FDisposal;
    FGrayscale = source.FGrayscale;
    FCorrupted = source.FCorrupted;
    FLocalColors = source.FOwner == FOwner ? source.FLocalColors : true;
    for (const TExtension& extension : source.FExtensions)
        if (extension.FExtType == etComment && !extension.FData.isEmpty())
            Comment() = extension.FData;
    FOwner->widenScreen(*this);
}

void TWkGIFFrame::Reset() {
    FImage = std::make_shared<TGIFItem>();
    FBitmap = QImage();
    FExtensions.clear();
    FTransparentColor = clNone;
    FTopLeft = QPoint();
    FInterlaced = false;
    FLocalColors = false;
    FAnimateInterval = 0;
    FDisposal = dmUndefined;
}
