#include "pictures/gif/gif_frame.h"

#include "components/draw/bitmap_stream.h"
#include "components/draw/transparent_bitmap.h"
#include "pictures/gif/gif_image.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphic.h"

#include <QScopeGuard>
#include <QScopedValueRollback>
#include <utility>

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

TWkGIFFrame::~TWkGIFFrame() = default;

TBitmap& TWkGIFFrame::ownBitmap() {
    if (!FBitmap) {
        FBitmap = std::make_unique<TBitmap>();
        FBitmap->OnChange = [this](TGraphic&) {
            bitmapChanged();
        };
    }
    return *FBitmap;
}

TBitmap& TWkGIFFrame::Bitmap() {
    if (!HasBitmap() && HasData())
        decodeBitmap();
    return ownBitmap();
}

bool TWkGIFFrame::HasBitmap() const {
    return FBitmap && !FBitmap->Empty();
}

void TWkGIFFrame::bitmapChanged() {
    if (FFillingBitmap)
        return;
    // The stored data show the old picture; copies of the frame keep them.
    if (HasData())
        FImage = std::make_shared<TGIFItem>();
    FOwner->Changed();
}

void TWkGIFFrame::takeDecoded(const QImage& pixels) {
    const QScopedValueRollback filling(FFillingBitmap, true);
    ownBitmap().SetImage(pixels);
}

void TWkGIFFrame::clearBitmap() {
    if (!FBitmap)
        return;
    const QScopedValueRollback filling(FFillingBitmap, true);
    FBitmap->Assign(nullptr);
}

void TWkGIFFrame::decodeAgain() {
    clearBitmap();
    decodeBitmap();
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
    bitmap.setColorTable(FOwner->FPalettes.For(item.FColorMap, bitCount));
    const TGifRows rows{bitmap.bits(), bitmap.bytesPerLine(), item.Width, item.Height,
                        bitCount == 1 ? 1 : 8};
    // Borrowed while this frame decodes: a progress handler that decodes another frame meanwhile
    // finds none and uses its own.
    TGifDecodeScratch scratch = std::exchange(FOwner->FDecodeScratch, {});
    const auto giveBack = qScopeGuard([&] { FOwner->FDecodeScratch = std::move(scratch); });
    FCorrupted |= DecodeGifLzw(item.FImageData, rows, FInterlaced, item.FBitsPerPixel,
                               GifTolerantDecode, FOwner->OnProgress, &scratch);
    takeDecoded(bitmap);
}

int TWkGIFFrame::Width() const {
    if (HasBitmap())
        return FBitmap->Width();
    return HasData() ? FImage->Width : 0;
}

int TWkGIFFrame::Height() const {
    if (HasBitmap())
        return FBitmap->Height();
    return HasData() ? FImage->Height : 0;
}

int TWkGIFFrame::ColorCount() const {
    if (FImage->FColorMap.Count > 0)
        return FImage->FColorMap.Count;
    return FBitmap ? GetPaletteEntryCount(FBitmap->Palette()) : 0;
}

QList<QByteArray>& TWkGIFFrame::Comment() {
    for (auto it = FExtensions.rbegin(); it != FExtensions.rend(); ++it)
        if (it->FExtType == etComment)
            return it->FData;
    FExtensions.push_back(TExtension{});
    return FExtensions.back().FData;
}

void TWkGIFFrame::settingChanged() {
    if (FAnimateInterval != 0 || FDisposal != dmUndefined || FTransparentColor != clNone)
        FOwner->FVersion = gv89a;
    FOwner->Changed();
}

void TWkGIFFrame::SetOrigin(QPoint origin) {
    FTopLeft = origin;
    FOwner->widenScreen(*this);
    FOwner->Changed();
}

void TWkGIFFrame::SetAnimateInterval(std::uint32_t milliseconds) {
    FAnimateInterval = milliseconds;
    settingChanged();
}

void TWkGIFFrame::SetDisposalMethod(TDisposalMethod method) {
    FDisposal = method;
    settingChanged();
}

void TWkGIFFrame::SetTransparentColor(TColor color) {
    FTransparentColor = color;
    settingChanged();
}

void TWkGIFFrame::Draw(TCanvas& canvas, const TRect& rect, bool transparent) {
    const QImage& bitmap = Bitmap().Image();
    if (transparent && FTransparentColor != clNone)
        TransparentStretchBlt(canvas, rect.Left, rect.Top, rect.Width(), rect.Height(), bitmap, 0,
                              0, bitmap.width(), bitmap.height(), FTransparentColor);
    else
        canvas.StretchDraw(rect, bitmap);
}
