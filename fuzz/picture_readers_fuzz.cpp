// Reads arbitrary bytes as the picture their signature names (bitmap, icon, metafile or JPEG),
// saves it and reads that again, draws it, writes it at every depth and colour mapping method,
// and reads what was written again.
#include "components/draw/bitmap_stream.h"
#include "components/draw/graphic_signatures.h"
#include "platform/ui/bitmap.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// Drawing and colour reduction touch every pixel; past this the fuzzer would spend its time
// there and not in the readers.
constexpr std::int64_t MaxFuzzPixels = 1 << 18;

std::unique_ptr<TGraphic> Load(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        return LoadGraphicFromStream(buffer);
    } catch (const EInvalidGraphic&) {
        return nullptr;
    }
}

// What we wrote ourselves must read back.
void ExpectReadable(const QByteArray& bytes) {
    if (!Load(bytes))
        __builtin_trap();
}

// The graphic's own pixels when the bitmap takes them, else the graphic drawn at its size.
void AssignOrDraw(TGraphic& graphic, TBitmap& bitmap) {
    try {
        bitmap.Assign(&graphic);
    } catch (const EInvalidGraphic&) {
        bitmap.SetImage(QImage(graphic.Width(), graphic.Height(), QImage::Format_RGB32));
        TBitmapCanvas canvas(bitmap);
        graphic.Draw(canvas, TRect{0, 0, graphic.Width(), graphic.Height()});
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::unique_ptr<TGraphic> graphic = Load(bytes);
    if (!graphic || graphic->Empty())
        return 0;
    QByteArray saved;
    {
        QBuffer stream(&saved);
        stream.open(QIODevice::WriteOnly);
        graphic->SaveToStream(stream);
    }
    ExpectReadable(saved);
    // A metafile's frame may be empty; there is nothing to draw then.
    if (graphic->Width() <= 0 || graphic->Height() <= 0 ||
        std::int64_t{graphic->Width()} * graphic->Height() > MaxFuzzPixels)
        return 0;

    TBitmap bitmap;
    AssignOrDraw(*graphic, bitmap);
    const auto method = static_cast<TWkColorMapping>(size % 6);
    for (const TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf24bit})
        ExpectReadable(BitmapToMemoryStream(bitmap, format, method)->data());
    return 0;
}
