#pragma once
// Leaving one colour out of a picture, the way bitmaps and image lists drop their transparent
// colour.

#include <QImage>

// The pixels of image in Format_ARGB32 with every pixel whose RGB (alpha aside) equals key made
// fully transparent.
QImage WithoutKeyColor(const QImage& image, QRgb key);
