#include "platform/ui/jpeg_image.h"

#include "platform/ui/bitmap.h"
#include "platform/ui/bmp_codec.h"

#include <QBuffer>
#include <QIODevice>
#include <QImageReader>

void TJPEGImage::Draw(TCanvas& canvas, const TRect& r) {
    if (!Empty() && !r.IsEmpty())
        canvas.Painter().drawImage(ToQRect(r), image);
}

void TJPEGImage::LoadFromStream(QIODevice& stream) {
    const qint64 available = PictureBytesAvailable(stream);
    QImage decoded;
    QByteArray bytes;
    if (available <= MaxPictureBytes) {
        bytes = stream.read(available);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "JPEG");
        // The size comes from the frame header: a picture beyond the caps is refused before its
        // pixels are allocated, however few bytes of them the file holds.
        const QSize size = reader.size();
        if (size.isValid() && size.width() <= MaxBitmapSide && size.height() <= MaxBitmapSide &&
            qint64{size.width()} * size.height() <= MaxBitmapPixels)
            decoded = reader.read();
    }
    if (decoded.isNull())
        throw EInvalidGraphic(QStringLiteral("JPEG error"));
    data = bytes;
    image = decoded;
    Changed();
}

void TJPEGImage::SaveToStream(QIODevice& stream) const {
    QByteArray bytes = data;
    if (bytes.isEmpty() && !image.isNull()) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG");
    }
    if (stream.write(bytes) != bytes.size())
        throw EInvalidGraphic(QStringLiteral("Stream write error"));
}

void TJPEGImage::Assign(const TGraphic* source) {
    if (source == nullptr) {
        data.clear();
        image = QImage();
        Changed();
    } else if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
        data = jpeg->data;
        image = jpeg->image;
        Changed();
    } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        data.clear();
        image = bitmap->Image().convertToFormat(QImage::Format_RGB32);
        Changed();
    } else {
        TGraphic::Assign(source);
    }
}

void TJPEGImage::AssignTo(TGraphic& dest) const {
    if (auto* bitmap = dynamic_cast<TBitmap*>(&dest)) {
        bitmap->SetImage(image, pf24bit);
        return;
    }
    TGraphic::AssignTo(dest);
}
