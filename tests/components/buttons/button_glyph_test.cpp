#include "components/buttons/button_glyph.h"
#include "components/buttons/glyph_cache.h"
#include "platform/ui/image_list.h"

#include <QPainter>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr QRgb Fuchsia = 0xFFFF00FF;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;

// Gives glyph cells of size x size, cell k filled with colours[k], its top-left pixel fuchsia.
void setCells(TWkxButtonGlyph& glyph, int size, std::initializer_list<QRgb> colours) {
    QImage pixels(size * static_cast<int>(colours.size()), size, QImage::Format_RGB32);
    int cell = 0;
    for (QRgb colour : colours) {
        QPainter(&pixels).fillRect(cell * size, 0, size, size, QColor::fromRgb(colour));
        pixels.setPixel(cell * size, 0, Fuchsia);
        ++cell;
    }
    TBitmap bitmap;
    bitmap.SetImage(pixels);
    bitmap.SetTransparentColor(0xFF00FF);
    glyph.SetGlyph(bitmap);
}

QRgb derivedPixel(TWkxButtonGlyph& glyph, TWkButtonState state, int x, int y) {
    const int slot = glyph.CreateButtonGlyph(state);
    return glyph.GlyphList()->Images().Image(slot).pixel(x, y);
}

TEST(GlyphCache, PaintersOfOneSizeShareAListUntilTheLastGoes) {
    auto first = std::make_unique<TWkxButtonGlyph>();
    auto second = std::make_unique<TWkxButtonGlyph>();
    setCells(*first, 16, {Red});
    setCells(*second, 16, {Blue});
    first->CreateButtonGlyph(rbsUp);
    first->CreateButtonGlyph(rbsInactive);
    second->CreateButtonGlyph(rbsUp);
    ASSERT_NE(first->GlyphList(), nullptr);
    const TWkGlyphList* shared = first->GlyphList();
    EXPECT_EQ(second->GlyphList(), shared);
    EXPECT_EQ(shared->Count(), 3);

    first.reset();
    EXPECT_EQ(shared->Count(), 1);
    EXPECT_EQ(shared->Images().Image(second->CreateButtonGlyph(rbsUp)).pixel(5, 5), Blue);
    // A freed slot is taken again before the list grows.
    TWkxButtonGlyph third;
    setCells(third, 16, {Red});
    EXPECT_EQ(third.CreateButtonGlyph(rbsUp), 0);

    third.Invalidate();
    second.reset();
    EXPECT_EQ(ExistingGlyphCache(), nullptr);
}

TEST(GlyphCache, ListsAreKeptPerSize) {
    TWkGlyphCache cache;
    TWkGlyphList* small = cache.GetList(16, 16);
    EXPECT_EQ(cache.GetList(16, 16), small);
    EXPECT_NE(cache.GetList(14, 12), small);
    EXPECT_EQ(small->Add(QImage(16, 16, QImage::Format_ARGB32)), 0);
    cache.ReturnList(small); // still holds an image
    EXPECT_EQ(cache.GetList(16, 16), small);
    small->Delete(0);
    small->Delete(0); // a second delete of a free slot changes nothing
    EXPECT_EQ(small->Count(), 0);
}

TEST(ButtonGlyph, CellCountComesFromTheBitmapShape) {
    const struct {
        int width;
        int height;
        int numGlyphs;
    } cases[] = {{96, 16, 1}, {80, 16, 5}, {32, 16, 2}, {16, 16, 1}, {20, 16, 3}};
    for (const auto& c : cases) {
        TWkxButtonGlyph glyph;
        glyph.SetNumGlyphs(3);
        TBitmap bitmap(c.width, c.height);
        glyph.SetGlyph(bitmap);
        EXPECT_EQ(glyph.NumGlyphs(), c.numGlyphs) << c.width << " x " << c.height;
    }
}

TEST(ButtonGlyph, StatesAreDerivedFromTheirCellsOrByGreying) {
    TWkxButtonGlyph two;
    setCells(two, 4, {Red, Blue});
    EXPECT_EQ(two.NumGlyphs(), 2);
    EXPECT_EQ(derivedPixel(two, rbsUp, 2, 2), Red);
    EXPECT_EQ(qAlpha(derivedPixel(two, rbsUp, 0, 0)), 0); // the transparent colour
    EXPECT_EQ(derivedPixel(two, rbsDisabled, 2, 2), Blue);
    EXPECT_EQ(two.CreateButtonGlyph(rbsDown), two.CreateButtonGlyph(rbsUp));
    const int grey = (77 * 255) >> 8;
    EXPECT_EQ(derivedPixel(two, rbsInactive, 2, 2), qRgb(grey, grey, grey));

    TWkxButtonGlyph five;
    setCells(five, 4, {Red, Red, Red, Red, Blue});
    EXPECT_EQ(derivedPixel(five, rbsInactive, 2, 2), Blue);

    TWkxButtonGlyph one;
    setCells(one, 4, {Red});
    EXPECT_EQ(derivedPixel(one, rbsDown, 2, 2), Red);
    one.SetGrayNewStyle(true);
    EXPECT_EQ(derivedPixel(one, rbsDisabled, 2, 2), qRgb(grey, grey, grey));
    one.SetGrayNewStyle(false);
    const QRgb shadow = ToQColor(ColorToRGB(clBtnShadow)).rgb();
    EXPECT_EQ(derivedPixel(one, rbsDisabled, 2, 2), shadow); // embossed shape
}

