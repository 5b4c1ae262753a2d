#include "gif_test_pictures.h"
#include "pictures/gif/gif_image.h"
#include "pictures/gif/gif_registration.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/resource_stream.h"

#include <QMimeData>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<TWkGIFImage> Loaded(const char* name) {
    auto image = std::make_unique<TWkGIFImage>();
    image->LoadFromBytes(Fixture(name));
    return image;
}

TEST(GifPictureTest, PixelFormatIsTheDeepestOfItsColours) {
    const struct {
        const char* name;
        std::function<void(TWkGIFImage&)> make;
        TPixelFormat format;
    } cases[] = {
        {"empty", [](TWkGIFImage&) {}, pfDevice},
        {"two global colours", [](TWkGIFImage& i) { i.LoadFromBytes(Fixture("two_colors.gif")); },
         pf1bit},
        {"64 global colours", [](TWkGIFImage& i) { i.LoadFromBytes(Fixture("interlaced.gif")); },
         pf8bit},
        {"a local table deeper than the global one",
         [](TWkGIFImage& i) {
             i.LoadFromBytes(Fixture("two_colors.gif"));
             i.Frame(0).Assign(&Loaded("interlaced.gif")->Frame(0));
             ASSERT_TRUE(i.Frame(0).LocalColors());
         },
         pf8bit},
        {"a true-colour frame not yet written",
         [](TWkGIFImage& i) {
             i.LoadFromBytes(Fixture("two_colors.gif"));
             i.AddFrame(Filled(3, 3, qRgb(1, 2, 3)));
         },
         pfDevice},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWkGIFImage image;
        c.make(image);
        EXPECT_EQ(image.PixelFormat(), c.format);
    }
}

TEST(GifPictureTest, PaletteAndBitmapAreTheShownFrames) {
    const auto loaded = Loaded("frames_loop3.gif");
    TWkGIFImage& image = *loaded;
    image.SetFrameIndex(1);
    EXPECT_EQ(&image.Bitmap(), &image.Frame(1).Bitmap());
    EXPECT_EQ(image.Palette(), image.Frame(1).Bitmap().Palette());
    EXPECT_TRUE(image.Palette().contains(qRgb(0, 255, 0)));
    EXPECT_FALSE(image.Palette().contains(qRgb(255, 0, 0)));
    image.SetFrameIndex(-1);
    EXPECT_EQ(&image.Bitmap(), &image.Frame(0).Bitmap());

    TWkGIFImage empty;
    EXPECT_TRUE(empty.Palette().isEmpty());
    TBitmap& made = empty.Bitmap();
    EXPECT_EQ(empty.Count(), 1);
    EXPECT_EQ(&made, &empty.Frame(0).Bitmap());
}

