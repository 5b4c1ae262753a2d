// Encoding frame bitmaps into GIF frame data, through a BMP of at most 8 bits per pixel, and
// the picture's grayscale conversion.
#include "components/draw/bitmap_stream.h"
#include "pictures/gif/gif_image.h"
#include "platform/ui/bmp_codec.h"
#include "platform/ui/graphic.h"

#include <QBuffer>
#include <QScopedValueRollback>
#include <QtEndian>
#include <algorithm>

namespace {

[[noreturn]] void EncodingError() {
    throw EInvalidGraphicOperation(QStringLiteral("GIF image encoding error"));
}

// The file counts delays in hundredths up to 65535; longer intervals keep that longest delay.
constexpr std::uint32_t MaxDelayHundredths = 0xFFFF;

// The pixels and colours of an uncompressed BMP of 1, 4 or 8 bits per pixel.
struct TBmpPixels {
    TGifConstRows Rows;
    TGIFColorTable Table;
};

TBmpPixels ReadIndexedBmp(const QByteArray& bmp) {
    const std::optional<BmpHeader> header = ParseBmpHeader(bmp);
    if (!header || (header->BitCount != 1 && header->BitCount != 4 && header->BitCount != 8))
        EncodingError();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(bmp.constData());
    const std::uint32_t infoSize = qFromLittleEndian<quint32>(bytes + BmpFileHeaderSize);
    const qint64 pixelOffset = qFromLittleEndian<quint32>(bytes + 10);
    TBmpPixels pixels;
    TGIFColorTable& table = pixels.Table;
    table.Count = 1 << header->BitCount;
    const qint64 tableOffset = BmpFileHeaderSize + BmpInfoHeaderSize;
    const qint64 stride = (qint64{header->Width} * header->BitCount + 31) / 32 * 4;
    if (infoSize != BmpInfoHeaderSize || tableOffset + table.Count * 4 > pixelOffset ||
        pixelOffset + stride * header->Height > bmp.size())
        EncodingError();
    for (int i = 0; i < table.Count; ++i) {
        const std::uint8_t* entry = bytes + tableOffset + i * 4; // Blue, Green, Red, 0
        table.SetColorAt(i, entry[2] | entry[1] << 8 | entry[0] << 16);
    }
    const std::uint8_t* first = bytes + pixelOffset;
    std::ptrdiff_t rowStep = stride;
    if (!header->TopDown) {
        first += stride * (header->Height - 1);
        rowStep = -stride;
    }
    pixels.Rows = {first, rowStep, header->Width, header->Height, header->BitCount};
    return pixels;
}

} // namespace

void TWkGIFFrame::encodeBitmap() {
    if (!HasBitmap())
        throw EInvalidGraphicOperation(GifNoDataText());
    const TBitmap& bitmap = *FBitmap;
    QByteArray bmp;
    bool gray = FGrayscale;
    switch (bitmap.PixelFormat()) {
    case pf1bit:
    case pf4bit:
    case pf8bit: {
        QBuffer stream(&bmp);
        stream.open(QIODevice::WriteOnly);
        bitmap.SaveToStream(stream);
        break;
    }
    default: {
        const TWkColorMapping method = FGrayscale ? cmGrayscale : ColorMapping;
        bmp = BitmapToMemoryStream(bitmap, pf8bit, method)->data();
        gray = method == cmGrayscale;
        break;
    }
    }
    const TBmpPixels pixels = ReadIndexedBmp(bmp);
    auto item = std::make_shared<TGIFItem>();
    item->FColorMap = pixels.Table;
    EncodeGifLzw(pixels.Rows, false, item->FImageData, FOwner->OnProgress);
    item->Width = pixels.Rows.Width;
    item->Height = pixels.Rows.Height;
    item->FBitsPerPixel = static_cast<std::uint8_t>(GifBitsForCount(item->FColorMap.Count));

    FInterlaced = false;
    FGrayscale = gray;
    if (FOwner->FImage->FColorMap.Count == 0) {
        TGIFData& global = FOwner->ownData();
        global.FColorMap = item->FColorMap;
        global.FBitsPerPixel = item->FBitsPerPixel;
        FLocalColors = false;
    } else {
        FLocalColors = true;
    }
    FImage = std::move(item);
    FOwner->widenScreen(*this);
}

