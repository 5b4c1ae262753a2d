#include "components/base/exception.h"
#include "components/draw/bitmap_stream.h"
#include "platform/ui/bmp_codec.h"

#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// 6 x 2 pixels: three reds, two greens, one blue on the top row; the bottom row the same.
QImage threeColors() {
    QImage image(6, 2, QImage::Format_RGB32);
    const QRgb row[] = {qRgb(255, 0, 0), qRgb(255, 0, 0), qRgb(255, 0, 0),
                        qRgb(0, 255, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x)
            image.setPixel(x, y, row[x]);
    return image;
}

struct Bmp {
    QByteArray bytes;
    int bitCount() const { return qFromLittleEndian<quint16>(bytes.constData() + 28); }
    int colorsUsed() const { return qFromLittleEndian<qint32>(bytes.constData() + 46); }
    QRgb tableEntry(int i) const {
        const auto* p = reinterpret_cast<const uchar*>(bytes.constData()) + 54 + i * 4;
        return qRgb(p[2], p[1], p[0]);
    }
    QImage read() const { return QImage::fromData(bytes, "BMP"); }
};

Bmp streamOf(const TBitmap& bitmap, TPixelFormat format, TWkColorMapping method) {
    auto stream = BitmapToMemoryStream(bitmap, format, method);
    EXPECT_EQ(stream->pos(), 0);
    return Bmp{stream->readAll()};
}

} // namespace

TEST(ColorReduction, TruncationLevelsPickTheNearestLowerOnTies) {
    const struct {
        int levels, value, expected;
    } cases[] = {
        {4, 0, 0},  {4, 42, 0}, {4, 43, 1}, {4, 255, 3}, {6, 25, 0},  {6, 26, 1},
        {7, 64, 1}, {7, 65, 2}, {8, 18, 0}, {8, 19, 1},  {8, 128, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TruncationLevel(c.levels, c.value), c.expected) << c.levels << " " << c.value;
}

TEST(BitmapStream, FrequencyQuantiserPutsTheMostFrequentColoursFirst) {
    TBitmap bitmap;
    bitmap.SetImage(threeColors(), pf24bit);
    const Bmp bmp = streamOf(bitmap, pf8bit, cmFrequencyQuantizer);
    EXPECT_EQ(bmp.bitCount(), 8);
    EXPECT_EQ(bmp.tableEntry(0), qRgb(255, 0, 0));
    EXPECT_EQ(bmp.tableEntry(1), qRgb(0, 255, 0));
    EXPECT_EQ(bmp.tableEntry(2), qRgb(0, 0, 255));
    for (int i = 3; i < 256; ++i)
        ASSERT_EQ(bmp.tableEntry(i), qRgb(128, 128, 128)) << i;
    const QImage read = bmp.read();
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(read.pixel(4, 0), qRgb(0, 255, 0));
    EXPECT_EQ(read.pixel(5, 1), qRgb(0, 0, 255));
}

TEST(BitmapStream, FrequencyQuantiserCoarsensBlueFirstWhenTheTableOverflows) {
    // 4096 distinct colours in one 16-level cube: clearing blue's low bit leaves 2048, which fit.
    QImage cube(64, 64, QImage::Format_RGB32);
    for (int i = 0; i < 4096; ++i)
        cube.setPixel(i % 64, i / 64, qRgb(0x80 | (i & 15), 0x40 | (i >> 4 & 15), 0xC0 | (i >> 8)));
    TBitmap bitmap;
    bitmap.SetImage(cube, pf24bit);
    const Bmp bmp = streamOf(bitmap, pf8bit, cmFrequencyQuantizer);
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(qBlue(bmp.tableEntry(i)) & 1, 0) << i;
        ASSERT_EQ(qRed(bmp.tableEntry(i)) & 0xF0, 0x80) << i;
    }
    const QImage read = bmp.read();
    ASSERT_FALSE(read.isNull());
    for (int i = 0; i < 4096; i += 37) {
        const QRgb want = cube.pixel(i % 64, i / 64);
        const QRgb got = read.pixel(i % 64, i / 64);
        EXPECT_LE(std::abs(qRed(want) - qRed(got)), 15) << i;
        EXPECT_LE(std::abs(qGreen(want) - qGreen(got)), 15) << i;
        EXPECT_LE(std::abs(qBlue(want) - qBlue(got)), 15) << i;
    }
}

