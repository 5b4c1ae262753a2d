#include "gif_bench_decoders.h"

#include "pictures/gif/gif_image.h"

#include <QBuffer>
#include <QImageReader>
#include <cstring>
#include <gif_lib.h>

namespace {

struct TMemory {
    const QByteArray* Bytes;
    qsizetype Position;
};

int ReadMemory(GifFileType* file, GifByteType* into, int count) {
    auto* memory = static_cast<TMemory*>(file->UserData);
    const qsizetype take = std::min<qsizetype>(count, memory->Bytes->size() - memory->Position);
    std::memcpy(into, memory->Bytes->constData() + memory->Position,
                static_cast<std::size_t>(take));
    memory->Position += take;
    return static_cast<int>(take);
}

// A giflib load that the caller closes with DGifCloseFile; null with the reason when it fails.
GifFileType* SlurpWithGiflib(TMemory& memory, QString& failure) {
    int error = 0;
    GifFileType* file = DGifOpen(&memory, ReadMemory, &error);
    if (file == nullptr) {
        failure = QString::fromUtf8(GifErrorString(error));
        return nullptr;
    }
    if (DGifSlurp(file) != GIF_OK) {
        failure = QString::fromUtf8(GifErrorString(file->Error));
        DGifCloseFile(file, &error);
        return nullptr;
    }
    return file;
}

} // namespace

TDecodeResult DecodeWithOurs(const QByteArray& gif) {
    TDecodeResult result;
    try {
        TWkGIFImage image;
        image.LoadFromBytes(gif, false);
        image.DecodeAllFrames();
        result.Frames = image.Count();
    } catch (const std::exception& error) {
        result.Failure = QString::fromUtf8(error.what());
    }
    return result;
}

TDecodeResult DecodeWithGiflib(const QByteArray& gif) {
    TDecodeResult result;
    TMemory memory{&gif, 0};
    if (GifFileType* file = SlurpWithGiflib(memory, result.Failure)) {
        result.Frames = file->ImageCount;
        int error = 0;
        DGifCloseFile(file, &error);
    }
    return result;
}

TDecodeResult DecodeWithQt(const QByteArray& gif) {
    TDecodeResult result;
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    while (!reader.read().isNull())
        ++result.Frames;
    if (result.Frames == 0)
        result.Failure = reader.errorString();
    return result;
}

std::vector<TIndexedFrame> OurFrames(const QByteArray& gif) {
    std::vector<TIndexedFrame> frames;
    TWkGIFImage image;
    try {
        image.LoadFromBytes(gif, false);
    } catch (const std::exception&) {
    }
    for (int i = 0; i < image.Count(); ++i) {
        TIndexedFrame frame;
        try {
            const QImage& pixels = image.Frame(i).Bitmap().Image();
            frame.Width = pixels.width();
            frame.Height = pixels.height();
            frame.Pixels.reserve(static_cast<std::size_t>(frame.Width) * frame.Height);
            for (int y = 0; y < frame.Height; ++y)
                for (int x = 0; x < frame.Width; ++x)
                    frame.Pixels.push_back(static_cast<std::uint8_t>(pixels.pixelIndex(x, y)));
        } catch (const std::exception&) {
        }
        frames.push_back(std::move(frame));
    }
    return frames;
}

std::vector<TIndexedFrame> GiflibFrames(const QByteArray& gif) {
    std::vector<TIndexedFrame> frames;
    TMemory memory{&gif, 0};
    QString failure;
    GifFileType* file = SlurpWithGiflib(memory, failure);
    if (file == nullptr)
        return frames;
    for (int i = 0; i < file->ImageCount; ++i) {
        const SavedImage& saved = file->SavedImages[i];
        TIndexedFrame frame;
        frame.Width = saved.ImageDesc.Width;
        frame.Height = saved.ImageDesc.Height;
        frame.Pixels.assign(saved.RasterBits,
                            saved.RasterBits + std::size_t(frame.Width) * frame.Height);
        frames.push_back(std::move(frame));
    }
    int error = 0;
    DGifCloseFile(file, &error);
    return frames;
}

QString FirstDifference(const std::vector<TIndexedFrame>& ours,
                        const std::vector<TIndexedFrame>& giflib) {
    if (ours.size() != giflib.size())
        return QStringLiteral("%1 frames / %2").arg(ours.size()).arg(giflib.size());
    for (std::size_t i = 0; i < ours.size(); ++i) {
        const TIndexedFrame& a = ours[i];
        const TIndexedFrame& b = giflib[i];
        if (a.Width != b.Width || a.Height != b.Height)
            return QStringLiteral("frame %1: %2 x %3 / %4 x %5")
                .arg(i)
                .arg(a.Width)
                .arg(a.Height)
                .arg(b.Width)
                .arg(b.Height);
        const auto at = std::mismatch(a.Pixels.begin(), a.Pixels.end(), b.Pixels.begin());
        if (at.first != a.Pixels.end()) {
            const auto offset = at.first - a.Pixels.begin();
            return QStringLiteral("frame %1: pixel %2, %3 is %4 / %5")
                .arg(i)
                .arg(offset % a.Width)
                .arg(offset / a.Width)
                .arg(*at.first)
                .arg(*at.second);
        }
    }
    return {};
}
