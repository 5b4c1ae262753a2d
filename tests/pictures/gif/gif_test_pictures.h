#pragma once
// Pictures the GIF tests share: fixture files, small GIF streams built byte by byte, and
// reading back what our writer produced.

#include "pictures/gif/gif_image.h"

#include <QByteArray>
#include <QImage>
#include <initializer_list>

QByteArray Fixture(const char* name);
QByteArray Bytes(std::initializer_list<int> values);
// A 2 x 1 two-colour GIF, with `blocks` between the screen and the frame.
QByteArray SmallGif(const QByteArray& blocks, const char* version = "89a");
QImage AsRgb(const QImage& image);
// A true-colour picture of one colour.
QImage Filled(int width, int height, QRgb color);
// The frames Qt's own reader finds in a GIF stream.
QList<QImage> QtFrames(const QByteArray& gif);
// Counts the picture's change notices.
struct ChangeCounter {
    explicit ChangeCounter(TGraphic& graphic);
    int count = 0;
};
