#include "platform/ui/bitmap.h"

#include "platform/ui/bmp_codec.h"
#include "platform/ui/color_key.h"

#include <QIODevice>
#include <QMimeData>
#include <QPainter>
#include <QVariant>
#include <algorithm>

namespace {

QImage::Format imageFormatOf(TPixelFormat format) {
    switch (format) {
    case pf1bit:
        return QImage::Format_Mono;
    case pf4bit:
    case pf8bit:
        return QImage::Format_Indexed8;
    case pf15bit:
        return QImage::Format_RGB555;
    case pf16bit:
        return QImage::Format_RGB16;
    case pf24bit:
        return QImage::Format_RGB888;
    case pf32bit:
        return QImage::Format_ARGB32;
    case pfDevice:
    case pfCustom:
        break;
    }
    return QImage::Format_RGB32;
}

TPixelFormat pixelFormatOf(const QImage& image) {
    switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        return pf1bit;
    case QImage::Format_Indexed8:
        return image.colorCount() <= 16 ? pf4bit : pf8bit;
    case QImage::Format_RGB555:
        return pf15bit;
    case QImage::Format_RGB16:
        return pf16bit;
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
        return pf24bit;
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return pf32bit;
    case QImage::Format_RGB32:
        return pfDevice;
    default:
        return pfCustom;
    }
}

TPixelFormat pixelFormatOfBitCount(int bitCount) {
    switch (bitCount) {
    case 1:
        return pf1bit;
    case 4:
        return pf4bit;
    case 8:
        return pf8bit;
    case 16:
        return pf16bit;
    case 24:
        return pf24bit;
    case 32:
        return pf32bit;
    default:
        return pfCustom;
    }
}

int savedBitCount(TPixelFormat format) {
    switch (format) {
    case pf1bit:
        return 1;
    case pf4bit:
        return 4;
    case pf8bit:
        return 8;
    case pf32bit:
        return 32;
    default:
        return 24;
    }
}

QList<QRgb> blackAndWhite() {
    return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
}

// Pixels in format, palettes mapped to their nearest colours without dithering.
QImage converted(const QImage& image, TPixelFormat format) {
    const auto flags = Qt::ThresholdDither | Qt::AvoidDither;
    switch (format) {
    case pf1bit:
        if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB)
            return image.convertToFormat(QImage::Format_Mono);
        return image.convertToFormat(QImage::Format_Mono, blackAndWhite(), flags);
    case pf4bit: {
        if (image.format() != QImage::Format_Indexed8)
            return image.convertToFormat(QImage::Format_Indexed8, StandardColorTable16(), flags);
        if (image.colorCount() <= 16)
            return image;
        // Qt hands an image back unchanged when it already has the format asked for,
        // whatever colour table comes with the request.
        return image.convertToFormat(QImage::Format_ARGB32)
            .convertToFormat(QImage::Format_Indexed8, StandardColorTable16(), flags);
    }
    case pf8bit:
        if (image.format() == QImage::Format_Indexed8)
            return image;
        return image.convertToFormat(QImage::Format_Indexed8, flags);
    case pfCustom:
        return image;
    default:
        return image.convertToFormat(imageFormatOf(format));
    }
}

constexpr TColor colorMask = 0x00FFFFFF;

} // namespace

QList<QRgb> StandardColorTable16() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
            qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

TBitmap::TBitmap(int width, int height) {
    SetSize(width, height);
}

bool TBitmap::Empty() const {
    return image.isNull() || image.width() == 0 || image.height() == 0;
}

void TBitmap::SetSize(int width, int height) {
    width = std::clamp(width, 0, MaxBitmapSide);
    height = std::clamp(height, 0, MaxBitmapSide);
    if (width == Width() && height == Height() && !image.isNull())
        return;
    QImage resized;
    if (width > 0 && height > 0) {
        QImage canvas(width, height, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        if (!Empty()) {
            QPainter painter(&canvas);
            painter.drawImage(0, 0, image);
        }
        resized = converted(canvas, pixelFormat);
    }
    image = resized;
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == pixelFormat)
        return;
    pixelFormat = format;
    if (!Empty())
        image = converted(image, format);
    SetPaletteModified(true);
    Changed();
}

void TBitmap::SetMonochrome(bool value) {
    if (value != Monochrome())
        SetPixelFormat(value ? pf1bit : pfDevice);
}

void TBitmap::SetHandleType(TBitmapHandleType type) {
    if (type != HandleType())
        SetPixelFormat(type == bmDDB ? pfDevice : pf24bit);
}

void TBitmap::SetImage(const QImage& pixels) {
    SetImage(pixels, pixelFormatOf(pixels));
}

void TBitmap::SetImage(const QImage& pixels, TPixelFormat format) {
    pixelFormat = format;
    image = pixels.isNull() ? QImage() : converted(pixels, format);
    SetPaletteModified(true);
    Changed();
}

TColor TBitmap::Pixel(int x, int y) const {
    if (!image.valid(x, y))
        return clNone;
    return FromQColor(QColor::fromRgb(image.pixel(x, y)));
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (!image.valid(x, y))
        return;
    const QRgb rgb = ToQColor(color).rgb();
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_Indexed8) {
        QImage work = image.convertToFormat(QImage::Format_RGB32);
        work.setPixel(x, y, rgb);
        image = work.convertToFormat(image.format(), image.colorTable(),
                                     Qt::ThresholdDither | Qt::AvoidDither);
    } else {
        image.setPixel(x, y, rgb);
    }
    Changed();
}