TEST(BitmapStream, EightBitMethods) {
    TBitmap bitmap;
    bitmap.SetImage(threeColors(), pf24bit);
    const struct {
        const char* name;
        TWkColorMapping method;
        QRgb redPixel;  // what (0, 0) reads back as
        QRgb bluePixel; // what (5, 0) reads back as
        QRgb entry250;
        int colorsUsed;
    } cases[] = {
        {"median cut", cmMedianCut, qRgb(255, 15, 15), qRgb(15, 15, 255), qRgb(0, 0, 0), 3},
        {"7-8-4", cmTruncate784, qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(128, 128, 128), 0},
        {"6-6-6", cmTruncate666, qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(128, 128, 128), 0},
        {"grayscale", cmGrayscale, qRgb(76, 76, 76), qRgb(28, 28, 28), qRgb(250, 250, 250), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bmp bmp = streamOf(bitmap, pf8bit, c.method);
        EXPECT_EQ(bmp.colorsUsed(), c.colorsUsed);
        EXPECT_EQ(bmp.tableEntry(250), c.entry250);
        const QImage read = bmp.read();
        ASSERT_FALSE(read.isNull());
        EXPECT_EQ(read.pixel(0, 0), c.redPixel);
        EXPECT_EQ(read.pixel(5, 0), c.bluePixel);
    }
}

TEST(BitmapStream, ChannelTripelSplitsPixelsByDiagonal) {
    QImage gray(3, 1, QImage::Format_RGB32);
    gray.fill(qRgb(200, 100, 40));
    TBitmap bitmap;
    bitmap.SetImage(gray, pf24bit);
    const QImage read = streamOf(bitmap, pf8bit, cmChannelTripel).read();
    EXPECT_EQ(read.pixel(0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(read.pixel(1, 0), qRgb(0, 100, 0));
    EXPECT_EQ(read.pixel(2, 0), qRgb(0, 0, 40));
}

TEST(BitmapStream, OwnFormatIsSavedUnchangedUnlessGray) {
    QImage indexed(4, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(200, 0, 0), qRgb(0, 0, 200)});
    indexed.fill(0);
    indexed.setPixel(3, 1, 1);
    TBitmap bitmap;
    bitmap.SetImage(indexed, pf4bit);
    EXPECT_EQ(streamOf(bitmap, pf4bit, cmMedianCut).bytes, EncodeBmp(indexed, 4));

    const Bmp gray = streamOf(bitmap, pf8bit, cmGrayscale);
    EXPECT_EQ(gray.bitCount(), 8);
    EXPECT_EQ(gray.read().pixel(0, 0), qRgb(60, 60, 60)); // 200 * 77 >> 8
    EXPECT_EQ(gray.read().pixel(3, 1), qRgb(22, 22, 22)); // 200 * 29 >> 8
}

TEST(BitmapStream, LowerDepthsQtReadsBack) {
    // The three colours among 40 palette entries: more than 4 bits hold.
    QList<QRgb> forty = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    for (int i = 3; i < 40; ++i)
        forty.append(qRgb(i, i, i));
    const QImage indexed = threeColors().convertToFormat(QImage::Format_Indexed8, forty);
    const struct {
        const char* name;
        QImage pixels;
        TPixelFormat own;
    } sources[] = {{"true colour", threeColors(), pfDevice}, {"40 colours", indexed, pf8bit}};
    const struct {
        TPixelFormat format;
        int bitCount;
        QRgb blue;
    } cases[] = {
        {pf1bit, 1, qRgb(0, 0, 0)}, {pf4bit, 4, qRgb(0, 0, 255)}, {pf24bit, 24, qRgb(0, 0, 255)}};
    for (const auto& source : sources) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(source.name) + " at " + std::to_string(c.bitCount));
            TBitmap bitmap;
            bitmap.SetImage(source.pixels, source.own);
            const Bmp bmp = streamOf(bitmap, c.format, cmFrequencyQuantizer);
            ASSERT_FALSE(bmp.bytes.isEmpty());
            EXPECT_EQ(bmp.bitCount(), c.bitCount);
            EXPECT_EQ(bmp.read().pixel(5, 1), c.blue);
        }
    }
}

TEST(BitmapStream, ColourCountChoosesTheDepth) {
    TBitmap bitmap;
    bitmap.SetImage(threeColors(), pfDevice);
    const struct {
        int count, bitCount;
    } cases[] = {{0, 1}, {2, 1}, {3, 4}, {16, 4}, {17, 8}, {256, 8}, {257, 24}};
    for (const auto& c : cases)
        EXPECT_EQ(Bmp{BitmapToMemoryStreamForColorCount(bitmap, c.count)->readAll()}.bitCount(),
                  c.bitCount)
            << c.count;
    EXPECT_EQ(ColorsOfPixelFormat(pf4bit), 16);
    EXPECT_EQ(ColorsOfPixelFormat(pf24bit), 0);
}

TEST(BitmapStream, Errors) {
    TBitmap none;
    try {
        BitmapToMemoryStream(none, pf8bit, cmFrequencyQuantizer);
        FAIL() << "no error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Bitmap image is not valid");
    }
    TBitmap bitmap(2, 2);
    try {
        BitmapToMemoryStream(bitmap, pf16bit, cmFrequencyQuantizer);
        FAIL() << "no error";
    } catch (const EWkException& e) {
        EXPECT_EQ(e.Message(), "BitmapToMemoryStream: pixel format not implemented");
    }
}