TEST(GifPictureTest, EveryChangeIsAnnouncedOnce) {
    const struct {
        const char* name;
        std::function<void(TWkGIFImage&)> change;
        int notices;
    } cases[] = {
        {"frame index", [](TWkGIFImage& i) { i.SetFrameIndex(2); }, 1},
        {"same frame index", [](TWkGIFImage& i) { i.SetFrameIndex(0); }, 0},
        {"frame deleted", [](TWkGIFImage& i) { i.DeleteFrame(0); }, 1},
        {"no such frame to delete", [](TWkGIFImage& i) { i.DeleteFrame(3); }, 0},
        {"looping", [](TWkGIFImage& i) { i.SetLooping(false); }, 1},
        {"same looping", [](TWkGIFImage& i) { i.SetLooping(true); }, 0},
        {"background", [](TWkGIFImage& i) { i.SetBackgroundColor(0x123456); }, 1},
        {"same background", [](TWkGIFImage& i) { i.SetBackgroundColor(i.BackgroundColor()); }, 0},
        {"frame added", [](TWkGIFImage& i) { i.AddFrame(Filled(2, 2, 0)); }, 1},
        {"frame interval", [](TWkGIFImage& i) { i.Frame(1).SetAnimateInterval(5); }, 1},
        {"frame disposal", [](TWkGIFImage& i) { i.Frame(1).SetDisposalMethod(dmLeave); }, 1},
        {"frame transparency", [](TWkGIFImage& i) { i.Frame(1).SetTransparentColor(clNone); }, 1},
        {"frame assigned", [](TWkGIFImage& i) { i.Frame(1).Assign(&i.Frame(0)); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto loaded = Loaded("frames_loop3.gif");
        TWkGIFImage& image = *loaded;
        ASSERT_TRUE(image.Looping());
        const ChangeCounter changes(image);
        c.change(image);
        EXPECT_EQ(changes.count, c.notices);
    }
}

TEST(GifPictureTest, LoadingAnnouncesItsChangeWithTheFirstFrameCurrent) {
    const QByteArray whole = Fixture("frames_loop3.gif");
    const struct {
        const char* name;
        QByteArray bytes;
        int frames;
    } cases[] = {
        {"whole file", whole, 3},
        {"cut in the second frame's descriptor", whole.left(88), 1},
        {"nothing", QByteArray(), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWkGIFImage image;
        int notices = 0;
        image.OnChange = [&](TGraphic&) {
            ++notices;
            EXPECT_EQ(image.Count(), c.frames);
            EXPECT_EQ(image.FrameIndex(), c.frames > 0 ? 0 : -1);
        };
        try {
            image.LoadFromBytes(c.bytes);
        } catch (const EInvalidGraphicOperation&) {
        }
        EXPECT_EQ(notices, 1);
    }
}

TEST(GifPictureTest, AssignToAnotherPictureSharesItsData) {
    const auto loaded = Loaded("frames_loop3.gif");
    TWkGIFImage& source = *loaded;
    source.SetFrameIndex(2);
    const auto other = Loaded("two_colors.gif");
    TWkGIFImage& dest = *other;
    const ChangeCounter changes(dest);
    source.AssignTo(dest);
    EXPECT_TRUE(dest.Equals(source));
    EXPECT_EQ(changes.count, 1);
    ASSERT_EQ(dest.Count(), 3);
    EXPECT_EQ(dest.FrameIndex(), 2);
    EXPECT_EQ(dest.Looping(), source.Looping());
    EXPECT_EQ(dest.RepeatCount(), source.RepeatCount());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dest.Frame(i).Item(), source.Frame(i).Item()) << i;
    EXPECT_EQ(dest.SaveToBytes(), source.SaveToBytes());

    TBitmap bitmap;
    source.AssignTo(bitmap);
    EXPECT_EQ(bitmap.Image(), source.Frame(2).Bitmap().Image());
    TWkGIFImage empty;
    empty.AssignTo(bitmap);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(GifPictureTest, AssignFromAFrameMakesAPictureOfItWithItsOwnersColours) {
    const auto loaded = Loaded("frames_loop3.gif");
    TWkGIFImage& source = *loaded;
    TWkGIFImage image;
    image.Assign(&source.Frame(0));
    ASSERT_EQ(image.Count(), 1);
    EXPECT_FALSE(image.Equals(source));
    EXPECT_EQ(image.Frame(0).Item(), source.Frame(0).Item());
    EXPECT_EQ(image.GlobalColorCount(), source.GlobalColorCount());
    EXPECT_EQ(image.Version(), gv87a);
    EXPECT_EQ(image.FrameIndex(), 0);
    EXPECT_EQ(image.ScreenWidth(), source.Frame(0).Width());
    TWkGIFImage again;
    again.LoadFromBytes(image.SaveToBytes());
    EXPECT_EQ(again.Frame(0).Bitmap().Image(), source.Frame(0).Bitmap().Image());

    // One of the picture's own frames: it is copied before the picture lets go of it.
    const QImage shown = source.Frame(1).Bitmap().Image();
    source.Assign(&source.Frame(1));
    ASSERT_EQ(source.Count(), 1);
    EXPECT_EQ(source.Frame(0).Bitmap().Image(), shown);
}

TEST(GifPictureTest, AClipboardLoadShowsTheClipboardsBitmapInFrameZero) {
    const auto source = Loaded("frames_loop3.gif");
    QMimeData data;
    source->SaveToClipboardFormat(data);
    const QImage shown = Filled(source->Frame(0).Width(), source->Frame(0).Height(), qRgb(9, 8, 7));
    const QImage wrongSize = Filled(3, 3, qRgb(9, 8, 7));
    const struct {
        const char* name;
        QImage bitmap;
        bool fromClipboard;
    } cases[] = {
        {"bitmap of frame 0's size", shown, true},
        {"bitmap of another size", wrongSize, false},
        {"no bitmap", QImage(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        data.setImageData(c.bitmap);
        if (c.bitmap.isNull())
            data.removeFormat(ClipboardBitmapFormat);
        TWkGIFImage pasted;
        pasted.LoadFromClipboardFormat(data, WkGifClipboardFormat);
        ASSERT_EQ(pasted.Count(), 3);
        EXPECT_EQ(pasted.FrameIndex(), 0);
        const QImage frame0 = AsRgb(pasted.Frame(0).Bitmap().Image());
        EXPECT_EQ(frame0 == AsRgb(shown), c.fromClipboard);
        EXPECT_TRUE(pasted.Frame(0).HasData());
    }

    // Without the picture's own format the clipboard's bitmap becomes the one frame.
    QMimeData plain;
    plain.setImageData(shown);
    TWkGIFImage pasted;
    pasted.LoadFromClipboardFormat(plain, ClipboardBitmapFormat);
    ASSERT_EQ(pasted.Count(), 1);
    EXPECT_EQ(AsRgb(pasted.Frame(0).Bitmap().Image()), shown);
}

TEST(GifPictureTest, AnAbortedDecodeDropsTheFrameItStoppedAndThoseAfter) {
    const struct {
        const char* name;
        int abortAt; // the frame whose decoding the handler stops
        int kept;
    } cases[] = {
        {"first frame", 0, 0},
        {"middle frame", 1, 1},
        {"last frame", 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWkGIFImage image;
        image.LoadFromBytes(Fixture("frames_loop3.gif"), false);
        image.SetFrameIndex(2);
        int started = 0;
        image.OnProgress = [&](TProgressStage stage, int, const QString&) {
            if (stage == TProgressStage::psStarting && started++ == c.abortAt)
                throw EAbort();
        };
        const ChangeCounter changes(image);
        EXPECT_NO_THROW(image.DecodeAllFrames());
        EXPECT_EQ(image.Count(), c.kept);
        EXPECT_TRUE(image.Corrupted());
        EXPECT_EQ(image.FrameIndex(), c.kept - 1);
        EXPECT_EQ(changes.count, 1);
        for (int i = 0; i < image.Count(); ++i)
            EXPECT_TRUE(image.Frame(i).HasBitmap()) << i;
    }

    // Other errors pass on and leave every frame.
    GifTolerantDecode = false;
    TWkGIFImage image;
    image.LoadFromBytes(Fixture("frames_loop3.gif"), false);
    image.Frame(1).Item()->FImageData[0] = 12; // a code size out of range
    EXPECT_THROW(image.DecodeAllFrames(), EInvalidGraphicOperation);
    GifTolerantDecode = true;
    EXPECT_EQ(image.Count(), 3);
    EXPECT_FALSE(image.Corrupted());
}

TEST(GifPictureTest, PicturesLoadFromTheModulesResources) {
    TWkGIFImage image;
    image.LoadFromResourceName(QStringLiteral("gif_tests"), QStringLiteral("LAMP"),
                               QStringLiteral("GIF"));
    EXPECT_EQ(image.Count(), 3);
    image.LoadFromResourceID(QStringLiteral("gif_tests"), 101, QStringLiteral("GIF"));
    EXPECT_EQ(image.Count(), 1);
    EXPECT_TRUE(image.Frame(0).Interlaced());
    image.LoadFromResourceName(QString(), QStringLiteral("LAMP"), QStringLiteral("GIF"));
    EXPECT_EQ(image.Count(), 1);
    EXPECT_EQ(image.Frame(0).Width(), 12);

    const struct {
        const char* name;
        QString module;
        QString resource;
        QString type;
    } missing[] = {
        {"unknown name", "gif_tests", "NONE", "GIF"},
        {"name of another kind", "gif_tests", "LAMP", "ICON"},
        {"unknown module", "other", "LAMP", "GIF"},
        {"a name leaving the module", "gif_tests", "../GIF/LAMP", "GIF"},
        {"no name", "gif_tests", "", "GIF"},
    };
    for (const auto& c : missing) {
        SCOPED_TRACE(c.name);
        try {
            image.LoadFromResourceName(c.module, c.resource, c.type);
            ADD_FAILURE();
        } catch (const EResNotFound& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Resource %1 not found").arg(c.resource));
        }
    }
    EXPECT_THROW(image.LoadFromResourceID(QStringLiteral("gif_tests"), 102, QStringLiteral("GIF")),
                 EResNotFound);
}

} // namespace
