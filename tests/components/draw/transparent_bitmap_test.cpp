#include "components/draw/transparent_bitmap.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

// 3 x 2: top row red, lime, red; bottom row lime, blue, lime (bottom-left is lime).
void fill(TBitmap& bitmap) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(2, 0, qRgb(255, 0, 0));
    image.setPixel(0, 1, qRgb(0, 255, 0));
    image.setPixel(1, 1, qRgb(0, 0, 255));
    image.setPixel(2, 1, qRgb(0, 255, 0));
    bitmap.SetImage(image);
}

QImage whiteTarget(int w, int h) {
    QImage target(w, h, QImage::Format_RGB32);
    target.fill(Qt::white);
    return target;
}

QString rows(const QImage& image) {
    QString out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) & RGB_MASK;
            out += p == 0xFF0000   ? 'R'
                   : p == 0x00FF00 ? 'G'
                   : p == 0x0000FF ? 'B'
                   : p == 0xFFFFFF ? '.'
                                   : '?';
        }
        out += '/';
    }
    return out;
}

} // namespace

TEST(TransparentBitmap, StretchLeavesOutTheTransparentColour) {
    const struct {
        const char* name;
        TColor transparent;
        int w, h;
        TRect source;
        const char* expected;
    } cases[] = {
        {"clNone draws everything", clNone, 0, 0, TRect{}, "RGR./GBG./"},
        {"lime left out", clLime, 0, 0, TRect{}, "R.R./.B../"},
        {"clDefault takes the bottom-left pixel", clDefault, 0, 0, TRect{}, "R.R./.B../"},
        {"palette flag ignored", clLime | PaletteRelativeFlag, 0, 0, TRect{}, "R.R./.B../"},
        {"stretched wider", clRed, 4, 2, Rect(0, 0, 2, 2), "..GG/GGBB/"},
        {"source part", clNone, 1, 1, Rect(1, 1, 2, 2), "B.../..../"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap bitmap;
        fill(bitmap);
        QImage target = whiteTarget(4, 2);
        {
            TCanvas canvas(&target);
            StretchTransparentBitmap(canvas, bitmap, c.transparent, 0, 0, c.w, c.h, c.source);
        }
        EXPECT_EQ(rows(target), c.expected);
    }
}

TEST(TransparentBitmap, EmptyBitmapDrawsNothingAndReadsNoPixel) {
    TBitmap empty;
    QImage target = whiteTarget(2, 2);
    {
        TCanvas canvas(&target);
        DrawTransparentBitmap(canvas, 0, 0, empty, clDefault);
    }
    EXPECT_EQ(rows(target), "../../");
}

TEST(TransparentBitmap, MonochromeLeavesOutWhiteAndKeepsChangeHandler) {
    TBitmap bitmap;
    fill(bitmap);
    bitmap.SetPixel(1, 0, clWhite);
    bitmap.SetMonochrome(true);
    int changes = 0;
    bitmap.OnChange = [&](TGraphic&) {
        ++changes;
    };
    QImage target(3, 2, QImage::Format_RGB32);
    target.fill(Qt::red);
    {
        TCanvas canvas(&target);
        DrawTransparentBitmap(canvas, 0, 0, bitmap, clBlue);
    }
    // White is left out; the darker colours turn black.
    EXPECT_EQ(target.pixel(1, 1) & RGB_MASK, 0x000000u);
    EXPECT_EQ(target.pixel(0, 0) & RGB_MASK, 0x000000u);
    EXPECT_EQ(target.pixel(1, 0) & RGB_MASK, 0xFF0000u);
    ASSERT_TRUE(bitmap.OnChange);
    EXPECT_EQ(changes, 0);
}

TEST(DisabledBitmap, ShadowOverShiftedHighlight) {
    TBitmap bitmap;
    fill(bitmap);
    // With blue transparent, only (1, 1) is outside the shape; the shape's (0, 0) shifted there.
    auto disabled = MakeDisabledBitmapColored(bitmap, clBlue, clWhite, true, clBlue, clRed);
    EXPECT_EQ(rows(disabled->Image()), "BBB/BRB/");
    auto flat = MakeDisabledBitmapColored(bitmap, clBlue, clWhite, false, clBlue, clRed);
    EXPECT_EQ(rows(flat->Image()), "BBB/B.B/");

    const TColor face = FromQColor(QApplication::palette().color(QPalette::Button));
    auto standard = MakeDisabledBitmapStd(bitmap, clLime);
    EXPECT_EQ(standard->Pixel(1, 0), ColorToRGB(face));
    auto onTransparent = MakeDisabledBitmap(bitmap, clLime);
    EXPECT_EQ(onTransparent->Pixel(1, 0), clLime);
    EXPECT_EQ(onTransparent->Pixel(1, 1), ColorToRGB(clBtnShadow));
}

TEST(DisabledBitmap, ImageListItemShape) {
    TBitmap bitmap;
    fill(bitmap);
    TImageList list(3, 2);
    list.AddMasked(bitmap, clLime);
    QImage target = whiteTarget(4, 3);
    {
        TCanvas canvas(&target);
        DrawImageListItemDisabled(list, canvas, 0, 0, 0, clRed, clBlue, true);
        DrawImageListItemDisabled(list, canvas, 0, 0, 9, clRed, clRed, true);
    }
    EXPECT_EQ(rows(target), "B.B./.B.R/..R./");
}

TEST(DisabledBitmap, CheckerAndPaletteColour) {
    auto checker = MakeCheckerBrushBitmap(clRed, clBlue);
    EXPECT_EQ(checker->Width(), 8);
    EXPECT_EQ(checker->Pixel(0, 0), clBlue);
    EXPECT_EQ(checker->Pixel(1, 0), clRed);
    EXPECT_EQ(checker->Pixel(7, 7), clBlue);
    EXPECT_EQ(PaletteRgbOf(clRed), 0x020000FF);
}
