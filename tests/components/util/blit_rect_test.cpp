#include "components/util/blit_rect.h"

#include <QPicture>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

QImage filled(int w, int h, QRgb color) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A 4 x 1 source: red, green, blue, white.
QImage stripe() {
    QImage image(4, 1, QImage::Format_RGB32);
    const QRgb colors[] = {kRed, kGreen, kBlue, kWhite};
    for (int x = 0; x < 4; ++x)
        image.setPixel(x, 0, colors[x]);
    return image;
}

struct RopCase {
    const char* name;
    DWORD rop;
    QRgb destination;
    QRgb expected; // of the red source pixel
};

class BlitRectRop : public ::testing::TestWithParam<RopCase> {};

TEST_P(BlitRectRop, CombinesSourceAndDestination) {
    const RopCase& c = GetParam();
    QImage source = stripe();
    QImage target = filled(1, 1, c.destination);
    {
        TCanvas from(&source);
        TCanvas to(&target);
        ASSERT_TRUE(BlitRect(to, 0, 0, 1, 1, from, 0, 0, c.rop));
    }
    EXPECT_EQ(target.pixel(0, 0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Operations, BlitRectRop,
                         ::testing::Values(RopCase{"Copy", SRCCOPY, kBlue, kRed},
                                           RopCase{"Or", SRCPAINT, kBlue, 0xFFFF00FF},
                                           RopCase{"And", SRCAND, 0xFF808080, 0xFF800000},
                                           RopCase{"Xor", SRCINVERT, kWhite, 0xFF00FFFF},
                                           RopCase{"NotSource", NOTSRCCOPY, kBlue, 0xFF00FFFF}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BlitRect, CopiesTheBlockBetweenCanvasCoordinates) {
    QImage source = stripe();
    QImage target = filled(4, 3, kWhite);
    {
        TCanvas from(&source);
        from.Painter().translate(-1, 0); // its x 1 is the image's column 0
        TCanvas to(&target);
        ASSERT_TRUE(BlitRect(to, 2, 1, 2, 1, from, 1, 0, SRCCOPY));
    }
    EXPECT_EQ(target.pixel(1, 1), kWhite);
    EXPECT_EQ(target.pixel(2, 1), kRed);
    EXPECT_EQ(target.pixel(3, 1), kGreen);
    EXPECT_EQ(target.pixel(2, 0), kWhite);
}

TEST(BlitRect, ABlockMayOverlapItselfOnOneCanvas) {
    QImage image = stripe();
    {
        TCanvas canvas(&image);
        ASSERT_TRUE(BlitRect(canvas, 1, 0, 3, 1, canvas, 0, 0, SRCCOPY));
    }
    EXPECT_EQ(image.pixel(0, 0), kRed);
    EXPECT_EQ(image.pixel(1, 0), kRed);
    EXPECT_EQ(image.pixel(2, 0), kGreen);
    EXPECT_EQ(image.pixel(3, 0), kBlue);
}

TEST(BlitRect, RefusesAnUnreadableSourceAndUnknownOperations) {
    QImage target = filled(2, 2, kWhite);
    QImage source = stripe();
    QPicture picture;
    TCanvas to(&target);
    {
        TCanvas recorded(&picture);
        EXPECT_FALSE(BlitRect(to, 0, 0, 1, 1, recorded, 0, 0, SRCCOPY));
    }
    TCanvas from(&source);
    constexpr DWORD kPatCopy = 0x00F00021;
    EXPECT_FALSE(BlitRect(to, 0, 0, 1, 1, from, 0, 0, kPatCopy));
    EXPECT_TRUE(BlitRect(to, 0, 0, 0, 1, from, 0, 0, SRCCOPY));
    to.Painter().end();
    EXPECT_EQ(target.pixel(0, 0), kWhite);
}

} // namespace
