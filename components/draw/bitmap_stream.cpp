#include "components/draw/bitmap_stream.h"

#include "components/base/exception.h"
#include "platform/ui/bmp_codec.h"

TWkColorMapping ColorMapping = cmFrequencyQuantizer;

namespace {

std::unique_ptr<QBuffer> streamOf(const QByteArray& bytes) {
    auto stream = std::make_unique<QBuffer>();
    stream->open(QIODevice::ReadWrite);
    stream->write(bytes);
    stream->seek(0);
    return stream;
}

// The bitmap's pixels at a lower depth, as the bitmap itself converts them.
QByteArray atDepth(const TBitmap& bitmap, TPixelFormat format, int bitCount) {
    TBitmap copy;
    copy.Assign(&bitmap);
    copy.SetPixelFormat(format);
    return EncodeBmp(copy.Image(), bitCount);
}

} // namespace

TPixelFormat GetBitmapPixelFormat(const TBitmap& bitmap) {
    return bitmap.PixelFormat();
}

int ColorsOfPixelFormat(TPixelFormat format) {
    switch (format) {
    case pf1bit:
        return 2;
    case pf4bit:
        return 16;
    case pf8bit:
        return 256;
    default:
        return 0;
    }
}

int GetPaletteEntryCount(const QList<QRgb>& palette) {
    return static_cast<int>(palette.size());
}

std::unique_ptr<QBuffer> BitmapToMemoryStream(const TBitmap& bitmap, TPixelFormat format,
                                              TWkColorMapping method) {
    if (!bitmap.HandleAllocated())
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    if (format == bitmap.PixelFormat() && method != cmGrayscale) {
        auto stream = std::make_unique<QBuffer>();
        stream->open(QIODevice::ReadWrite);
        bitmap.SaveToStream(*stream);
        stream->seek(0);
        return stream;
    }
    switch (format) {
    case pf1bit:
        return streamOf(atDepth(bitmap, pf1bit, 1));
    case pf4bit:
        return streamOf(atDepth(bitmap, pf4bit, 4));
    case pf24bit:
        return streamOf(EncodeBmp(bitmap.Image(), 24));
    case pf8bit: {
        const ReducedImage reduced = ReduceColors(bitmap.Image(), method);
        return streamOf(EncodeBmp(reduced.Indexed, 8, reduced.ColorsUsed));
    }
    default:
        throw EWkException(QStringLiteral("BitmapToMemoryStream: pixel format not implemented"));
    }
}

std::unique_ptr<QBuffer> BitmapToMemoryStreamForColorCount(const TBitmap& bitmap, int colorCount) {
    const TPixelFormat format = colorCount <= 2    ? pf1bit
                                : colorCount <= 16 ? pf4bit
                                : colorCount > 256 ? pf24bit
                                                   : pf8bit;
    return BitmapToMemoryStream(bitmap, format, ColorMapping);
}
