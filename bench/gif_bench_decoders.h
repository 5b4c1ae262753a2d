#pragma once
// The three decoders the GIF bench times, each doing a whole load on the same bytes in memory:
//  - ours: TWkGIFImage::LoadFromBytes (the reader: header, tables, extensions, each frame's data
//    copied out) and DecodeAllFrames (every frame's indexed bitmap with its palette, as the
//    picture class holds it); then the picture is freed.
//  - giflib: DGifOpen on a read callback that copies from the bytes, DGifSlurp (every frame's
//    indexed raster, colour maps and extension blocks in memory), DGifCloseFile.
//  - Qt: QImageReader over a QBuffer, reading every frame as a composed true-colour image; a
//    reference only, since it does more than the other two.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// What each load did; an empty Failure means success.
struct TDecodeResult {
    int Frames = 0;
    QString Failure;
};

TDecodeResult DecodeWithOurs(const QByteArray& gif);
TDecodeResult DecodeWithGiflib(const QByteArray& gif);
TDecodeResult DecodeWithQt(const QByteArray& gif);

// One frame's pixels as indices, one byte each, row by row.
struct TIndexedFrame {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Pixels;
};

std::vector<TIndexedFrame> OurFrames(const QByteArray& gif);
std::vector<TIndexedFrame> GiflibFrames(const QByteArray& gif);

// Where the two decoders' frames first differ ("frame 3: pixel 17, 4 is 2 / 5"), or empty when
// every frame holds the same indices.
QString FirstDifference(const std::vector<TIndexedFrame>& ours,
                        const std::vector<TIndexedFrame>& giflib);
