#include "gif_test_pictures.h"
#include "pictures/gif/gif_image.h"
#include "platform/ui/graphic.h"

#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {

TEST(GifImageTest, GoodFilesDecodeLikeQtsReader) {
    const char* files[] = {"interlaced.gif",   "two_colors.gif", "frames_loop3.gif",
                           "loop_forever.gif", "commented.gif",  "transparent.gif"};
    for (const char* name : files) {
        const QByteArray bytes = Fixture(name);
        TWkGIFImage image;
        image.LoadFromBytes(bytes);
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer, "gif");
        EXPECT_EQ(image.Count(), reader.imageCount()) << name;
        const QImage reference = reader.read();
        ASSERT_FALSE(reference.isNull()) << name;
        const QImage ours = image.Frame(0).Bitmap().Image();
        EXPECT_FALSE(image.Corrupted()) << name;
        if (image.Frame(0).TransparentColor() == clNone)
            EXPECT_EQ(AsRgb(ours), AsRgb(reference)) << name;
        else
            EXPECT_EQ(ours.size(), reference.size()) << name;
    }
}

TEST(GifImageTest, FileSettingsAreRead) {
    TWkGIFImage image;
    image.LoadFromBytes(Fixture("frames_loop3.gif"));
    EXPECT_EQ(image.Count(), 3);
    EXPECT_TRUE(image.Looping());
    EXPECT_EQ(image.RepeatCount(), 2);
    EXPECT_FALSE(image.Frame(0).LocalColors());
    EXPECT_TRUE(image.Frame(1).LocalColors());
    EXPECT_EQ(image.Frame(1).AnimateInterval(), 70u);
    EXPECT_EQ(image.Frame(1).DisposalMethod(), dmRestoreBackground);
    EXPECT_EQ(image.Version(), gv89a);

    image.LoadFromBytes(Fixture("loop_forever.gif"));
    EXPECT_EQ(image.RepeatCount(), 0);
    EXPECT_EQ(image.Frame(2).DisposalMethod(), dmRestorePrevious);
    EXPECT_EQ(image.Frame(2).AnimateInterval(), 2500u);

    image.LoadFromBytes(Fixture("interlaced.gif"));
    EXPECT_TRUE(image.Frame(0).Interlaced());
    EXPECT_FALSE(image.Looping());
    EXPECT_EQ(image.RepeatCount(), 1);

    image.LoadFromBytes(Fixture("width_0.gif"));
    EXPECT_EQ(image.Frame(0).Width(), 24);
    EXPECT_FALSE(image.Corrupted());
}

TEST(GifImageTest, CommentsBeforeAFrameStayWithItAndTrailingOnesAreGlobal) {
    TWkGIFImage image;
    image.LoadFromBytes(Fixture("commented.gif"));
    QList<QByteArray> all = image.Comment();
    all += image.Frame(0).Comment();
    EXPECT_TRUE(all.contains("first comment") || all.contains("second comment"));

    image.LoadFromBytes(SmallGif({}).chopped(1) +
                        Bytes({'!', 0xFE, 2, 'h', 'i', 0, '!', 0xFE, 1, 'x', 0, ';'}));
    EXPECT_EQ(image.Comment(), QList<QByteArray>({"hi", "\r\n\r\n", "x"}));
}

TEST(GifImageTest, BrokenFilesFailOrMarkTheFrameCorrupt) {
    const struct {
        const char* name;
        const char* error; // empty: reads, with a corrupt frame when `corrupt`
        bool corrupt;
        int frames;
    } cases[] = {
        {"cut_at_block0.gif", "Stream read error", false, 0},
        {"cut_at_block1.gif", "Stream read error", false, 0},
        {"cut_at_block2.gif", "Stream read error", false, 0},
        {"cut_at_block3.gif", "Stream read error", false, 1},
        {"cut_at_block4.gif", "Stream read error", false, 1},
        {"subblock_past_end.gif", "", true, 1},
        {"unknown_extension.gif", "Unrecognized extension block: 99", false, 0},
        {"code_size_1.gif", "", true, 1},
        {"code_above_free.gif", "", true, 1},
    };
    for (const auto& c : cases) {
        TWkGIFImage image;
        try {
            image.LoadFromBytes(Fixture(c.name));
            EXPECT_STREQ(c.error, "") << c.name;
            EXPECT_EQ(image.Corrupted(), c.corrupt) << c.name;
        } catch (const EInvalidGraphicOperation& e) {
            EXPECT_EQ(e.Message(), c.error) << c.name;
        }
        EXPECT_EQ(image.Count(), c.frames) << c.name;
    }
}

