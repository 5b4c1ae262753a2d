#include "pictures/gif/gif_image.h"
#include "pictures/status/status_pictures.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusPicturesTest, TheLampsHaveTheFormTheWindowExpects) {
    for (const QByteArray& gif : {RedLampGif(), GreenLampGif()}) {
        ASSERT_FALSE(gif.isEmpty());
        EXPECT_TRUE(gif.startsWith("GIF89a"));
        TWkGIFImage image;
        image.LoadFromBytes(gif);
        ASSERT_EQ(image.Count(), 1);
        TWkGIFFrame& frame = image.Frame(0);
        EXPECT_EQ(image.Version(), gv89a);
        EXPECT_EQ(image.Width(), 113);
        EXPECT_EQ(image.Height(), 113);
        EXPECT_EQ(image.GlobalColorCount(), 256);
        EXPECT_FALSE(image.Looping());
        EXPECT_EQ(image.RepeatCount(), 1);
        EXPECT_EQ(frame.AnimateInterval(), 0u);
        EXPECT_EQ(frame.DisposalMethod(), dmUndefined);
        EXPECT_FALSE(frame.Interlaced());
        EXPECT_FALSE(image.Corrupted());
        EXPECT_EQ(frame.Item()->FImageData.front(), 8);
        EXPECT_EQ(frame.Bitmap().Image().format(), QImage::Format_Indexed8);
        EXPECT_TRUE(image.Transparent());
        EXPECT_EQ(image.TransparentColor(), clWhite);
        // The corners are background, the middle is lamp.
        EXPECT_EQ(frame.Bitmap().Image().pixelIndex(0, 0), 255);
        EXPECT_NE(frame.Bitmap().Image().pixelIndex(56, 56), 255);
    }
}

} // namespace
