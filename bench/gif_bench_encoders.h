#pragma once
// Writing the bench's pictures with either encoder, so that the decoders meet the code streams of
// both: ours restarts its dictionary as soon as it is full, giflib's works its own way.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <vector>

struct TBenchFrame {
    // Format_Indexed8 with its colour table, which has no colour twice.
    QImage Pixels;
    QPoint Origin;
    int DelayHundredths = 0;
    // The graphic-control field: 1 leave, 2 restore the background, 3 restore the previous.
    int Disposal = 0;
    // The transparent index, or -1.
    int Transparent = -1;
    // giflib only: ours never interlaces and gives every frame after the first a local table.
    bool Interlaced = false;
    bool LocalColors = false;
};

// The first frame's colours become the global table; up to 16 colours give a 4-bit frame.
QByteArray EncodeWithOurs(const std::vector<TBenchFrame>& frames);

// The first frame's colours become the global table, padded to a power of two.
QByteArray EncodeWithGiflib(QSize screen, const std::vector<TBenchFrame>& frames);
