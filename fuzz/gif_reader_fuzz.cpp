// Reads arbitrary bytes as a GIF picture, decodes its frames and writes it again.
#include "pictures/gif/gif_image.h"

#include <cstddef>
#include <cstdint>

namespace {

// Decoding allocates the whole frame; past this the fuzzer would spend its time in memset.
constexpr std::int64_t MaxFuzzFramePixels = 1 << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TWkGIFImage image;
    try {
        image.LoadFromBytes(QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                    static_cast<qsizetype>(size)),
                            false);
    } catch (const EInvalidGraphic&) {
    }
    for (int i = 0; i < image.Count(); ++i) {
        TWkGIFFrame& frame = image.Frame(i);
        if (std::int64_t{frame.Width()} * frame.Height() > MaxFuzzFramePixels)
            continue;
        try {
            frame.Bitmap();
        } catch (const EInvalidGraphic&) {
        }
    }
    if (image.Count() > 0 && !image.Corrupted()) {
        try {
            image.SaveToBytes();
        } catch (const EInvalidGraphic&) {
        }
    }
    return 0;
}
