// Decoding speed of a large animated GIF (1920 x 1080, 50 frames, made here with our encoder),
// side by side with giflib's DGifSlurp and Qt's GIF reader on the same bytes. Prints figures.
#include "pictures/gif/gif_image.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <gif_lib.h>

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr int Frames = 50;
constexpr int Rounds = 3;

QByteArray MakeAnimation() {
    TWkGIFImage image;
    QList<QRgb> colors;
    for (int i = 0; i < 256; ++i)
        colors.append(qRgb(i, (i * 7) & 255, 255 - i));
    for (int f = 0; f < Frames; ++f) {
        QImage frame(Width, Height, QImage::Format_Indexed8);
        frame.setColorTable(colors);
        for (int y = 0; y < Height; ++y) {
            uchar* row = frame.scanLine(y);
            for (int x = 0; x < Width; ++x)
                row[x] = static_cast<uchar>(x / 4 + y / 3 + f * 5 + ((x * y) >> 9));
        }
        image.AddFrame(frame);
        image.Frame(f).SetAnimateInterval(40);
    }
    image.SetLooping(true);
    return image.SaveToBytes();
}

template <class Decode> double BestSeconds(Decode decode) {
    double best = 1e9;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        decode();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

struct TMemory {
    const QByteArray* bytes;
    qsizetype pos;
};

int ReadMemory(GifFileType* file, GifByteType* into, int count) {
    auto* memory = static_cast<TMemory*>(file->UserData);
    const qsizetype take = std::min<qsizetype>(count, memory->bytes->size() - memory->pos);
    std::memcpy(into, memory->bytes->constData() + memory->pos, static_cast<std::size_t>(take));
    memory->pos += take;
    return static_cast<int>(take);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QByteArray gif = MakeAnimation();
    std::printf("GIF: %d x %d, %d frames, %lld bytes; best of %d rounds\n", Width, Height, Frames,
                static_cast<long long>(gif.size()), Rounds);

    const double ours = BestSeconds([&gif] {
        TWkGIFImage image;
        image.LoadFromBytes(gif, false);
        image.DecodeAllFrames();
        if (image.Count() != Frames)
            std::abort();
    });
    const double giflib = BestSeconds([&gif] {
        TMemory memory{&gif, 0};
        int error = 0;
        GifFileType* file = DGifOpen(&memory, ReadMemory, &error);
        if (file == nullptr || DGifSlurp(file) != GIF_OK || file->ImageCount != Frames)
            std::abort();
        DGifCloseFile(file, &error);
    });
    const double qt = BestSeconds([&gif] {
        QBuffer buffer;
        buffer.setData(gif);
        QImageReader reader(&buffer, "gif");
        int frames = 0;
        while (!reader.read().isNull())
            ++frames;
        if (frames != Frames)
            std::abort();
    });
    std::printf("ours   %8.1f ms\n", ours * 1000);
    std::printf("giflib %8.1f ms (DGifSlurp)\n", giflib * 1000);
    std::printf("Qt     %8.1f ms (QImageReader)\n", qt * 1000);
    std::printf("ratio giflib / ours = %.2f, Qt / ours = %.2f\n", giflib / ours, qt / ours);
    return 0;
}
