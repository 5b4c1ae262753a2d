#include "components/util/icon_drawing.h"
#include "gif_test_pictures.h"
#include "pictures/gif/gif_image.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// One frame of a picture built here: its pixels as indices, row by row, and how it is stored.
struct TFrameSpec {
    const char* Name;
    int Width, Height;
    // The local table's bits, or 0 for the global table of 256 colours.
    int LocalBits;
    bool Interlaced;
    // Pixels repeat a few colours in turn, which makes strings longer than a row.
    bool Periodic;
    std::vector<std::uint8_t> Pixels;
};

QRgb GlobalColor(int i) {
    return qRgb(i, 255 - i, (i * 3) & 255);
}

// Colours no other frame has: a cached table taken for another frame's shows.
QRgb LocalColor(int frame, int i) {
    return qRgb((i * 40 + frame) & 255, frame * 20, 7 + i);
}

QByteArray Word(int value) {
    return Bytes({value & 255, value >> 8});
}

// The frame data as our encoder writes them: 1-bit rows for two colours (code size 2), else
// 8-bit rows (code size 8).
std::vector<std::uint8_t> Encode(const TFrameSpec& frame) {
    const int bits = frame.LocalBits == 1 ? 1 : 8;
    const int stride = AlignedRowBytes(frame.Width * bits);
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(stride) * frame.Height);
    for (int y = 0; y < frame.Height; ++y)
        for (int x = 0; x < frame.Width; ++x) {
            const std::uint8_t pixel = frame.Pixels[y * frame.Width + x];
            std::uint8_t* row = rows.data() + y * stride;
            if (bits == 8)
                row[x] = pixel;
            else
                row[x / 8] |= static_cast<std::uint8_t>(pixel << (7 - x % 8));
        }
    std::vector<std::uint8_t> data;
    EncodeGifLzw({rows.data(), stride, frame.Width, frame.Height, bits}, frame.Interlaced, data);
    return data;
}

QByteArray Picture(const std::vector<TFrameSpec>& frames, int screenWidth, int screenHeight) {
    QByteArray gif("GIF89a");
    gif += Word(screenWidth) + Word(screenHeight) + Bytes({0xF7, 0, 0});
    for (int i = 0; i < 256; ++i)
        gif += Bytes({qRed(GlobalColor(i)), qGreen(GlobalColor(i)), qBlue(GlobalColor(i))});
    for (std::size_t f = 0; f < frames.size(); ++f) {
        const TFrameSpec& frame = frames[f];
        int packed = frame.Interlaced ? 0x40 : 0;
        if (frame.LocalBits > 0)
            packed |= 0x80 | (frame.LocalBits - 1);
        gif += Bytes({','}) + Word(0) + Word(0) + Word(frame.Width) + Word(frame.Height) +
               Bytes({packed});
        for (int i = 0; i < (frame.LocalBits > 0 ? 1 << frame.LocalBits : 0); ++i) {
            const QRgb color = LocalColor(static_cast<int>(f), i);
            gif += Bytes({qRed(color), qGreen(color), qBlue(color)});
        }
        const std::vector<std::uint8_t> data = Encode(frame);
        gif.append(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
    }
    return gif + ';';
}

void FillPixels(std::vector<TFrameSpec>& frames) {
    std::mt19937 random(11);
    for (TFrameSpec& frame : frames) {
        const int colors = frame.LocalBits > 0 ? 1 << frame.LocalBits : 256;
        frame.Pixels.resize(static_cast<std::size_t>(frame.Width) * frame.Height);
        for (std::size_t i = 0; i < frame.Pixels.size(); ++i)
            frame.Pixels[i] = static_cast<std::uint8_t>(frame.Periodic ? i % std::min(colors, 5)
                                                                       : random() % colors);
    }
}

int WrongPixels(const QImage& bitmap, const TFrameSpec& frame) {
    int wrong = 0;
    for (int y = 0; y < frame.Height; ++y)
        for (int x = 0; x < frame.Width; ++x)
            wrong += bitmap.pixelIndex(x, y) != frame.Pixels[y * frame.Width + x];
    return wrong;
}

TEST(GifDecodingTest, FramesOfEveryKindDecodeToTheirOwnPixelsAndColours) {
    // One after the other in one picture, so that nothing a frame leaves behind (tables,
    // colours) shows in the next: code sizes 8 and 2 in turn, full dictionaries and tiny ones,
    // narrow, large, interlaced, local and global colours.
    std::vector<TFrameSpec> frames = {
        {"noise, clears", 64, 48, 0, false, false, {}},
        {"two local colours", 5, 7, 1, false, false, {}},
        {"two other local colours, interlaced", 9, 3, 1, true, false, {}},
        {"interlaced, 16 local colours", 37, 29, 4, true, false, {}},
        {"16 other local colours, padded rows", 31, 40, 4, false, true, {}},
        {"narrow, strings across rows", 13, 24, 0, false, true, {}},
        {"large interlaced, strings across rows", 700, 400, 0, true, true, {}},
        {"one pixel", 1, 1, 0, false, false, {}},
        {"large, padded rows", 701, 390, 0, false, false, {}},
    };
    FillPixels(frames);
    TWkGIFImage image;
    image.LoadFromBytes(Picture(frames, 701, 400), false);
    image.DecodeAllFrames();
    ASSERT_EQ(image.Count(), static_cast<int>(frames.size()));
    EXPECT_FALSE(image.Corrupted());
    for (int f = 0; f < image.Count(); ++f) {
        const TFrameSpec& frame = frames[f];
        SCOPED_TRACE(frame.Name);
        const QImage& bitmap = image.Frame(f).Bitmap().Image();
        ASSERT_EQ(bitmap.size(), QSize(frame.Width, frame.Height));
        EXPECT_EQ(WrongPixels(bitmap, frame), 0);
        const int colors = frame.LocalBits > 0 ? 1 << frame.LocalBits : 256;
        ASSERT_GE(bitmap.colorCount(), colors);
        for (int i = 0; i < colors; ++i)
            EXPECT_EQ(bitmap.color(i), frame.LocalBits > 0 ? LocalColor(f, i) : GlobalColor(i))
                << i;
        // A table of 16 colours makes an 8-bit bitmap; the entries past it are gray.
        for (int i = colors; i < bitmap.colorCount(); ++i)
            EXPECT_EQ(bitmap.color(i), qRgb(128, 128, 128)) << i;
    }
}

TEST(GifDecodingTest, AProgressHandlerMayDecodeAnotherFrameMeanwhile) {
    // Both frames go through a scratch copy; the second needs a larger one.
    std::vector<TFrameSpec> frames = {
        {"small interlaced", 20, 10, 0, true, false, {}},
        {"larger interlaced", 60, 40, 0, true, false, {}},
    };
    FillPixels(frames);
    TWkGIFImage image;
    image.LoadFromBytes(Picture(frames, 60, 40), false);
    bool decodedMeanwhile = false;
    image.OnProgress = [&](TProgressStage stage, int, const QString&) {
        if (stage == TProgressStage::psRunning && !decodedMeanwhile) {
            decodedMeanwhile = true;
            image.Frame(1).Bitmap();
        }
    };
    const QImage first = image.Frame(0).Bitmap().Image();
    ASSERT_TRUE(decodedMeanwhile);
    EXPECT_EQ(WrongPixels(first, frames[0]), 0);
    EXPECT_EQ(WrongPixels(image.Frame(1).Bitmap().Image(), frames[1]), 0);
}

} // namespace
