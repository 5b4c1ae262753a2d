#include "platform/ui/metafile.h"

#include "platform/ui/bmp_codec.h"
#include "platform/ui/graphics_objects.h"

#include <QIODevice>
#include <QtEndian>

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr int PlaceableHeaderBytes = 22;
constexpr int WindowsHeaderWords = 9;
constexpr quint32 EnhancedHeaderType = 1;
constexpr quint32 EnhancedSignature = 0x464D4520; // " EMF"
constexpr int EnhancedSignatureAt = 40;
constexpr int HundredthsOfMillimetrePerInch = 2540;

const uchar* bytesOf(const QByteArray& head) {
    return reinterpret_cast<const uchar*>(head.constData());
}

// extent units at unitsPerInch, in screen pixels, rounded to the nearest.
int pixelsOf(qint64 extent, qint64 unitsPerInch) {
    return static_cast<int>((extent * ScreenPixelsPerInch + unitsPerInch / 2) / unitsPerInch);
}

std::optional<TMetafileHeader> parsePlaceable(const QByteArray& head) {
    if (head.size() < PlaceableHeaderBytes + 2 * WindowsHeaderWords)
        return std::nullopt;
    const uchar* p = bytesOf(head);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(p + 2 * i);
    const qint16 left = qFromLittleEndian<qint16>(p + 6);
    const qint16 top = qFromLittleEndian<qint16>(p + 8);
    const qint16 right = qFromLittleEndian<qint16>(p + 10);
    const qint16 bottom = qFromLittleEndian<qint16>(p + 12);
    const quint16 unitsPerInch = qFromLittleEndian<quint16>(p + 14);
    const uchar* windows = p + PlaceableHeaderBytes;
    const quint16 type = qFromLittleEndian<quint16>(windows);
    const quint16 headerWords = qFromLittleEndian<quint16>(windows + 2);
    const quint32 totalWords = qFromLittleEndian<quint32>(windows + 6);
    if (checksum != qFromLittleEndian<quint16>(p + 20) || unitsPerInch == 0 || right < left ||
        bottom < top || (type != 1 && type != 2) || headerWords != WindowsHeaderWords ||
        totalWords < WindowsHeaderWords)
        return std::nullopt;
    TMetafileHeader header;
    header.Bytes = PlaceableHeaderBytes + 2 * qint64{totalWords};
    header.Width = pixelsOf(right - left, unitsPerInch);
    header.Height = pixelsOf(bottom - top, unitsPerInch);
    return header;
}

std::optional<TMetafileHeader> parseEnhanced(const QByteArray& head) {
    if (head.size() < MetafileHeaderBytes)
        return std::nullopt;
    const uchar* p = bytesOf(head);
    const quint32 headerBytes = qFromLittleEndian<quint32>(p + 4);
    // The frame, in hundredths of a millimetre.
    const qint32 left = qFromLittleEndian<qint32>(p + 24);
    const qint32 top = qFromLittleEndian<qint32>(p + 28);
    const qint32 right = qFromLittleEndian<qint32>(p + 32);
    const qint32 bottom = qFromLittleEndian<qint32>(p + 36);
    const quint32 totalBytes = qFromLittleEndian<quint32>(p + 48);
    if (qFromLittleEndian<quint32>(p) != EnhancedHeaderType ||
        qFromLittleEndian<quint32>(p + EnhancedSignatureAt) != EnhancedSignature ||
        headerBytes < MetafileHeaderBytes || totalBytes < headerBytes || right < left ||
        bottom < top)
        return std::nullopt;
    TMetafileHeader header;
    header.Enhanced = true;
    header.Bytes = totalBytes;
    header.Width = pixelsOf(qint64{right} - left, HundredthsOfMillimetrePerInch);
    header.Height = pixelsOf(qint64{bottom} - top, HundredthsOfMillimetrePerInch);
    return header;
}

} // namespace

std::optional<TMetafileHeader> ParseMetafileHeader(const QByteArray& head) {
    if (head.size() < 4)
        return std::nullopt;
    const quint32 key = qFromLittleEndian<quint32>(bytesOf(head));
    std::optional<TMetafileHeader> header =
        key == PlaceableKey ? parsePlaceable(head) : parseEnhanced(head);
    if (header && header->Bytes > MaxPictureBytes)
        return std::nullopt;
    return header;
}

void TMetafile::LoadFromStream(QIODevice& stream) {
    const std::optional<TMetafileHeader> parsed =
        ParseMetafileHeader(stream.peek(MetafileHeaderBytes));
    if (!parsed || parsed->Bytes > PictureBytesAvailable(stream))
        throw EInvalidGraphic(QStringLiteral("Metafile is not valid"));
    QByteArray bytes = stream.read(parsed->Bytes);
    if (bytes.size() != parsed->Bytes)
        throw EInvalidGraphic(QStringLiteral("Metafile is not valid"));
    data = std::move(bytes);
    header = *parsed;
    Changed();
}

void TMetafile::SaveToStream(QIODevice& stream) const {
    if (stream.write(data) != data.size())
        throw EInvalidGraphic(QStringLiteral("Stream write error"));
}

void TMetafile::Assign(const TGraphic* source) {
    if (source == nullptr) {
        data.clear();
        header = TMetafileHeader();
        Changed();
    } else if (const auto* metafile = dynamic_cast<const TMetafile*>(source)) {
        data = metafile->data;
        header = metafile->header;
        Changed();
    } else {
        TGraphic::Assign(source);
    }
}