TEST(GifImageTest, EveryCutOfAFileReadsOrFailsCleanly) {
    const QByteArray whole = Fixture("frames_loop3.gif");
    for (qsizetype length = 0; length < whole.size(); ++length) {
        TWkGIFImage image;
        try {
            image.LoadFromBytes(whole.left(length));
            image.DecodeAllFrames();
        } catch (const EInvalidGraphicOperation&) {
        }
        EXPECT_LE(image.Count(), 3);
    }
}

TEST(GifImageTest, WithoutTheTolerantSwitchCorruptDataRaise) {
    GifTolerantDecode = false;
    TWkGIFImage image;
    EXPECT_THROW(image.LoadFromBytes(Fixture("subblock_past_end.gif")), EInvalidGraphicOperation);
    EXPECT_THROW(image.LoadFromBytes(Fixture("code_above_free.gif")), EInvalidGraphicOperation);
    GifTolerantDecode = true;
}

TEST(GifImageTest, HeaderAndBlockRules) {
    TWkGIFImage image;
    try {
        image.LoadFromBytes(SmallGif({}, "88a"));
        ADD_FAILURE();
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_EQ(e.Message(), "Unknown GIF version");
    }
    image.LoadFromBytes(SmallGif(Bytes({'!', 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2',
                                        '.', '0', 3, 1, 0x40, 0x9C, 0})));
    EXPECT_TRUE(image.Looping());
    EXPECT_EQ(image.RepeatCount(), 30000);
    // A plain-text block discards the control block before it.
    image.LoadFromBytes(SmallGif(Bytes({'!', 0xF9, 4, 1, 10, 0, 1, 0, 0, 0, '!', 0x01, 12,
                                        0,   0,    0, 0, 0,  0, 0, 0, 0, 0, 0,   0,    0})));
    EXPECT_EQ(image.Frame(0).TransparentColor(), clNone);
    // Zero bytes between blocks are skipped; an unknown block after a frame ends reading.
    QByteArray gif = SmallGif(Bytes({0, 0, 0}));
    gif.chop(1);
    gif += QByteArray(5, '\0') + "junk";
    image.LoadFromBytes(gif);
    EXPECT_EQ(image.Count(), 1);
    image.SetFrameIndex(5);
    EXPECT_EQ(image.FrameIndex(), 0);
    image.SetFrameIndex(-7);
    EXPECT_EQ(image.FrameIndex(), -1);
}

TEST(GifImageTest, FramesLargerThanTheBoundAreRefusedBeforeDecoding) {
    QByteArray gif = SmallGif({});
    const int frame = gif.indexOf(',');
    gif[frame + 5] = char(0xFF);
    gif[frame + 6] = char(0xFF);
    gif[frame + 7] = char(0xFF);
    gif[frame + 8] = char(0xFF);
    TWkGIFImage image;
    try {
        image.LoadFromBytes(gif);
        ADD_FAILURE();
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_EQ(e.Message(), "GIF frame of 65535 x 65535 pixels is too large");
    }
    EXPECT_EQ(image.Count(), 0);
}

// `frames` frames of side x side pixels whose data end at once: a few bytes each, however large.
// With `tableBits` 8 and no data sub-blocks, six frames of 8192 x 8192 take 854 bytes.
QByteArray LargeFrames(int frames, int side, int tableBits = 1, bool withSubBlock = true) {
    QByteArray gif("GIF89a");
    gif += Bytes({side & 0xFF, side >> 8, side & 0xFF, side >> 8, 0x80 | (tableBits - 1), 0, 0});
    for (int i = 0; i < 1 << tableBits; ++i)
        gif += Bytes({i, i, i});
    const QByteArray data =
        withSubBlock ? Bytes({2, 1, 0x2C, 0}) : Bytes({tableBits == 1 ? 2 : tableBits, 0});
    for (int i = 0; i < frames; ++i)
        gif += Bytes({',', 0, 0, 0, 0, side & 0xFF, side >> 8, side & 0xFF, side >> 8, 0}) + data;
    return gif + ';';
}

TEST(GifImageTest, AllFramesTogetherStayWithinTheMemoryBound) {
    const QByteArray tiny = LargeFrames(6, 8192, 8, false);
    ASSERT_EQ(tiny.size(), 854);
    const struct {
        const char* name;
        QByteArray gif;
        bool refused;
        int kept;
    } cases[] = {
        {"two large frames fill the bound", LargeFrames(2, 8192), false, 2},
        {"six large frames in a few bytes each", LargeFrames(6, 8192), true, 2},
        {"six large frames in 854 bytes", tiny, true, 2},
        {"many small frames", LargeFrames(600, 512), true, 512},
        {"many tiny frames", LargeFrames(3000, 16), false, 3000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool decodeFirst : {false, true}) {
            TWkGIFImage image;
            try {
                image.LoadFromBytes(c.gif, decodeFirst);
                EXPECT_FALSE(c.refused) << c.gif.size() << " bytes";
            } catch (const EInvalidGraphicOperation& e) {
                EXPECT_TRUE(c.refused);
                EXPECT_EQ(e.Message(), QStringLiteral("GIF picture is too large: its frames hold "
                                                      "more than %1 pixels together")
                                           .arg(MaxGifPicturePixels));
            }
            ASSERT_EQ(image.Count(), c.kept);
            std::int64_t pixels = 0;
            for (int i = 0; i < image.Count(); ++i)
                pixels += std::int64_t{image.Frame(i).Width()} * image.Frame(i).Height();
            EXPECT_LE(pixels, MaxGifPicturePixels);
        }
    }
}

