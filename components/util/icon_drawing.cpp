#include "components/util/icon_drawing.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <algorithm>
#include <cstdint>

namespace {

constexpr int IconHeaderSize = 6;
constexpr int DirectoryEntrySize = 16;
constexpr int InfoHeaderSize = 40;
// Icon images go up to 256 pixels a side; anything far beyond is a damaged header.
constexpr int MaxIconSide = 1024;
// The desktop's icon metrics, used for the application icon.
constexpr int SystemIconSize = 32;
constexpr uint16_t IconFileType = 1;
constexpr uint32_t NoCompression = 0;

// Little-endian reads at offsets the caller has checked.
uint16_t word(const uchar* p) {
    return uint16_t(p[0] | p[1] << 8);
}
uint32_t dword(const uchar* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

struct DirectoryEntry {
    int colorCount;
    uint32_t size;
    uint32_t offset;
};

// 2 to the display's bits per pixel up to 8 bits, else 0 ("more than 256").
int displayColorCount() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 32;
    return depth <= 8 ? 1 << depth : 0;
}

bool pixelBit(const uchar* row, int x) {
    return (row[x / 8] >> (7 - x % 8)) & 1;
}

// A colour-and-mask device-independent bitmap as icon files hold it (rows bottom-up, twice the
// image's height in the header), or a null image when its sizes do not fit the bytes.
QImage decodeDib(const uchar* data, qsizetype size) {
    if (size < InfoHeaderSize)
        return {};
    const uint32_t headerSize = dword(data);
    const auto width = int32_t(dword(data + 4));
    const auto doubledHeight = int32_t(dword(data + 8));
    const int bitCount = word(data + 14);
    const uint32_t compression = dword(data + 16);
    const uint32_t colorsUsed = dword(data + 32);
    if (headerSize < InfoHeaderSize || headerSize > uint64_t(size) || compression != NoCompression)
        return {};
    const int height = doubledHeight / 2;
    if (width <= 0 || height <= 0 || width > MaxIconSide || height > MaxIconSide)
        return {};
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return {};
    const int maxColors = PaletteEntryCount(bitCount);
    const uint64_t colors = colorsUsed ? colorsUsed : uint64_t(maxColors);
    if (colors > uint64_t(maxColors))
        return {};
    const uint64_t paletteStart = headerSize;
    const uint64_t colorStart = paletteStart + colors * 4;
    const int colorRow = AlignedRowBytes(width * bitCount);
    const int maskRow = AlignedRowBytes(width);
    const uint64_t maskStart = colorStart + uint64_t(colorRow) * height;
    if (maskStart + uint64_t(maskRow) * height > uint64_t(size))
        return {};

    const uchar* palette = data + paletteStart;
    auto paletteColor = [&](uint32_t index) -> QRgb {
        if (index >= colors)
            return qRgb(0, 0, 0);
        const uchar* entry = palette + index * 4;
        return qRgb(entry[2], entry[1], entry[0]);
    };
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const uchar* row = data + colorStart + uint64_t(colorRow) * (height - 1 - y);
        const uchar* mask = data + maskStart + uint64_t(maskRow) * (height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            QRgb pixel;
            switch (bitCount) {
            case 1:
                pixel = paletteColor(pixelBit(row, x));
                break;
            case 4:
                pixel = paletteColor(x % 2 ? row[x / 2] & 0x0F : row[x / 2] >> 4);
                break;
            case 8:
                pixel = paletteColor(row[x]);
                break;
            case 24:
                pixel = qRgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
                break;
            default:
                pixel = qRgba(row[x * 4 + 2], row[x * 4 + 1], row[x * 4], row[x * 4 + 3]);
                break;
            }
            // A set mask bit lets the background show through.
            out[x] = pixelBit(mask, x) ? qRgba(0, 0, 0, 0) : pixel;
        }
    }
    // 32-bit images without any alpha are meant to be opaque where the mask allows.
    if (bitCount == 32) {
        bool anyAlpha = false;
        for (int y = 0; y < height && !anyAlpha; ++y) {
            const uchar* row = data + colorStart + uint64_t(colorRow) * y;
            for (int x = 0; x < width && !anyAlpha; ++x)
                anyAlpha = row[x * 4 + 3] != 0;
        }
        if (!anyAlpha) {
            for (int y = 0; y < height; ++y) {
                const uchar* mask = data + maskStart + uint64_t(maskRow) * (height - 1 - y);
                auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < width; ++x) {
                    if (!pixelBit(mask, x))
                        out[x] |= 0xFF000000u;
                }
            }
        }
    }
    return image;
}

QImage iconFileImage(const uchar* data, qsizetype size) {
    const int count = word(data + 4);
    if (count == 0 || IconHeaderSize + qsizetype{count} * DirectoryEntrySize > size)
        return {};
    const int wanted = displayColorCount();
    DirectoryEntry chosen{};
    for (int i = 0; i < count; ++i) {
        const uchar* entry = data + IconHeaderSize + i * DirectoryEntrySize;
        const DirectoryEntry candidate{entry[2], dword(entry + 8), dword(entry + 12)};
        if (i == 0 || candidate.colorCount == wanted)
            chosen = candidate;
        if (candidate.colorCount == wanted)
            break;
    }
    if (uint64_t(chosen.offset) + chosen.size > uint64_t(size))
        return {};
    const uchar* image = data + chosen.offset;
    static constexpr uchar PngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (chosen.size >= sizeof PngSignature &&
        std::equal(std::begin(PngSignature), std::end(PngSignature), image))
        return QImage::fromData(image, int(chosen.size), "PNG");
    return decodeDib(image, chosen.size);
}

} // namespace

int AlignedRowBytes(int bitCount) {
    return (bitCount + 31) / 32 * 4;
}

int PaletteEntryCount(int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

QImage IconImage(const QByteArray& iconStream) {
    if (iconStream.size() < IconHeaderSize)
        return {};
    const auto* data = reinterpret_cast<const uchar*>(iconStream.constData());
    switch (word(data + 2)) {
    case 0:
        return QGuiApplication::windowIcon().pixmap(SystemIconSize, SystemIconSize).toImage();
    case IconFileType:
        return iconFileImage(data, iconStream.size());
    default:
        return QImage::fromData(iconStream);
    }
}

bool DrawIconAtNaturalSize(TCanvas& canvas, const QByteArray& iconStream, int x, int y) {
    const QImage image = IconImage(iconStream);
    if (image.isNull())
        return false;
    canvas.Painter().drawImage(x, y, image);
    return true;
}

bool DrawIconAtNaturalSize(TCanvas& canvas, const TIcon& icon, int x, int y) {
    if (icon.Empty())
        return false;
    QByteArray stream;
    QBuffer buffer(&stream);
    buffer.open(QIODevice::WriteOnly);
    icon.SaveToStream(buffer);
    return DrawIconAtNaturalSize(canvas, stream, x, y);
}
