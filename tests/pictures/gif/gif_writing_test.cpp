#include "components/draw/bitmap_stream.h"
#include "gif_test_pictures.h"
#include "pictures/gif/gif_image.h"
#include "platform/ui/bitmap.h"

#include <QRandomGenerator>
#include <QScopedValueRollback>
#include <gtest/gtest.h>

namespace {

QRgb Gray(QRgb rgb) {
    const int gray = (qRed(rgb) * 77 + qGreen(rgb) * 150 + qBlue(rgb) * 29) >> 8;
    return qRgb(gray, gray, gray);
}

TColor ColorOf(QRgb rgb) {
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QImage GrayOf(const QImage& image) {
    QImage gray = AsRgb(image);
    for (int y = 0; y < gray.height(); ++y)
        for (int x = 0; x < gray.width(); ++x)
            gray.setPixel(x, y, Gray(gray.pixel(x, y)));
    return gray;
}

// Red on most pixels, then green, then one blue pixel.
QImage ThreeColours() {
    QImage image = Filled(6, 4, qRgb(255, 0, 0));
    for (int x = 0; x < 6; ++x)
        image.setPixel(x, 1, qRgb(0, 255, 0));
    image.setPixel(2, 3, qRgb(0, 0, 255));
    return image;
}

TGIFColorTable WrittenGlobalTable(const TWkGIFImage& image) {
    TWkGIFImage again;
    again.LoadFromBytes(image.SaveToBytes());
    return again.Frame(0).Item()->FColorMap;
}

TEST(GifWritingTest, TrueColourFramesAreReducedByTheColourMappingSetting) {
    const struct {
        const char* name;
        TWkColorMapping method;
        std::vector<QRgb> firstEntries;
        bool gray;
    } cases[] = {
        {"frequency quantiser",
         cmFrequencyQuantizer,
         {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(128, 128, 128)},
         false},
        {"truncation to 6 x 6 x 6",
         cmTruncate666,
         {qRgb(0, 0, 0), qRgb(0, 0, 51), qRgb(0, 0, 102), qRgb(0, 0, 153)},
         false},
        {"truncation to 7 x 8 x 4",
         cmTruncate784,
         {qRgb(0, 0, 0), qRgb(0, 0, 85), qRgb(0, 0, 170), qRgb(0, 0, 255)},
         false},
        {"grayscale",
         cmGrayscale,
         {qRgb(0, 0, 0), qRgb(1, 1, 1), qRgb(2, 2, 2), qRgb(3, 3, 3)},
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QScopedValueRollback mapping(ColorMapping, c.method);
        TWkGIFImage image;
        image.AddFrame(ThreeColours());
        const QByteArray saved = image.SaveToBytes();
        EXPECT_EQ(image.Frame(0).Grayscale(), c.gray);

        TWkGIFImage again;
        again.LoadFromBytes(saved);
        const TGIFColorTable& table = again.Frame(0).Item()->FColorMap;
        ASSERT_EQ(table.Count, 256);
        for (std::size_t i = 0; i < c.firstEntries.size(); ++i)
            EXPECT_EQ(table.ColorAt(static_cast<int>(i)), ColorOf(c.firstEntries[i]))
                << "entry " << i;
        // Every method keeps pure red, green and blue (or their grays) as they are.
        const QImage expected = c.gray ? GrayOf(ThreeColours()) : ThreeColours();
        EXPECT_EQ(AsRgb(QtFrames(saved).value(0)), expected);
    }
}

TEST(GifWritingTest, AGrayFrameIsReducedToGrayWhateverTheSetting) {
    TWkGIFImage image;
    image.LoadFromBytes(Fixture("two_colors.gif"));
    image.Grayscale(false);
    ASSERT_TRUE(image.Frame(0).Grayscale());
    image.Frame(0).Bitmap().SetImage(ThreeColours());
    const QScopedValueRollback mapping(ColorMapping, cmTruncate666);
    EXPECT_EQ(AsRgb(QtFrames(image.SaveToBytes()).value(0)), GrayOf(ThreeColours()));
}

TEST(GifWritingTest, GrayscaleTurnsStoredFramesGrayThroughTheirTables) {
    TWkGIFImage image;
    image.LoadFromBytes(Fixture("frames_loop3.gif"));
    image.SetBackgroundColor(clRed);
    image.Frame(2).SetTransparentColor(clBlue); // the third frame's colour
    const auto firstData = image.Frame(0).Item()->FImageData;
    const auto shared = image.Frame(1).Item();
    const TColor sharedEntry = shared->FColorMap.ColorAt(0);
    const ChangeCounter changes(image);

    image.Grayscale(false);
    EXPECT_EQ(changes.count, 1);
    const struct {
        int frame;
        QRgb colour;
    } frames[] = {{0, qRgb(255, 0, 0)}, {1, qRgb(0, 255, 0)}, {2, qRgb(0, 0, 255)}};
    for (const auto& f : frames) {
        SCOPED_TRACE(f.frame);
        TWkGIFFrame& frame = image.Frame(f.frame);
        EXPECT_TRUE(frame.Grayscale());
        EXPECT_TRUE(frame.HasData());
        EXPECT_EQ(AsRgb(frame.Bitmap().Image()).pixel(5, 5), Gray(f.colour));
    }
    // Only the colours change: the pixel data are written as they were read.
    EXPECT_EQ(image.Frame(0).Item()->FImageData, firstData);
    EXPECT_EQ(image.Frame(2).TransparentColor(), ColorOf(Gray(qRgb(0, 0, 255))));
    EXPECT_EQ(image.BackgroundColor(), ColorOf(Gray(qRgb(255, 0, 0))));
    // A frame item another picture may share keeps its colours.
    EXPECT_EQ(shared->FColorMap.ColorAt(0), sharedEntry);

    const QList<QImage> qt = QtFrames(image.SaveToBytes());
    ASSERT_EQ(qt.size(), 3);
    EXPECT_EQ(AsRgb(qt[0]).pixel(0, 0), Gray(qRgb(255, 0, 0)));
    EXPECT_EQ(AsRgb(qt[1]).pixel(0, 0), Gray(qRgb(0, 255, 0)));
}

TEST(GifWritingTest, GrayscaleReducesBitmapFramesAndEncodesThemWhenForced) {
    for (const bool force : {false, true}) {
        SCOPED_TRACE(force ? "forced" : "not forced");
        TWkGIFImage image;
        image.AddFrame(ThreeColours());
        image.Frame(0).SetTransparentColor(clLime);
        image.Grayscale(force);
        TWkGIFFrame& frame = image.Frame(0);
        EXPECT_TRUE(frame.Grayscale());
        EXPECT_EQ(frame.HasData(), force);
        EXPECT_EQ(frame.Bitmap().PixelFormat(), pf8bit);
        EXPECT_EQ(AsRgb(frame.Bitmap().Image()), GrayOf(ThreeColours()));
        EXPECT_EQ(frame.TransparentColor(), ColorOf(Gray(qRgb(0, 255, 0))));
        const TGIFColorTable table = WrittenGlobalTable(image);
        EXPECT_EQ(table.ColorAt(200), RGB(200, 200, 200));
    }

    TWkGIFImage empty;
    try {
        empty.Grayscale(true);
        ADD_FAILURE();
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_EQ(e.Message(), "No GIF Data to write");
    }
}

// What a frame's LZW data show of the coder's work: the widest code and, at each clear code
// after the first, the highest dictionary entry defined by then.
struct LzwCodeWalk {
    int widest = 0;
    int highestCode = 0;
    std::vector<int> entriesAtClear;
    bool endCodeSeen = false;
};

LzwCodeWalk WalkCodes(const std::vector<std::uint8_t>& data) {
    const int minimum = data.at(0);
    std::vector<std::uint8_t> bytes;
    for (std::size_t at = 1; at < data.size() && data[at] != 0; at += data[at] + 1)
        bytes.insert(bytes.end(), data.begin() + at + 1, data.begin() + at + 1 + data[at]);
    const int clear = 1 << minimum;
    LzwCodeWalk walk;
    int width = minimum + 1;
    int next = clear + 2;
    bool first = true;
    for (std::size_t bit = 0; bit + width <= bytes.size() * 8;) {
        int code = 0;
        for (int i = 0; i < width; ++i, ++bit)
            code |= (bytes[bit / 8] >> (bit % 8) & 1) << i;
        walk.widest = std::max(walk.widest, width);
        if (code == clear) {
            if (!first || bit > std::size_t(width))
                walk.entriesAtClear.push_back(next - 1);
            width = minimum + 1;
            next = clear + 2;
            first = true;
            continue;
        }
        if (code == clear + 1) {
            walk.endCodeSeen = true;
            break;
        }
        walk.highestCode = std::max(walk.highestCode, code);
        if (!first && next < 4096 && ++next == 1 << width && width < 12)
            ++width;
        first = false;
    }
    return walk;
}

TEST(GifWritingTest, ANoisyPictureFillsTheDictionaryAndQtReadsItBack) {
    QImage noisy(160, 120, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int i = 0; i < 256; ++i)
        colours.append(qRgb(i, 255 - i, i * 7 & 0xFF));
    noisy.setColorTable(colours);
    QRandomGenerator random(27);
    for (int y = 0; y < noisy.height(); ++y)
        for (int x = 0; x < noisy.width(); ++x)
            noisy.setPixel(x, y, random.bounded(256));
    TBitmap bitmap;
    bitmap.SetImage(noisy);
    ASSERT_EQ(bitmap.PixelFormat(), pf8bit);
    TWkGIFImage image;
    image.AddFrame(&bitmap);
    const QByteArray saved = image.SaveToBytes();

    TWkGIFImage again;
    again.LoadFromBytes(saved);
    const LzwCodeWalk walk = WalkCodes(again.Frame(0).Item()->FImageData);
    EXPECT_EQ(walk.widest, 12);
    EXPECT_LE(walk.highestCode, 4094);
    EXPECT_TRUE(walk.endCodeSeen);
    // 19200 pixels of noise take several dictionaries, each cleared once code 4094 is made.
    ASSERT_GE(walk.entriesAtClear.size(), 3u);
    for (int entries : walk.entriesAtClear)
        EXPECT_EQ(entries, 4094);

    const QList<QImage> qt = QtFrames(saved);
    ASSERT_EQ(qt.size(), 1);
    EXPECT_EQ(AsRgb(qt[0]), AsRgb(noisy));
    EXPECT_EQ(again.Frame(0).Bitmap().Image().convertToFormat(QImage::Format_RGB32), AsRgb(noisy));
}

} // namespace
