#include "components/util/icon_drawing.h"
#include "pictures/gif/gif_lzw.h"
#include "platform/ui/graphic.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <utility>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Frame data from codes given with their widths, as a writer would pack them.
Bytes PackCodes(int codeSize, const std::vector<std::pair<int, int>>& codes) {
    Bytes packed;
    std::uint32_t bits = 0;
    int count = 0;
    for (const auto& [code, width] : codes) {
        bits |= static_cast<std::uint32_t>(code) << count;
        count += width;
        while (count >= 8) {
            packed.push_back(static_cast<std::uint8_t>(bits));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        packed.push_back(static_cast<std::uint8_t>(bits));
    Bytes data{static_cast<std::uint8_t>(codeSize)};
    for (std::size_t pos = 0; pos < packed.size(); pos += 255) {
        const std::size_t length = std::min<std::size_t>(255, packed.size() - pos);
        data.push_back(static_cast<std::uint8_t>(length));
        data.insert(data.end(), packed.begin() + pos, packed.begin() + pos + length);
    }
    data.push_back(0);
    return data;
}

struct Picture {
    int width;
    int height;
    int bits;
    Bytes pixels;

    Picture(int w, int h, int b) : width(w), height(h), bits(b), pixels(Stride() * h) {}
    std::ptrdiff_t Stride() const { return AlignedRowBytes(width * bits); }
    TGifRows Rows() { return {pixels.data(), Stride(), width, height, bits}; }
    TGifConstRows ConstRows() const { return {pixels.data(), Stride(), width, height, bits}; }
};

// Fills an 8-bit picture with random pixels and returns its frame data.
Bytes EncodeNoise(Picture& picture, unsigned seed) {
    std::mt19937 random(seed);
    for (auto& pixel : picture.pixels)
        pixel = static_cast<std::uint8_t>(random());
    Bytes data;
    EncodeGifLzw(picture.ConstRows(), false, data);
    return data;
}

// One row of 8-bit pixels decoded from frame data.
struct Decoded {
    Bytes pixels;
    bool corrupt;
};

Decoded DecodeRow(const Bytes& data, int width, int pixelBits = 8) {
    Picture picture(width, 1, 8);
    const bool corrupt = DecodeGifLzw(data, picture.Rows(), false, pixelBits, true);
    picture.pixels.resize(width);
    return {picture.pixels, corrupt};
}

TEST(GifLzwTest, InterlacedRowsComeInTheFourPasses) {
    const struct {
        int height;
        std::vector<int> rows;
    } cases[] = {
        {10, {0, 8, 4, 2, 6, 1, 3, 5, 7, 9}},
        {1, {0}},
        {2, {0, 1}},
        {3, {0, 2, 1}},
        {5, {0, 4, 2, 1, 3}},
    };
    for (const auto& c : cases) {
        std::vector<int> rows;
        int pass = 0;
        for (int row = 0; row < c.height; row = NextInterlacedRow(row, c.height, pass))
            rows.push_back(row);
        EXPECT_EQ(rows, c.rows) << c.height;
    }
}

TEST(GifLzwTest, EncodedPicturesDecodeToTheSamePixels) {
    const struct {
        const char* name;
        int width, height, bits;
        bool interlaced;
        int colors;
        // Pixels repeat the colours in turn, which makes strings far longer than a row.
        bool periodic;
    } cases[] = {
        {"8-bit noise, several clears", 300, 200, 8, false, 256, false},
        {"8-bit few colours", 113, 113, 8, false, 3, false},
        {"4-bit interlaced", 37, 29, 4, true, 16, false},
        {"1-bit odd width", 17, 9, 1, false, 2, false},
        {"1-bit interlaced", 65, 33, 1, true, 2, false},
        {"one pixel", 1, 1, 8, true, 256, false},
        {"8-bit strings across many rows", 3, 3000, 8, false, 5, true},
        {"8-bit one column, interlaced", 1, 5000, 8, true, 3, true},
        {"8-bit strings across a row end, interlaced", 500, 300, 8, true, 7, true},
        {"4-bit strings across many rows, interlaced", 5, 2000, 4, true, 3, true},
        {"1-bit strings across many rows", 2, 4000, 1, false, 2, true},
        // Past a quarter million pixels, frames whose rows do not follow each other in
        // decoding order are decoded row by row instead of through a scratch copy.
        {"8-bit interlaced, row by row", 700, 400, 8, true, 256, false},
        {"8-bit strings across padded rows, row by row", 701, 400, 8, false, 7, true},
        {"1-bit row by row", 1100, 300, 1, false, 2, false},
        {"4-bit strings across rows, interlaced, row by row", 999, 300, 4, true, 5, true},
    };
    std::mt19937 random(7);
    for (const auto& c : cases) {
        Picture source(c.width, c.height, c.bits);
        for (int y = 0; y < c.height; ++y) {
            std::uint8_t* row = source.Rows().Row(y);
            for (int x = 0; x < c.width; ++x) {
                const int pixel = static_cast<int>(c.periodic ? (y * c.width + x) % c.colors
                                                              : random() % c.colors);
                if (c.bits == 8) {
                    row[x] = static_cast<std::uint8_t>(pixel);
                } else if (c.bits == 4) {
                    row[x / 2] |= static_cast<std::uint8_t>(pixel << (x % 2 ? 0 : 4));
                } else {
                    row[x / 8] |= static_cast<std::uint8_t>(pixel << (7 - x % 8));
                }
            }
        }
        Bytes data;
        EncodeGifLzw(source.ConstRows(), c.interlaced, data);
        Picture decoded(c.width, c.height, c.bits);
        EXPECT_FALSE(DecodeGifLzw(data, decoded.Rows(), c.interlaced, c.bits, false)) << c.name;
        EXPECT_EQ(decoded.pixels, source.pixels) << c.name;
        EXPECT_EQ(data.back(), 0) << c.name;
    }
}

TEST(GifLzwTest, OneBitPicturesUseCodeSizeTwo) {
    Picture picture(8, 1, 1);
    picture.pixels[0] = 0xA5;
    Bytes data;
    EncodeGifLzw(picture.ConstRows(), false, data);
    EXPECT_EQ(data[0], 2);
    // The first code is the clear code 4 at three bits.
    EXPECT_EQ(data[2] & 7, 4);
}

TEST(GifLzwTest, EncoderSubBlocksHoldAtMost255Bytes) {
    Picture picture(512, 64, 8);
    const Bytes data = EncodeNoise(picture, 3);
    std::size_t pos = 1;
    int blocks = 0;
    while (data[pos] != 0) {
        const bool last = data[pos + data[pos] + 1] == 0;
        if (!last) {
            EXPECT_EQ(data[pos], 255) << "only the last sub-block is short";
        }
        pos += data[pos] + 1;
        ++blocks;
    }
    EXPECT_EQ(pos, data.size() - 1);
    EXPECT_GT(blocks, 10);
}

TEST(GifLzwTest, HandMadeStreamsDecode) {
    const struct {
        const char* name;
        int codeSize;
        std::vector<std::pair<int, int>> codes;
        int width;
        int pixelBits;
        Bytes pixels;
        bool corrupt;
    } cases[] = {
        {"a code equal to the free code repeats the old string and its first pixel",
         2,
         {{4, 3}, {1, 3}, {6, 3}, {5, 3}},
         3,
         8,
         {1, 1, 1},
         false},
        {"no leading clear code", 2, {{1, 3}, {2, 3}, {6, 3}, {5, 3}}, 4, 8, {1, 2, 1, 2}, false},
        {"a code below the clear code is masked to the frame's bits",
         2,
         {{4, 3}, {3, 3}, {2, 3}, {5, 3}},
         2,
         1,
         {1, 0},
         false},
        {"a code above the free code ends the frame",
         2,
         {{4, 3}, {1, 3}, {7, 3}, {1, 3}, {5, 3}},
         3,
         8,
         {1, 0, 0},
         true},
        {"the end code before the last row", 2, {{4, 3}, {3, 3}, {5, 3}}, 3, 8, {3, 0, 0}, false},
        {"data end before the last row", 2, {{4, 3}, {3, 3}}, 3, 8, {3, 0, 0}, true},
        {"code size 1 is taken as 2: only the code after each clear is output",
         1,
         {{4, 3}, {1, 3}, {4, 3}, {2, 3}, {0, 3}, {1, 3}},
         4,
         8,
         {1, 2, 0, 0},
         true},
    };
    for (const auto& c : cases) {
        const Decoded result = DecodeRow(PackCodes(c.codeSize, c.codes), c.width, c.pixelBits);
        EXPECT_EQ(result.pixels, c.pixels) << c.name;
        EXPECT_EQ(result.corrupt, c.corrupt) << c.name;
    }
}

TEST(GifLzwTest, CorruptDataRaisesWithoutTheTolerantSwitch) {
    const struct {
        Bytes data;
        const char* message;
    } cases[] = {
        {PackCodes(2, {{4, 3}, {1, 3}, {7, 3}}), "GIF encoded data is corrupt"},
        {PackCodes(2, {{4, 3}}), "GIF encoded data is corrupt"},
        {PackCodes(12, {{4, 3}}), "GIF code size not in range 2 to 9"},
        {{}, "GIF encoded data is corrupt"},
    };
    for (const auto& c : cases) {
        Picture picture(4, 1, 8);
        try {
            DecodeGifLzw(c.data, picture.Rows(), false, 8, false);
            ADD_FAILURE() << c.message;
        } catch (const EInvalidGraphicOperation& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST(GifLzwTest, AFullDictionaryStaysAtTwelveBitsUntilAClear) {
    std::vector<std::pair<int, int>> codes{{4, 3}, {0, 3}};
    int width = 3;
    int free = 6;
    bool full = false;
    int pixels = 1;
    for (int i = 0; i < 4200; ++i) {
        codes.push_back({i % 2, width});
        ++pixels;
        if (!full && ++free == (1 << width)) {
            if (width < 12)
                ++width;
            else
                full = true;
        }
    }
    ASSERT_TRUE(full);
    EXPECT_EQ(width, 12);
    codes.push_back({4095, 12});
    codes.push_back({5, 12});
    const Decoded result = DecodeRow(PackCodes(2, codes), pixels + 2);
    EXPECT_FALSE(result.corrupt);
    ASSERT_EQ(static_cast<int>(result.pixels.size()), pixels + 2);
    EXPECT_EQ(result.pixels[pixels - 1], 1);
}

TEST(GifLzwTest, ProgressRunsFromStartToEnd) {
    Picture picture(64, 64, 8);
    Bytes data;
    std::vector<TProgressStage> stages;
    int lastPercent = -1;
    const TGifProgress progress = [&](TProgressStage stage, int percent, const QString&) {
        stages.push_back(stage);
        lastPercent = percent;
    };
    EncodeGifLzw(picture.ConstRows(), false, data, progress);
    ASSERT_GE(stages.size(), 3u);
    EXPECT_EQ(stages.front(), TProgressStage::psStarting);
    EXPECT_EQ(stages.back(), TProgressStage::psEnding);
    EXPECT_EQ(lastPercent, 100);

    // Decoding reports its progress as it takes in the data, a sub-block at a time.
    Picture noise(64, 64, 8);
    const Bytes noisy = EncodeNoise(noise, 5);
    std::vector<int> running;
    const TGifProgress decoding = [&](TProgressStage stage, int percent, const QString&) {
        stages.push_back(stage);
        lastPercent = percent;
        if (stage == TProgressStage::psRunning)
            running.push_back(percent);
    };
    stages.clear();
    Picture decoded(64, 64, 8);
    EXPECT_FALSE(DecodeGifLzw(noisy, decoded.Rows(), false, 8, false, decoding));
    EXPECT_EQ(stages.front(), TProgressStage::psStarting);
    EXPECT_EQ(stages.back(), TProgressStage::psEnding);
    EXPECT_EQ(lastPercent, 100);
    ASSERT_GE(running.size(), 10u);
    EXPECT_TRUE(std::is_sorted(running.begin(), running.end()));
    EXPECT_EQ(std::adjacent_find(running.begin(), running.end()), running.end());
    EXPECT_LT(running.front(), 10);
    EXPECT_GT(running.back(), 90);

    stages.clear();
    Bytes cut(data.begin(), data.begin() + 3);
    EXPECT_THROW(DecodeGifLzw(cut, picture.Rows(), false, 8, false, progress),
                 EInvalidGraphicOperation);
    EXPECT_EQ(stages.back(), TProgressStage::psEnding);
}

} // namespace