TEST(GifImageTest, AFrameBeyondTheScreenWidensIt) {
    QByteArray gif = SmallGif({});
    const int frame = gif.indexOf(',');
    gif[frame + 1] = 7; // left
    TWkGIFImage image;
    image.LoadFromBytes(gif);
    EXPECT_EQ(image.ScreenWidth(), 9);
}

TEST(GifImageTest, TransparentEntryIsMadeUnique) {
    // Both entries white; the transparent one (1) moves its blue byte down.
    QByteArray gif("GIF89a");
    gif += Bytes({2, 0, 1, 0, 0x80, 0, 0, 255, 255, 255, 255, 255, 255});
    gif += Bytes({'!', 0xF9, 4, 1, 0, 0, 1, 0});
    gif += Bytes({',', 0, 0, 0, 0, 2, 0, 1, 0, 0, 2, 2, 0x4C, 0x01, 0, ';'});
    TWkGIFImage image;
    image.LoadFromBytes(gif);
    EXPECT_EQ(image.TransparentColor(), TColor(0x00FEFFFF));
    EXPECT_TRUE(image.Transparent());
}

TEST(GifImageTest, SavedFilesKeepTheirFrameData) {
    const char* files[] = {"interlaced.gif", "frames_loop3.gif", "transparent.gif"};
    for (const char* name : files) {
        TWkGIFImage image;
        image.LoadFromBytes(Fixture(name));
        const QByteArray saved = image.SaveToBytes();
        TWkGIFImage again;
        again.LoadFromBytes(saved);
        ASSERT_EQ(again.Count(), image.Count()) << name;
        for (int i = 0; i < image.Count(); ++i) {
            EXPECT_EQ(again.Frame(i).Item()->FImageData, image.Frame(i).Item()->FImageData);
            EXPECT_EQ(again.Frame(i).TransparentColor(), image.Frame(i).TransparentColor());
            EXPECT_EQ(again.Frame(i).AnimateInterval(), image.Frame(i).AnimateInterval());
            EXPECT_EQ(again.Frame(i).Bitmap().Image(), image.Frame(i).Bitmap().Image()) << name;
        }
        EXPECT_EQ(again.Looping(), image.Looping());
        EXPECT_EQ(again.RepeatCount(), image.RepeatCount());
    }
}

TEST(GifImageTest, WrittenBitmapsReadBackInQt) {
    QImage rgb(30, 20, QImage::Format_RGB32);
    rgb.fill(Qt::white);
    for (int x = 0; x < 30; ++x)
        rgb.setPixel(x, x % 20, qRgb(200, 10, 10));
    TWkGIFImage image;
    image.AddFrame(rgb);
    image.AddFrame(rgb.mirrored(true, false));
    image.SetLooping(true);
    image.SetRepeatCount(2);
    image.Frame(1).SetAnimateInterval(20 * 60 * 1000 * 10); // past the file's 16-bit field
    image.SetComment({QByteArray(300, 'c')});
    const QByteArray saved = image.SaveToBytes();

    QBuffer buffer;
    buffer.setData(saved);
    QImageReader reader(&buffer, "gif");
    EXPECT_EQ(reader.imageCount(), 2);
    EXPECT_EQ(AsRgb(reader.read()), rgb);
    TWkGIFImage again;
    again.LoadFromBytes(saved);
    EXPECT_EQ(again.Count(), 2);
    EXPECT_EQ(again.RepeatCount(), 2);
    EXPECT_EQ(again.Frame(1).AnimateInterval(), 655350u);
    EXPECT_EQ(again.Comment().join(), QByteArray(300, 'c'));
}

TEST(GifImageTest, OneFrameIsWrittenWithoutALoopBlock) {
    QImage bitmap(4, 4, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    TWkGIFImage image;
    image.AddFrame(bitmap);
    image.SetLooping(true);
    EXPECT_FALSE(image.SaveToBytes().contains("NETSCAPE2.0"));
    TWkGIFImage empty;
    EXPECT_THROW(empty.SaveToBytes(), EInvalidGraphicOperation);
}

} // namespace
