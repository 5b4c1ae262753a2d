// Decoding speed of a large animated GIF (1920 x 1080, 50 frames, made here with our encoder),
// side by side with giflib's DGifSlurp and Qt's GIF reader on the same bytes. The three decode
// in turn within each round, so a change in the machine's load falls on all of them alike.
// Prints every round and the medians. Usage: gif_decode_bench [rounds], at least 5 (default 7).
#include "pictures/gif/gif_image.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gif_lib.h>
#include <vector>

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr int Frames = 50;
constexpr int MinRounds = 5;
constexpr int DefaultRounds = 7;

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

template <class Decode> double Seconds(Decode decode) {
    const auto start = std::chrono::steady_clock::now();
    decode();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
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

void DecodeOurs(const QByteArray& gif) {
    TWkGIFImage image;
    image.LoadFromBytes(gif, false);
    image.DecodeAllFrames();
    if (image.Count() != Frames || image.Corrupted())
        std::abort();
}

void DecodeGiflib(const QByteArray& gif) {
    TMemory memory{&gif, 0};
    int error = 0;
    GifFileType* file = DGifOpen(&memory, ReadMemory, &error);
    if (file == nullptr || DGifSlurp(file) != GIF_OK || file->ImageCount != Frames)
        std::abort();
    DGifCloseFile(file, &error);
}

void DecodeQt(const QByteArray& gif) {
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    int frames = 0;
    while (!reader.read().isNull())
        ++frames;
    if (frames != Frames)
        std::abort();
}

} // namespace

int main(int argc, char** argv) {
    // Runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(MinRounds, std::atoi(argv[1])) : DefaultRounds;
    const QByteArray gif = MakeAnimation();
    std::printf("GIF: %d x %d, %d frames, %lld bytes; %d rounds\n", Width, Height, Frames,
                static_cast<long long>(gif.size()), rounds);

    std::vector<double> ours, giflib, qt;
    std::printf("round      ours ms  giflib ms      Qt ms\n");
    for (int round = 1; round <= rounds; ++round) {
        ours.push_back(Seconds([&gif] { DecodeOurs(gif); }));
        giflib.push_back(Seconds([&gif] { DecodeGiflib(gif); }));
        qt.push_back(Seconds([&gif] { DecodeQt(gif); }));
        std::printf("%5d %12.1f %10.1f %10.1f\n", round, ours.back() * 1000, giflib.back() * 1000,
                    qt.back() * 1000);
    }
    const double oursMedian = Median(ours);
    const double giflibMedian = Median(giflib);
    const double qtMedian = Median(qt);
    std::printf("median %11.1f %10.1f %10.1f  (ours, giflib DGifSlurp, Qt QImageReader)\n",
                oursMedian * 1000, giflibMedian * 1000, qtMedian * 1000);
    // Decoded pixels, one byte each, per second of the median round.
    const double megabytes = double(Width) * Height * Frames / 1e6;
    std::printf("MB/s   %11.1f %10.1f %10.1f  (decoded pixels)\n", megabytes / oursMedian,
                megabytes / giflibMedian, megabytes / qtMedian);
    std::printf("ratio giflib / ours = %.2f, Qt / ours = %.2f\n", giflibMedian / oursMedian,
                qtMedian / oursMedian);
    return 0;
}
