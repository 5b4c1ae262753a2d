#include "platform/ui/icon.h"

#include "platform/ui/bmp_codec.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace {

constexpr int iconDirectorySize = 6;
constexpr int iconEntrySize = 16;
constexpr quint16 iconType = 1;
constexpr quint16 cursorType = 2;

quint16 u16At(const QByteArray& data, qsizetype offset) {
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

quint32 u32At(const QByteArray& data, qsizetype offset) {
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

// The first image of a checked directory; cursors are read as icons, the layout is the same.
QImage decodeFirstImage(QByteArray data) {
    qToLittleEndian<quint16>(iconType, data.data() + 2);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    return reader.read();
}

[[noreturn]] void invalidIcon() {
    throw EInvalidGraphic(QStringLiteral("Invalid icon"));
}

} // namespace

bool IsValidIconDirectory(const QByteArray& data) {
    if (data.size() < iconDirectorySize || u16At(data, 0) != 0)
        return false;
    const quint16 type = u16At(data, 2);
    const int count = u16At(data, 4);
    if ((type != iconType && type != cursorType) || count == 0 || count > MaxIconImages)
        return false;
    if (data.size() < iconDirectorySize + count * iconEntrySize)
        return false;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = iconDirectorySize + i * iconEntrySize;
        const quint64 size = u32At(data, entry + 8);
        const quint64 offset = u32At(data, entry + 12);
        if (size == 0 || offset < static_cast<quint64>(iconDirectorySize) ||
            offset + size > static_cast<quint64>(data.size()))
            return false;
    }
    return true;
}

TIcon::TIcon() {
    TGraphic::SetTransparent(true);
}

void TIcon::SetWidth(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of an icon"));
}

void TIcon::SetHeight(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of an icon"));
}

void TIcon::Draw(TCanvas& canvas, const TRect& r) {
    if (image.isNull() || r.IsEmpty())
        return;
    canvas.Painter().drawImage(ToQRect(r), image);
}

void TIcon::LoadFromStream(QIODevice& stream) {
    const qint64 available = PictureBytesAvailable(stream);
    if (available > MaxPictureBytes)
        invalidIcon();
    const QByteArray bytes = stream.read(available);
    if (!IsValidIconDirectory(bytes))
        invalidIcon();
    const QImage decoded = decodeFirstImage(bytes);
    if (decoded.isNull())
        invalidIcon();
    data = bytes;
    image = decoded;
    Changed();
}

void TIcon::SaveToStream(QIODevice& stream) const {
    if (stream.write(data) != data.size())
        throw EInvalidGraphic(QStringLiteral("Stream write error"));
}

void TIcon::LoadFromClipboardFormat(const QMimeData&, const QString&) {
    throw EInvalidGraphicOperation(QStringLiteral("Clipboard does not support Icons"));
}

void TIcon::SaveToClipboardFormat(QMimeData&) const {
    throw EInvalidGraphicOperation(QStringLiteral("Clipboard does not support Icons"));
}

void TIcon::Assign(const TGraphic* source) {
    if (source == nullptr) {
        data.clear();
        image = QImage();
        Changed();
        return;
    }
    if (const auto* other = dynamic_cast<const TIcon*>(source)) {
        data = other->data;
        image = other->image;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}
