#include "platform/ui/bmp_codec.h"

#include <QtEndian>
#include <algorithm>
#include <cstdlib>

namespace {

void putU16(QByteArray& out, int offset, quint16 value) {
    qToLittleEndian<quint16>(value, out.data() + offset);
}

void putU32(QByteArray& out, int offset, quint32 value) {
    qToLittleEndian<quint32>(value, out.data() + offset);
}

constexpr quint32 BmpUncompressed = 0;
constexpr quint32 BmpBitFields = 3;
constexpr quint32 BmpAlphaBitFields = 6;

qint64 rowBytes(int width, int bitCount) {
    return ((static_cast<qint64>(width) * bitCount + 31) / 32) * 4;
}

void writeIndexedRow(char* row, const QImage& image, int y, int bitCount) {
    const int perByte = 8 / bitCount;
    for (int x = 0; x < image.width(); ++x) {
        const int index = image.pixelIndex(x, y) & ((1 << bitCount) - 1);
        const int shift = (perByte - 1 - x % perByte) * bitCount;
        row[x / perByte] = static_cast<char>(row[x / perByte] | (index << shift));
    }
}

void writeTrueColorRow(char* row, const QImage& image, int y, int bitCount) {
    const int step = bitCount / 8;
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
        char* p = row + x * step;
        p[0] = static_cast<char>(qBlue(line[x]));
        p[1] = static_cast<char>(qGreen(line[x]));
        p[2] = static_cast<char>(qRed(line[x]));
        if (step == 4)
            p[3] = static_cast<char>(qAlpha(line[x]));
    }
}

bool isIndexed(const QImage& image) {
    return image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB ||
           image.format() == QImage::Format_Indexed8;
}

} // namespace

qint64 PictureBytesAvailable(const QIODevice& stream, qint64 cap) {
    return stream.isSequential() ? cap : stream.bytesAvailable();
}

std::optional<BmpHeader> ParseBmpHeader(const QByteArray& data) {
    if (data.size() < BmpFileHeaderSize + 12 || data[0] != 'B' || data[1] != 'M')
        return std::nullopt;
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    BmpHeader header;
    header.FileSize = qFromLittleEndian<quint32>(p + 2);
    const quint32 infoSize = qFromLittleEndian<quint32>(p + BmpFileHeaderSize);
    const uchar* info = p + BmpFileHeaderSize;
    qint64 width = 0;
    qint64 height = 0;
    bool compressed = false;
    if (infoSize == 12) {
        width = qFromLittleEndian<qint16>(info + 4);
        height = qFromLittleEndian<qint16>(info + 6);
        header.BitCount = qFromLittleEndian<quint16>(info + 10);
    } else if (infoSize >= BmpInfoHeaderSize &&
               data.size() >= BmpFileHeaderSize + BmpInfoHeaderSize) {
        width = qFromLittleEndian<qint32>(info + 4);
        height = qFromLittleEndian<qint32>(info + 8);
        header.BitCount = qFromLittleEndian<quint16>(info + 14);
        const quint32 compression = qFromLittleEndian<quint32>(info + 16);
        compressed = compression != BmpUncompressed && compression != BmpBitFields &&
                     compression != BmpAlphaBitFields;
    } else {
        return std::nullopt;
    }
    header.TopDown = height < 0;
    height = std::abs(height);
    if (width <= 0 || height <= 0 || width > MaxBitmapSide || height > MaxBitmapSide ||
        width * height > MaxBitmapPixels)
        return std::nullopt;
    header.Width = static_cast<int>(width);
    header.Height = static_cast<int>(height);
    if (!compressed) {
        // Rows follow the headers even when the offset points into them.
        const qint64 rowsStart =
            std::max<qint64>(qFromLittleEndian<quint32>(p + 10), BmpFileHeaderSize + infoSize);
        header.RowsEnd = rowsStart + rowBytes(header.Width, header.BitCount) * height;
    }
    return header;
}

QByteArray EncodeBmp(const QImage& image, int bitCount, int colorsUsed) {
    const bool indexed = bitCount == 1 || bitCount == 4 || bitCount == 8;
    if (image.isNull() || (!indexed && bitCount != 24 && bitCount != 32))
        return {};
    if (indexed && (!isIndexed(image) || image.colorCount() > (1 << bitCount)))
        return {};
    const QImage source = indexed ? image : image.convertToFormat(QImage::Format_ARGB32);
    const int tableEntries = indexed ? 1 << bitCount : 0;
    const qint64 stride = rowBytes(source.width(), bitCount);
    const int pixelOffset = BmpFileHeaderSize + BmpInfoHeaderSize + tableEntries * 4;
    const qint64 fileSize = pixelOffset + stride * source.height();

    QByteArray out(static_cast<qsizetype>(fileSize), '\0');
    out[0] = 'B';
    out[1] = 'M';
    putU32(out, 2, static_cast<quint32>(fileSize));
    putU32(out, 10, static_cast<quint32>(pixelOffset));
    const int info = BmpFileHeaderSize;
    putU32(out, info, BmpInfoHeaderSize);
    putU32(out, info + 4, static_cast<quint32>(source.width()));
    putU32(out, info + 8, static_cast<quint32>(source.height()));
    putU16(out, info + 12, 1);
    putU16(out, info + 14, static_cast<quint16>(bitCount));
    putU32(out, info + 20, static_cast<quint32>(stride * source.height()));
    putU32(out, info + 32, static_cast<quint32>(colorsUsed));

    const QList<QRgb> table = source.colorTable();
    for (int i = 0; i < tableEntries && i < table.size(); ++i) {
        char* entry = out.data() + info + BmpInfoHeaderSize + i * 4;
        entry[0] = static_cast<char>(qBlue(table[i]));
        entry[1] = static_cast<char>(qGreen(table[i]));
        entry[2] = static_cast<char>(qRed(table[i]));
    }
    for (int y = 0; y < source.height(); ++y) {
        char* row = out.data() + pixelOffset + (source.height() - 1 - y) * stride;
        if (indexed)
            writeIndexedRow(row, source, y, bitCount);
        else
            writeTrueColorRow(row, source, y, bitCount);
    }
    return out;
}
