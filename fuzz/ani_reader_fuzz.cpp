// Reads arbitrary bytes as an animated cursor, walks its steps, draws it, turns it into a
// bitmap strip and a GIF picture, and writes it again.
#include "pictures/ani/ani_image.h"
#include "pictures/gif/gif_image.h"
#include "platform/ui/canvas.h"

#include <QBuffer>
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

namespace {

// Strips and GIF frames are made per step; past this the fuzzer would spend its time painting.
constexpr int MaxFuzzSteps = 64;

// The animation timer needs an event dispatcher; nothing here needs fonts or a display.
QCoreApplication& Application() {
    static int argc = 1;
    static char name[] = "ani_reader_fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    return application;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Application();
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    buffer.open(QIODevice::ReadOnly);
    TWkAni ani;
    try {
        ani.LoadFromStream(buffer);
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    QImage target(64, 64, QImage::Format_RGB32);
    {
        TCanvas canvas(&target);
        for (int i = 0; i < ani.FrameCount() && i < MaxFuzzSteps; ++i) {
            ani.TimerTick();
            ani.Draw(canvas, TRect{0, 0, 64, 64});
        }
    }
    if (ani.FrameCount() <= MaxFuzzSteps) {
        try {
            TBitmap bitmap;
            ani.AssignToBitmap(bitmap, clWhite, true, false);
            ani.AssignIconsToBitmap(bitmap, clWhite, false, true);
        } catch (const EInvalidGraphic&) {
        }
        TWkGIFImage gif;
        gif.Assign(&ani);
    }
    TWkAni copy;
    try {
        QBuffer saved;
        saved.setData(ani.SaveToBytes());
        saved.open(QIODevice::ReadOnly);
        copy.LoadFromStream(saved);
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