TEST(ButtonGlyph, EmptyGlyphDrawsNothing) {
    TWkxButtonGlyph glyph;
    EXPECT_EQ(glyph.CreateButtonGlyph(rbsUp), -1);
    QImage surface(20, 20, QImage::Format_ARGB32);
    surface.fill(Qt::white);
    TCanvas canvas(&surface);
    TButtonContent content;
    content.imageIndex = 7; // without a list
    glyph.DrawEx(canvas, {0, 0, 20, 20}, {}, content);
    EXPECT_EQ(glyph.GlyphList(), nullptr);
}

// A painter that tells which of its drawing operations DrawEx used.
class RecordingGlyph final : public TWkxButtonGlyph {
public:
    QStringList calls;

    void DrawButtonGlyph(TCanvas& canvas, TPoint at, TWkButtonState state,
                         bool paintOnGlass) override {
        calls << "glyph";
        TWkxButtonGlyph::DrawButtonGlyph(canvas, at, state, paintOnGlass);
    }
    void DrawButtonImage(TCanvas& canvas, TPoint at, const TImageList& images, int index,
                         TWkButtonState state, bool paintOnGlass) override {
        calls << QStringLiteral("image %1").arg(index);
        TWkxButtonGlyph::DrawButtonImage(canvas, at, images, index, state, paintOnGlass);
    }
    void DrawButtonText(TCanvas& canvas, const QString& caption, TRect bounds, TWkButtonState state,
                        bool paintOnGlass) override {
        calls << "text " + caption;
        TWkxButtonGlyph::DrawButtonText(canvas, caption, bounds, state, paintOnGlass);
    }
    void DrawPopupMark(TCanvas& canvas, TPoint at, TWkButtonState state) override {
        calls << "mark";
        TWkxButtonGlyph::DrawPopupMark(canvas, at, state);
    }
};

TEST(ButtonGlyph, DescendantsPaintThePiecesOfTheButton) {
    TImageList list(8, 8);
    list.AddImage(QImage(8, 8, QImage::Format_ARGB32));
    QImage surface(60, 30, QImage::Format_ARGB32);
    TCanvas canvas(&surface);
    TButtonContent content;
    content.caption = "Go";
    content.popupMark = true;
    content.images = &list;
    content.imageIndex = 0;

    RecordingGlyph glyph;
    glyph.DrawEx(canvas, {0, 0, 60, 30}, {}, content);
    EXPECT_EQ(glyph.calls, QStringList({"image 0", "text Go", "mark"}));
    glyph.calls.clear();
    glyph.Draw(canvas, {0, 0, 60, 30}, {}, content);
    EXPECT_EQ(glyph.calls, QStringList({"glyph", "text Go", "mark"})) << "Draw uses no list";
}

TEST(ButtonGlyph, PopupMarkIsATriangleEngravedWhenDisabled) {
    const QRgb text = ToQColor(ColorToRGB(clBtnText)).rgb();
    const QRgb highlight = ToQColor(ColorToRGB(clBtnHighlight)).rgb();
    const QRgb shadow = ToQColor(ColorToRGB(clBtnShadow)).rgb();
    QImage surface(20, 20, QImage::Format_RGB32);
    TWkxButtonGlyph glyph;
    const struct {
        TWkButtonState state;
        QRgb colour;
    } cases[] = {{rbsUp, text}, {rbsDisabled, shadow}};
    for (const auto& c : cases) {
        surface.fill(Qt::white);
        {
            TCanvas canvas(&surface);
            glyph.DrawPopupMark(canvas, {5, 5}, c.state);
        }
        // Rows of 7, 5, 3 and 1 pixels from one row above the point.
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(surface.pixel(5 + row, 4 + row), c.colour) << c.state << " row " << row;
            EXPECT_EQ(surface.pixel(11 - row, 4 + row), c.colour) << c.state << " row " << row;
        }
        EXPECT_EQ(surface.pixel(4, 4), qRgb(255, 255, 255));
        EXPECT_EQ(surface.pixel(8, 8), c.state == rbsDisabled ? highlight : qRgb(255, 255, 255))
            << "the disabled mark's light copy sits one pixel right and down";
    }
}

TEST(ButtonGlyph, InactiveListImageKeepsTransparentAndFaceColours) {
    const QRgb face = ToQColor(ColorToRGB(clBtnFace)).rgb();
    QImage cell(3, 1, QImage::Format_ARGB32);
    cell.setPixel(0, 0, Fuchsia);
    cell.setPixel(1, 0, face);
    cell.setPixel(2, 0, Red);
    TImageList list(3, 1);
    list.AddImage(cell);
    QImage surface(3, 1, QImage::Format_RGB32);
    surface.fill(Qt::white);
    {
        TCanvas canvas(&surface);
        TWkxButtonGlyph glyph;
        glyph.DrawButtonImage(canvas, {0, 0}, list, 0, rbsInactive, false);
    }
    const int grey = (77 * 255) >> 8;
    EXPECT_EQ(surface.pixel(0, 0), Fuchsia);
    EXPECT_EQ(surface.pixel(1, 0), face);
    EXPECT_EQ(surface.pixel(2, 0), qRgb(grey, grey, grey));
}

} // namespace
