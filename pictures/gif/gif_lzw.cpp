#include "pictures/gif/gif_lzw.h"

#include "pictures/gif/gif_lzw_progress.h"

QString GifCodeSizeText() {
    return QStringLiteral("GIF code size not in range 2 to 9");
}

QString GifCorruptText() {
    return QStringLiteral("GIF encoded data is corrupt");
}

TGifProgressReport::TGifProgressReport(const TGifProgress& handler) : FHandler(handler) {
    if (FHandler)
        FHandler(TProgressStage::psStarting, 0, QString());
}

void TGifProgressReport::Running(std::size_t done, std::size_t total) {
    if (!FHandler || total == 0)
        return;
    const int percent = static_cast<int>(done * 100 / total);
    if (percent != FLast) {
        FLast = percent;
        FHandler(TProgressStage::psRunning, percent, QString());
    }
}

void TGifProgressReport::Ending(const QString& message) {
    if (FHandler)
        FHandler(TProgressStage::psEnding, message.isEmpty() ? 100 : FLast, message);
}

int NextInterlacedRow(int row, int height, int& pass) {
    static constexpr int Starts[] = {0, 4, 2, 1};
    static constexpr int Steps[] = {8, 8, 4, 2};
    row += Steps[pass];
    while (row >= height && pass < 3) {
        ++pass;
        row = Starts[pass];
    }
    return row;
}