TColor TBitmap::NearestColor(TColor color) const {
    const TColor rgb = ColorToRGB(color);
    const QList<QRgb> palette = Palette();
    if (!palette.isEmpty()) {
        QRgb best = palette.front();
        int bestDistance = -1;
        for (const QRgb entry : palette) {
            const int dr = qRed(entry) - GetRValue(rgb);
            const int dg = qGreen(entry) - GetGValue(rgb);
            const int db = qBlue(entry) - GetBValue(rgb);
            const int distance = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || distance < bestDistance) {
                bestDistance = distance;
                best = entry;
            }
        }
        return FromQColor(QColor::fromRgb(best));
    }
    if (pixelFormat == pf15bit || pixelFormat == pf16bit) {
        QImage pixel(1, 1, QImage::Format_RGB32);
        pixel.setPixel(0, 0, ToQColor(rgb).rgb());
        return FromQColor(
            QColor::fromRgb(pixel.convertToFormat(imageFormatOf(pixelFormat)).pixel(0, 0)));
    }
    return rgb;
}

TColor TBitmap::TransparentColor() const {
    if (transparentMode == tmFixed)
        return transparentColor;
    if (Empty())
        return clDefault;
    if (Monochrome())
        return clWhite;
    return Pixel(0, Height() - 1) | PaletteRelativeFlag;
}

void TBitmap::SetTransparentColor(TColor color) {
    transparentColor = color;
    transparentMode = color == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
    if (mode == transparentMode)
        return;
    if (mode == tmAuto)
        transparentColor = clDefault;
    else
        transparentColor = TransparentColor();
    transparentMode = mode;
    Changed();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r) {
    if (Empty() || r.IsEmpty())
        return;
    if (!Transparent()) {
        canvas.Painter().drawImage(ToQRect(r), image);
        return;
    }
    const QRgb key = ToQColor(TransparentColor() & colorMask).rgb() & RGB_MASK;
    canvas.Painter().drawImage(ToQRect(r), WithoutKeyColor(image, key));
}

void TBitmap::LoadFromStream(QIODevice& stream) {
    const QByteArray head = stream.peek(BmpFileHeaderSize + BmpInfoHeaderSize);
    const std::optional<BmpHeader> header = ParseBmpHeader(head);
    if (!header)
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    const qint64 limit = std::min(PictureBytesAvailable(stream, MaxBmpFileBytes), MaxBmpFileBytes);
    qint64 length =
        header->FileSize >= head.size() && header->FileSize <= limit ? header->FileSize : limit;
    // A file size that stops short of the rows is the header's mistake, not the file's end.
    if (header->RowsEnd > length && header->RowsEnd <= limit)
        length = header->RowsEnd;
    const QByteArray data = stream.read(length);
    // A file that holds only part of its rows would still get a picture of the full size.
    QImage decoded;
    if (data.size() >= header->RowsEnd)
        decoded = QImage::fromData(data, "BMP");
    if (decoded.isNull())
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    // A header may claim more colours than its depth can index; no pixel reaches the rest, and
    // a bitmap of that depth cannot be saved with them.
    if (header->BitCount <= 8 && decoded.colorCount() > 1 << header->BitCount) {
        QList<QRgb> table = decoded.colorTable();
        table.resize(1 << header->BitCount);
        decoded.setColorTable(table);
    }
    transparentMode = tmAuto;
    transparentColor = clDefault;
    SetImage(decoded, pixelFormatOfBitCount(header->BitCount));
}

void TBitmap::SaveToStream(QIODevice& stream) const {
    if (Empty())
        return;
    const QByteArray bmp = EncodeBmp(image, savedBitCount(pixelFormat));
    if (stream.write(bmp) != bmp.size())
        throw EInvalidGraphic(QStringLiteral("Stream write error"));
}

void TBitmap::LoadFromClipboardFormat(const QMimeData& data, const QString& format) {
    if (format != ClipboardBitmapFormat || !data.hasImage())
        TGraphic::LoadFromClipboardFormat(data, format);
    SetImage(qvariant_cast<QImage>(data.imageData()));
}

void TBitmap::SaveToClipboardFormat(QMimeData& data) const {
    data.setImageData(image);
}

void TBitmap::Assign(const TGraphic* source) {
    if (source == nullptr) {
        SetImage(QImage(), pfDevice);
        return;
    }
    if (const auto* other = dynamic_cast<const TBitmap*>(source)) {
        image = other->image;
        pixelFormat = other->pixelFormat;
        transparentMode = other->transparentMode;
        transparentColor = other->transparentColor;
        SetTransparent(other->Transparent());
        SetPaletteModified(true);
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TBitmap::takeDrawn(const QImage& drawn) {
    image = converted(drawn, pixelFormat);
    Changed();
}

TBitmapCanvas::TBitmapCanvas(TBitmap& target)
    : WorkImage{target.Image().convertToFormat(QImage::Format_ARGB32)}, TCanvas(&work),
      bitmap(target) {}

TBitmapCanvas::~TBitmapCanvas() {
    Painter().end();
    if (!work.isNull())
        bitmap.takeDrawn(work);
}
