#include "ani_fixtures.h"
#include "pictures/ani/ani_image.h"
#include "pictures/gif/gif_image.h"

#include <gtest/gtest.h>

namespace {

TEST(AniBitmapTest, OneCellPerStepInARowOrAColumn) {
    TWkAni ani;
    Load(ani, Fixture("plain.ani"));
    ani.SetIndex(1);
    const struct {
        bool vertical;
        QSize size;
        QPoint cell[3];
    } cases[] = {{false, {48, 16}, {{8, 8}, {24, 8}, {40, 8}}},
                 {true, {16, 48}, {{8, 8}, {8, 24}, {8, 40}}}};
    for (const auto& c : cases) {
        TBitmap bitmap;
        ani.AssignToBitmap(bitmap, clWhite, true, c.vertical);
        EXPECT_EQ(bitmap.Image().size(), c.size);
        EXPECT_EQ(bitmap.PixelFormat(), pf4bit);
        const QColor expected[] = {Qt::red, Qt::green, Qt::blue};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(bitmap.Image().pixelColor(c.cell[i]), expected[i]) << c.vertical << i;
    }
    EXPECT_EQ(ani.Index(), 1);

    TBitmap assigned;
    ani.AssignTo(assigned);
    EXPECT_EQ(assigned.Image().size(), QSize(48, 16));
}

TEST(AniBitmapTest, IconCellsPastTheStepsRepeatTheLastStep) {
    TWkAni ani;
    Load(ani, Fixture("seq_out_of_range.ani"));
    TBitmap bitmap;
    ani.AssignIconsToBitmap(bitmap, clWhite, false, false);
    ASSERT_EQ(bitmap.Image().size(), QSize(48, 16));
    EXPECT_EQ(bitmap.Image().pixelColor(8, 8), QColor(Qt::red));
    // Step 1 names no icon, and cell 2 shows step 1 again.
    EXPECT_EQ(bitmap.Image().pixelColor(24, 8), QColor(Qt::white));
    EXPECT_EQ(bitmap.Image().pixelColor(40, 8), QColor(Qt::white));
}

TEST(AniBitmapTest, ASequenceTooLongForOneBitmapIsRefused) {
    QByteArray sequence;
    for (int i = 0; i < 3000; ++i)
        sequence += U32s({0});
    TWkAni ani;
    Load(ani, Riff(Anih(1, 6) + Chunk("seq ", sequence) + FrameList({RedCursor()})));
    ASSERT_EQ(ani.FrameCount(), 3000);
    TBitmap bitmap;
    EXPECT_THROW(ani.AssignToBitmap(bitmap, clWhite, false, false), EInvalidGraphicOperation);
    EXPECT_THROW(ani.AssignToBitmap(bitmap, clWhite, false, true), EInvalidGraphicOperation);
    EXPECT_EQ(ani.FrameCount(), 3000);
}

TEST(AniToGifTest, EachStepBecomesAFrameWithItsRate) {
    TWkAni ani;
    Load(ani, Fixture("sequenced.ani"));
    TWkGIFImage gif;
    gif.Assign(&ani);
    ASSERT_EQ(gif.Count(), 4);
    EXPECT_EQ(gif.BackgroundColor(), clWindow);
    const struct {
        QSize size;
        QColor color;
        std::uint32_t interval;
    } frames[] = {{{32, 32}, Qt::blue, 100},
                  {{16, 16}, Qt::red, 100},
                  {{16, 16}, Qt::green, 16},
                  {{16, 16}, Qt::red, 200}};
    for (int i = 0; i < 4; ++i) {
        TWkGIFFrame& frame = gif.Frame(i);
        EXPECT_EQ(frame.Bitmap().Image().size(), frames[i].size) << i;
        EXPECT_EQ(frame.Bitmap().Image().pixelColor(8, 8), frames[i].color) << i;
        EXPECT_EQ(frame.AnimateInterval(), frames[i].interval) << i;
        EXPECT_EQ(frame.TransparentColor(), clFuchsia) << i;
    }
    TWkGIFImage saved;
    const QByteArray bytes = gif.SaveToBytes();
    saved.LoadFromBytes(bytes);
    EXPECT_EQ(saved.Count(), 4);
    EXPECT_EQ(saved.Frame(2).AnimateInterval(), 10u);
}

TEST(AniToGifTest, AStepWithoutIconGivesAnEmptyFrame) {
    TWkAni ani;
    Load(ani, Fixture("seq_out_of_range.ani"));
    TWkGIFImage gif;
    gif.Assign(&ani);
    ASSERT_EQ(gif.Count(), 2);
    EXPECT_FALSE(gif.Frame(0).Bitmap().Empty());
    EXPECT_TRUE(gif.Frame(1).Bitmap().Empty());
    EXPECT_EQ(gif.Frame(1).TransparentColor(), clNone);
}

} // namespace
