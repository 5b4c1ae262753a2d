#pragma once
// A drawing surface like the screen's that is not on the screen: a canvas over an image in the
// screen's pixel format, for measuring (or drawing) text and shapes as the screen would show
// them. It starts with one pixel, as a fresh memory device context does.

#include "platform/ui/canvas.h"

#include <QImage>
#include <memory>

class TScreenCompatibleDC {
public:
    TScreenCompatibleDC();
    TScreenCompatibleDC(const TScreenCompatibleDC&) = delete;
    TScreenCompatibleDC& operator=(const TScreenCompatibleDC&) = delete;

    TCanvas& Canvas() { return *canvas; }
    const QImage& Image() const { return image; }

private:
    QImage image;
    std::unique_ptr<TCanvas> canvas;
};

// The image format of the primary screen's pixel depth; 32-bit colour without a screen, or
// for a depth that cannot be painted on (1 and 8 bits).
QImage::Format ScreenImageFormat();

// Raises EOutOfResources when the image cannot be made.
std::unique_ptr<TScreenCompatibleDC> CreateScreenCompatibleDC();
