#pragma once
// What the LZW decoder and encoder share: their error texts and the progress report.

#include "pictures/gif/gif_lzw.h"

#include <cstddef>

QString GifCodeSizeText();
QString GifCorruptText();

// Tells the progress handler about the start, each new percentage only, and the end.
class TGifProgressReport {
public:
    explicit TGifProgressReport(const TGifProgress& handler);
    void Running(std::size_t done, std::size_t total);
    // An empty message is a normal end (reported as 100); otherwise the coder's error text.
    void Ending(const QString& message);

private:
    const TGifProgress& FHandler;
    int FLast = -1;
};
