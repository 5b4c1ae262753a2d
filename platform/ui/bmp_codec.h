#pragma once
// Our own BMP file writer (1, 4, 8, 24 and 32 bits per pixel, bottom-up rows padded to four
// bytes, uncompressed) and the checks a BMP passes before its pixels are decoded.

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <optional>

// Untrusted pictures larger than this are refused before any pixel memory is allocated.
constexpr qint64 MaxPictureBytes = 64 * 1024 * 1024;

// How many bytes a picture reader may take: what is left of a file or buffer, or up to cap
// bytes of a sequential stream, whose length is unknown.
qint64 PictureBytesAvailable(const QIODevice& stream, qint64 cap = MaxPictureBytes);
// Sides and areas above these are not pictures a control shows; refusing them caps allocation.
constexpr int MaxBitmapSide = 32767;
constexpr qint64 MaxBitmapPixels = 32 * 1024 * 1024;
// A BMP file the bitmap reader takes: every bitmap it accepts saves at four bytes a pixel at
// most, with room to spare for headers, colour tables and gaps, so what it saves reads again.
constexpr qint64 MaxBmpFileBytes = 4 * MaxBitmapPixels + 64 * 1024;

constexpr int BmpFileHeaderSize = 14;
constexpr int BmpInfoHeaderSize = 40;

struct BmpHeader {
    qint64 FileSize = 0; // from the file header; may not match the data
    int Width = 0;
    int Height = 0; // positive; TopDown tells the row order
    bool TopDown = false;
    int BitCount = 0;
    // Where the rows of an uncompressed picture end in the file; 0 for compressed rows, whose
    // length the header does not tell.
    qint64 RowsEnd = 0;
};

// The BMP headers at the start of data, or nothing when they are malformed, truncated or
// describe a picture beyond the caps above.
std::optional<BmpHeader> ParseBmpHeader(const QByteArray& data);

// The bytes of a BMP file of image at bitCount bits per pixel. For 1, 4 and 8 bits the image
// must be indexed (QImage::Format_Mono, MonoLSB or Indexed8) with at most 2^bitCount colours;
// the table is written with 2^bitCount entries (missing ones black) and colorsUsed goes into
// the header (0: all). For 24 and 32 bits any image is converted. Other depths give nothing.
QByteArray EncodeBmp(const QImage& image, int bitCount, int colorsUsed = 0);
