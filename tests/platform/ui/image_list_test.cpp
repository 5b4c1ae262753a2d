#include "platform/ui/image_list.h"

#include <gtest/gtest.h>

namespace {

// Two 4 x 4 cells side by side: a red cell and a blue one, each with a lime top-left pixel.
QImage strip() {
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    image.setPixel(0, 0, qRgb(0, 255, 0));
    image.setPixel(4, 0, qRgb(0, 255, 0));
    return image;
}

struct StripBitmap {
    StripBitmap() { bitmap.SetImage(strip()); }
    TBitmap bitmap;
};

} // namespace

TEST(ImageList, AddMaskedCutsCellsAndMasksTheColour) {
    TImageList list(4, 4);
    EXPECT_EQ(list.AddMasked(StripBitmap().bitmap, clLime), 0);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(qAlpha(list.Image(0).pixel(0, 0)), 0);
    EXPECT_EQ(list.Image(1).pixel(1, 1), qRgb(0, 0, 255));
    const QImage mask = list.Mask(1);
    EXPECT_EQ(mask.pixel(0, 0) & RGB_MASK, 0xFFFFFFu);
    EXPECT_EQ(mask.pixel(1, 1) & RGB_MASK, 0x000000u);
    EXPECT_TRUE(list.Image(2).isNull());
    EXPECT_TRUE(list.Mask(-1).isNull());
    EXPECT_EQ(list.AddMasked(TBitmap(), clLime), -1);
}

TEST(ImageList, AddWithMaskBitmap) {
    TBitmap mask(8, 4);
    mask.SetPixelFormat(pf1bit);
    {
        TBitmapCanvas canvas(mask);
        canvas.Brush.Color = clBlack;
        canvas.FillRect(Rect(0, 0, 8, 4));
    }
    mask.SetPixel(7, 3, clWhite);
    TImageList list(4, 4);
    list.Add(StripBitmap().bitmap, &mask);
    EXPECT_EQ(qAlpha(list.Image(1).pixel(3, 3)), 0);
    EXPECT_EQ(list.Image(0).pixel(0, 0), qRgb(0, 255, 0));
}

TEST(ImageList, DrawsOnlyTheCellWithItsMask) {
    TImageList list(4, 4);
    list.AddMasked(StripBitmap().bitmap, clLime);
    QImage target(6, 6, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        TCanvas canvas(&target);
        list.Draw(canvas, 1, 1, 0);
        list.Draw(canvas, 0, 0, 5);
    }
    EXPECT_EQ(target.pixel(1, 1) & RGB_MASK, 0xFFFFFFu);
    EXPECT_EQ(target.pixel(2, 2) & RGB_MASK, 0xFF0000u);
    EXPECT_EQ(target.pixel(5, 5) & RGB_MASK, 0xFFFFFFu);
}

TEST(ImageList, ChangeLinksHearChangesUntilTheyGo) {
    TImageList list(4, 4);
    int heard = 0;
    {
        TChangeLink link;
        link.OnChange = [&](TImageList&) {
            ++heard;
        };
        list.RegisterChanges(link);
        list.AddMasked(StripBitmap().bitmap, clLime);
        list.Delete(0);
        list.Delete(7);
        EXPECT_EQ(heard, 2);
        EXPECT_EQ(link.Sender(), &list);
    }
    list.Clear();
    EXPECT_EQ(heard, 2);

    TChangeLink outlives;
    {
        TImageList shortLived;
        shortLived.RegisterChanges(outlives);
    }
    EXPECT_EQ(outlives.Sender(), nullptr);
}
