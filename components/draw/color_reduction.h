#pragma once
// Reduction of a true-colour picture to 256 palette entries by one of the colour mapping
// methods, for writing 8-bit BMP streams.

#include <QImage>
#include <cstdint>

enum TWkColorMapping : std::uint8_t {
    cmFrequencyQuantizer = 0,
    cmMedianCut = 1,
    cmTruncate784 = 2,
    cmTruncate666 = 3,
    cmChannelTripel = 4,
    cmGrayscale = 5,
};

struct ReducedImage {
    QImage Indexed;     // Format_Indexed8 with a 256-entry colour table
    int ColorsUsed = 0; // for the BMP header; 0: all entries
};

// The index of the nearest of levels (4, 6, 7 or 8 of them spread over 0..255) to value; the
// lower index on a tie.
int TruncationLevel(int levels, int value);

// The pixels of image (any format; read as 24-bit colour) in 256 palette entries.
ReducedImage ReduceColors(const QImage& image, TWkColorMapping method);
