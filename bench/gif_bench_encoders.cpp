#include "gif_bench_encoders.h"

#include "pictures/gif/gif_image.h"

#include <cstdlib>
#include <gif_lib.h>

namespace {

int WriteMemory(GifFileType* file, const GifByteType* bytes, int count) {
    static_cast<QByteArray*>(file->UserData)->append(reinterpret_cast<const char*>(bytes), count);
    return count;
}

// giflib reports a failed call by its result; the bench cannot go on without its pictures.
void Check(int result, const char* call) {
    if (result != GIF_OK) {
        std::fprintf(stderr, "giflib %s failed\n", call);
        std::abort();
    }
}

ColorMapObject* MakeMap(const QImage& pixels) {
    const QList<QRgb> colors = pixels.colorTable();
    int count = 2;
    while (count < colors.size())
        count *= 2;
    std::vector<GifColorType> entries(static_cast<std::size_t>(count), GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < colors.size(); ++i)
        entries[static_cast<std::size_t>(i)] = {static_cast<GifByteType>(qRed(colors[i])),
                                                static_cast<GifByteType>(qGreen(colors[i])),
                                                static_cast<GifByteType>(qBlue(colors[i]))};
    return GifMakeMapObject(count, entries.data());
}

void PutControl(GifFileType* file, const TBenchFrame& frame) {
    if (frame.DelayHundredths == 0 && frame.Disposal == 0 && frame.Transparent < 0)
        return;
    const GifByteType control[4] = {
        static_cast<GifByteType>(frame.Disposal << 2 | (frame.Transparent >= 0 ? 1 : 0)),
        static_cast<GifByteType>(frame.DelayHundredths & 0xFF),
        static_cast<GifByteType>(frame.DelayHundredths >> 8),
        static_cast<GifByteType>(frame.Transparent >= 0 ? frame.Transparent : 0)};
    Check(EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, 4, control), "EGifPutExtension");
}

void PutRows(GifFileType* file, const TBenchFrame& frame) {
    const QImage& pixels = frame.Pixels;
    std::vector<GifPixelType> line(static_cast<std::size_t>(pixels.width()));
    auto put = [&](int y) {
        std::copy_n(pixels.constScanLine(y), line.size(), line.begin());
        Check(EGifPutLine(file, line.data(), pixels.width()), "EGifPutLine");
    };
    if (!frame.Interlaced) {
        for (int y = 0; y < pixels.height(); ++y)
            put(y);
        return;
    }
    static constexpr int Starts[] = {0, 4, 2, 1};
    static constexpr int Steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = Starts[pass]; y < pixels.height(); y += Steps[pass])
            put(y);
}

} // namespace

QByteArray EncodeWithOurs(const std::vector<TBenchFrame>& frames) {
    TWkGIFImage image;
    for (const TBenchFrame& planned : frames) {
        TWkGIFFrame& frame = image.Frame(image.AddFrame(planned.Pixels));
        frame.SetOrigin(planned.Origin);
        frame.SetAnimateInterval(static_cast<std::uint32_t>(planned.DelayHundredths * 10));
        frame.SetDisposalMethod(static_cast<TDisposalMethod>(planned.Disposal));
        if (planned.Transparent >= 0) {
            const QRgb rgb = planned.Pixels.color(planned.Transparent);
            frame.SetTransparentColor(qRed(rgb) + qGreen(rgb) * 256 + qBlue(rgb) * 65536);
        }
    }
    image.SetLooping(frames.size() > 1);
    return image.SaveToBytes();
}

QByteArray EncodeWithGiflib(QSize screen, const std::vector<TBenchFrame>& frames) {
    QByteArray bytes;
    int error = 0;
    GifFileType* file = EGifOpen(&bytes, WriteMemory, &error);
    if (file == nullptr)
        Check(GIF_ERROR, "EGifOpen");
    EGifSetGifVersion(file, true);
    ColorMapObject* global = MakeMap(frames.front().Pixels);
    Check(EGifPutScreenDesc(file, screen.width(), screen.height(), 8, 0, global),
          "EGifPutScreenDesc");
    GifFreeMapObject(global);
    for (const TBenchFrame& frame : frames) {
        PutControl(file, frame);
        ColorMapObject* local = frame.LocalColors ? MakeMap(frame.Pixels) : nullptr;
        Check(EGifPutImageDesc(file, frame.Origin.x(), frame.Origin.y(), frame.Pixels.width(),
                               frame.Pixels.height(), frame.Interlaced, local),
              "EGifPutImageDesc");
        if (local)
            GifFreeMapObject(local);
        PutRows(file, frame);
    }
    Check(EGifCloseFile(file, &error), "EGifCloseFile");
    return bytes;
}
