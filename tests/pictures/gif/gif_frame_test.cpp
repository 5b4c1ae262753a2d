#include "gif_test_pictures.h"
#include "pictures/gif/gif_image.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/icon.h"
#include "platform/ui/jpeg_image.h"

#include <QBuffer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Yellow with a black square: unlike every frame of frames_loop3.gif.
QImage Replacement() {
    QImage image = Filled(20, 20, qRgb(255, 255, 0));
    for (int y = 5; y < 12; ++y)
        for (int x = 3; x < 9; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

// A 16 x 16 red icon whose left half is transparent.
void LoadHalfIcon(TIcon& icon) {
    QImage pixels(16, 16, QImage::Format_ARGB32);
    pixels.fill(qRgb(255, 0, 0));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x)
            pixels.setPixel(x, y, qRgba(0, 0, 0, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    ASSERT_TRUE(pixels.save(&buffer, "ICO"));
    buffer.seek(0);
    icon.LoadFromStream(buffer);
}

TEST(GifFrameTest, AReplacedBitmapIsWhatIsSaved) {
    const struct {
        const char* name;
        std::function<void(TBitmap&)> replace;
    } cases[] = {
        {"assigned",
         [](TBitmap& bitmap) {
             TBitmap other;
             other.SetImage(Replacement());
             bitmap.Assign(&other);
         }},
        {"given new pixels",
         [](TBitmap& bitmap) {
             bitmap.SetImage(Replacement());
         }},
        {"drawn on",
         [](TBitmap& bitmap) {
             TBitmapCanvas canvas(bitmap);
             canvas.Painter().drawImage(0, 0, Replacement());
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWkGIFImage image;
        image.LoadFromBytes(Fixture("frames_loop3.gif"));
        TWkGIFImage copy;
        copy.Assign(&image);
        const auto untouched = image.Frame(2).Item()->FImageData;
        c.replace(image.Frame(1).Bitmap());
        EXPECT_FALSE(image.Frame(1).HasData());
        // Drawing stays within the bitmap's colours; what it shows is what is saved.
        const QImage shown = AsRgb(image.Frame(1).Bitmap().Image());
        EXPECT_NE(shown.pixel(0, 0), qRgb(0, 255, 0));

        const QByteArray saved = image.SaveToBytes();
        const QList<QImage> qt = QtFrames(saved);
        ASSERT_EQ(qt.size(), 3);
        EXPECT_EQ(AsRgb(qt[1]), shown);
        TWkGIFImage again;
        again.LoadFromBytes(saved);
        EXPECT_EQ(AsRgb(again.Frame(1).Bitmap().Image()), shown);
        EXPECT_EQ(again.Frame(2).Item()->FImageData, untouched);
        EXPECT_EQ(again.Frame(1).AnimateInterval(), 70u);
        // A copy made before shares the old data and keeps showing the old picture.
        EXPECT_EQ(QtFrames(copy.SaveToBytes())[1].pixel(0, 0), qRgb(0, 255, 0));
    }
}

TEST(GifFrameTest, DecodingAndCopyingLeaveTheStoredDataAlone) {
    TWkGIFImage image;
    image.LoadFromBytes(Fixture("frames_loop3.gif"));
    const ChangeCounter changes(image);
    image.DecodeAllFrames();
    TWkGIFImage copy;
    copy.Assign(&image);
    TBitmap out;
    image.Frame(1).AssignTo(out);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(image.Frame(i).HasData()) << i;
        EXPECT_EQ(copy.Frame(i).Item(), image.Frame(i).Item()) << i;
    }
    EXPECT_EQ(changes.count, 0);
}

TEST(GifFrameTest, AssignFromGraphics) {
    TIcon icon;
    LoadHalfIcon(icon);
    TBitmap plain;
    plain.SetImage(Filled(8, 6, qRgb(0, 0, 255)));
    TBitmap autoTransparent;
    QImage greenCorner = Filled(8, 6, qRgb(0, 0, 255));
    greenCorner.setPixel(0, 5, qRgb(0, 255, 0));
    autoTransparent.SetImage(greenCorner);
    autoTransparent.SetTransparent(true);
    TBitmap fixedTransparent;
    fixedTransparent.SetImage(greenCorner);
    fixedTransparent.SetPixel(2, 2, clRed);
    fixedTransparent.SetTransparentColor(clRed);
    fixedTransparent.SetTransparent(true);
    TBitmap mono;
    mono.SetImage(Filled(8, 6, qRgb(255, 255, 255)));
    mono.SetMonochrome(true);
    TJPEGImage jpeg;
    jpeg.Assign(&plain);

    const struct {
        const char* name;
        const TGraphic* source;
        QSize size;
        TColor transparent;
        TPixelFormat format;
    } cases[] = {
        {"bitmap", &plain, {8, 6}, clNone, pfDevice},
        {"bitmap with its corner colour left out", &autoTransparent, {8, 6}, clLime, pfDevice},
        {"bitmap with a fixed transparent colour", &fixedTransparent, {8, 6}, clRed, pfDevice},
        {"monochrome bitmap", &mono, {8, 6}, clNone, pf1bit},
        {"JPEG", &jpeg, {8, 6}, clNone, pf24bit},
        {"icon drawn on fuchsia", &icon, {16, 16}, clFuchsia, pfDevice},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWkGIFImage image;
        image.AddFrame(nullptr);
        TWkGIFFrame& frame = image.Frame(0);
        frame.Assign(c.source);
        EXPECT_EQ(frame.Bitmap().Image().size(), c.size);
        EXPECT_EQ(frame.Bitmap().PixelFormat(), c.format);
        EXPECT_EQ(frame.TransparentColor(), c.transparent);
        EXPECT_EQ(image.ScreenWidth(), c.size.width());
        // What the frame leaves out is still left out after a save.
        TWkGIFImage again;
        again.LoadFromBytes(image.SaveToBytes());
        EXPECT_EQ(again.Frame(0).TransparentColor() != clNone, c.transparent != clNone);
    }
    TWkGIFImage image;
    image.AddFrame(&icon);
    const QImage& drawn = image.Frame(0).Bitmap().Image();
    EXPECT_EQ(drawn.pixel(0, 0), qRgb(255, 0, 255));
    EXPECT_EQ(drawn.pixel(8, 8), qRgb(255, 0, 0));
}

TEST(GifFrameTest, AssignFromFramesAndPictures) {
    TWkGIFImage source;
    source.LoadFromBytes(Fixture("frames_loop3.gif"));
    source.Frame(1).Comment() = {"note"};
    source.SetFrameIndex(1);
    TWkGIFImage target;
    target.LoadFromBytes(Fixture("two_colors.gif"));
    TWkGIFFrame& frame = target.Frame(0);

    frame.Assign(&source.Frame(2));
    EXPECT_EQ(frame.Item(), source.Frame(2).Item());
    EXPECT_TRUE(frame.LocalColors()); // another picture's global colours are not ours
    EXPECT_EQ(frame.DisposalMethod(), source.Frame(2).DisposalMethod());

    frame.Assign(static_cast<const TGraphic*>(&source)); // its current frame
    EXPECT_EQ(frame.Item(), source.Frame(1).Item());
    EXPECT_EQ(frame.Comment(), QList<QByteArray>{"note"});
    source.SetFrameIndex(-1);
    frame.Assign(static_cast<const TGraphic*>(&source)); // frame 0 when none is current
    EXPECT_EQ(frame.Item(), source.Frame(0).Item());

    TWkGIFImage empty;
    frame.Assign(static_cast<const TGraphic*>(&empty));
    EXPECT_FALSE(frame.HasData());
    EXPECT_FALSE(frame.HasBitmap());
    EXPECT_EQ(target.ScreenWidth(), 0);

    // Within one picture a frame keeps using the colours it used.
    TWkGIFImage same;
    same.LoadFromBytes(Fixture("frames_loop3.gif"));
    ASSERT_FALSE(same.Frame(0).LocalColors());
    same.Frame(1).Assign(&same.Frame(0));
    EXPECT_FALSE(same.Frame(1).LocalColors());
}

TEST(GifFrameTest, AssignToGraphics) {
    TWkGIFImage image;
    image.LoadFromBytes(Fixture("transparent.gif"));
    TWkGIFFrame& frame = image.Frame(0);
    const TColor transparent = frame.TransparentColor();
    ASSERT_NE(transparent, clNone);

    TBitmap bitmap;
    frame.AssignTo(bitmap);
    EXPECT_EQ(bitmap.Image(), frame.Bitmap().Image());
    EXPECT_TRUE(bitmap.Transparent());
    EXPECT_EQ(bitmap.TransparentColor(), transparent);

    TJPEGImage jpeg;
    frame.AssignTo(jpeg);
    EXPECT_EQ(jpeg.Width(), 12);

    TWkGIFImage gif;
    frame.AssignTo(gif);
    ASSERT_EQ(gif.Count(), 1);
    EXPECT_EQ(gif.Frame(0).Item(), frame.Item());

    TWkGIFImage other;
    other.LoadFromBytes(Fixture("two_colors.gif"));
    frame.AssignTo(other.Frame(0));
    EXPECT_EQ(other.Frame(0).Item(), frame.Item());
    EXPECT_EQ(other.ScreenWidth(), 12);
}

TEST(GifFrameTest, SettersTellTheOwner) {
    const struct {
        const char* name;
        std::function<void(TWkGIFFrame&)> set;
        TGIFVersion version;
    } cases[] = {
        {"interval", [](TWkGIFFrame& f) { f.SetAnimateInterval(30); }, gv89a},
        {"neutral interval", [](TWkGIFFrame& f) { f.SetAnimateInterval(0); }, gv87a},
        {"disposal", [](TWkGIFFrame& f) { f.SetDisposalMethod(dmLeave); }, gv89a},
        {"transparent colour", [](TWkGIFFrame& f) { f.SetTransparentColor(clRed); }, gv89a},
        {"no transparent colour", [](TWkGIFFrame& f) { f.SetTransparentColor(clNone); }, gv87a},
        {"origin",
         [](TWkGIFFrame& f) {
             f.SetOrigin({3, 4});
         },
         gv87a},
        {"bitmap", [](TWkGIFFrame& f) { f.Bitmap().SetPixel(0, 0, clRed); }, gv87a},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap bitmap;
        bitmap.SetImage(Filled(4, 4, qRgb(1, 2, 3)));
        TWkGIFImage image;
        image.AddFrame(&bitmap);
        ASSERT_EQ(image.Version(), gv87a);
        const ChangeCounter changes(image);
        c.set(image.Frame(0));
        EXPECT_EQ(changes.count, 1);
        EXPECT_EQ(image.Version(), c.version);
    }
    TBitmap bitmap(4, 4);
    TWkGIFImage image;
    image.AddFrame(&bitmap);
    image.Frame(0).SetOrigin({3, 4});
    EXPECT_EQ(image.ScreenWidth(), 7);
    EXPECT_EQ(image.ScreenHeight(), 8);
}

TEST(GifFrameTest, ColourCountComesFromTheTableElseTheBitmap) {
    TWkGIFImage image;
    image.LoadFromBytes(Fixture("interlaced.gif"));
    ASSERT_GT(image.GlobalColorCount(), 2);
    EXPECT_EQ(image.Frame(0).ColorCount(), image.GlobalColorCount());
    QImage indexed(4, 4, QImage::Format_Indexed8);
    indexed.setColorTable(QList<QRgb>(40, qRgb(9, 9, 9)));
    indexed.fill(0);
    image.Frame(0).Bitmap().SetImage(indexed);
    EXPECT_EQ(image.Frame(0).ColorCount(), 40);
    image.Frame(0).Bitmap().SetImage(Filled(4, 4, qRgb(1, 1, 1)));
    EXPECT_EQ(image.Frame(0).ColorCount(), 0);
}

} // namespace