void TWkGIFFrame::rebuildControlExtension() {
    auto gce = std::find_if(FExtensions.begin(), FExtensions.end(),
                            [](const TExtension& e) { return e.FExtType == etGraphic; });
    const bool wanted =
        FAnimateInterval != 0 || FTransparentColor != clNone || FDisposal != dmUndefined;
    if (gce == FExtensions.end() && wanted) {
        TExtension extension;
        extension.FExtType = etGraphic;
        FExtensions.push_back(extension);
        gce = FExtensions.end() - 1;
    }
    if (gce != FExtensions.end()) {
        TGraphicControlExtension& record = gce->GCE;
        record.DelayTime =
            static_cast<std::uint16_t>(std::min(FAnimateInterval / 10, MaxDelayHundredths));
        const int index =
            FTransparentColor == clNone ? -1 : FImage->FColorMap.IndexOf(FTransparentColor);
        record.PackedFields = static_cast<std::uint8_t>((record.PackedFields & ~0x1D) |
                                                        (FDisposal & 7) << 2 | (index >= 0));
        record.TransparentColorIndex = static_cast<std::uint8_t>(std::max(index, 0));
    }
    std::erase_if(FExtensions,
                  [](const TExtension& e) { return e.FExtType == etComment && e.FData.isEmpty(); });
    if (!FExtensions.empty())
        FOwner->FVersion = gv89a;
}

void TWkGIFImage::EncodeAllFrames() {
    for (auto& frame : FItems) {
        if (!frame->HasData()) {
            frame->encodeBitmap();
            // A true-colour bitmap gives way to what was written.
            if (frame->FBitmap->Palette().isEmpty()) {
                try {
                    frame->decodeAgain();
                } catch (const EAbort&) {
                }
            }
        }
        frame->rebuildControlExtension();
    }
}

void TWkGIFImage::Grayscale(bool forceEncoding) {
    if (FItems.empty())
        throw EInvalidGraphicOperation(GifNoDataText());
    // Frames with global colours are written with the global table: it turns gray with them.
    ownData().FColorMap.MakeGray();
    for (auto& frame : FItems)
        if (!frame->FGrayscale)
            grayFrame(*frame, forceEncoding);
    if (FBackgroundColor != clNone)
        FBackgroundColor = GifGrayOf(ColorToRGB(FBackgroundColor));
    SetPaletteModified(true);
    Changed();
}

void TWkGIFImage::grayFrame(TWkGIFFrame& frame, bool forceEncoding) {
    if (frame.HasData() && frame.FImage->FColorMap.Count > 0) {
        // Copies of the frame keep their colours.
        auto item = std::make_shared<TGIFItem>(*frame.FImage);
        TGIFColorTable& table = item->FColorMap;
        const int transparent =
            frame.FTransparentColor == clNone ? -1 : table.IndexOf(frame.FTransparentColor);
        table.MakeGray();
        // Entries of one gray would all be left out with the transparent one.
        if (transparent >= 0)
            table.MakeEntryUnique(transparent);
        frame.FTransparentColor = transparent >= 0 ? table.ColorAt(transparent) : clNone;
        frame.FImage = std::move(item);
        frame.FGrayscale = true;
        try {
            frame.decodeAgain();
        } catch (const EAbort&) {
        }
        return;
    }
    const std::unique_ptr<QBuffer> gray = BitmapToMemoryStream(frame.Bitmap(), pf8bit, cmGrayscale);
    frame.FImage = std::make_shared<TGIFItem>();
    {
        const QScopedValueRollback filling(frame.FFillingBitmap, true);
        frame.ownBitmap().LoadFromStream(*gray);
    }
    frame.FGrayscale = true;
    if (forceEncoding)
        frame.encodeBitmap();
    if (frame.FTransparentColor != clNone)
        frame.FTransparentColor = GifGrayOf(ColorToRGB(frame.FTransparentColor));
}
