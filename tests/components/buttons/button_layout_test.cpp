#include "components/buttons/button_layout.h"

#include <gtest/gtest.h>

namespace {

TButtonLayoutInput in(TRect client, TSize glyph, TSize text, TButtonLayout layout, int margin,
                      int spacing, bool mark = false, TAlignment alignment = taCenter,
                      TPoint offset = {}) {
    return {client, glyph, text, layout, margin, spacing, mark, alignment, offset};
}

TEST(ButtonLayout, PlacesGlyphTextAndMarkByTheLayoutRules) {
    const struct {
        const char* name;
        TButtonLayoutInput input;
        TPoint glyph;
        TRect text;
    } cases[] = {
        // The edit's button: no caption, so the spacing counts 0 and the glyph is centred.
        {"glyph on top, centred",
         in({0, 0, 21, 13}, {15, 4}, {}, blGlyphTop, -1, 1),
         {3, 4},
         {10, 8, 10, 8}},
        {"pressed moves everything by the offset",
         in({2, 1, 23, 14}, {15, 4}, {}, blGlyphTop, -1, 1, false, taCenter, {1, 1}),
         {6, 6},
         {13, 10, 13, 10}},
        {"glyph left with margin and spacing",
         in({0, 0, 100, 20}, {16, 16}, {40, 10}, blGlyphLeft, 4, 2),
         {4, 2},
         {22, 5, 62, 15}},
        {"glyph right mirrors the positions",
         in({0, 0, 100, 20}, {16, 16}, {40, 10}, blGlyphRight, 4, 2),
         {80, 2},
         {38, 5, 78, 15}},
        {"margin and spacing both spread evenly",
         in({0, 0, 100, 20}, {16, 16}, {40, 10}, blGlyphLeft, -1, -1),
         {14, 2},
         {44, 5, 84, 15}},
        {"spacing spread from a fixed margin",
         in({0, 0, 100, 20}, {16, 16}, {40, 10}, blGlyphLeft, 10, -1),
         {10, 2},
         {43, 5, 83, 15}},
        {"left-aligned caption sits at the top of a horizontal layout",
         in({0, 0, 100, 20}, {16, 16}, {40, 10}, blGlyphLeft, 4, 2, false, taLeftJustify),
         {4, 2},
         {22, 0, 62, 10}},
        {"glyph at the bottom",
         in({0, 0, 40, 60}, {16, 16}, {30, 10}, blGlyphBottom, 5, 3),
         {12, 39},
         {5, 26, 35, 36}},
    };
    for (const auto& c : cases) {
        const TButtonLayoutResult result = LayoutButtonContent(c.input);
        EXPECT_EQ(result.glyphPos, c.glyph) << c.name;
        EXPECT_EQ(result.textBounds, c.text) << c.name;
    }
}

TEST(ButtonLayout, PopupMarkTakesRoomAndSitsBesideGlyphOrCaption) {
    const auto captionOnly = in({0, 0, 60, 20}, {}, {20, 10}, blGlyphLeft, -1, 1, true);
    EXPECT_EQ(FreeCaptionWidth(captionOnly), 60 - 0 - 1 - 0 - 9);
    const TButtonLayoutResult text = LayoutButtonContent(captionOnly);
    EXPECT_EQ(text.textBounds.Width(), 29); // the mark's 9 pixels travel with the text
    EXPECT_EQ(text.markPos, (TPoint{text.textBounds.Left + 23, 10}));

    const auto glyphTop = in({0, 0, 30, 30}, {16, 16}, {}, blGlyphTop, -1, 1, true);
    const TButtonLayoutResult glyph = LayoutButtonContent(glyphTop);
    EXPECT_EQ(glyph.glyphPos.X, (30 - 22) / 2); // the glyph grows by 6 for the mark
    EXPECT_EQ(glyph.markPos, (TPoint{glyph.glyphPos.X + 17, glyph.glyphPos.Y + 8}));

    const auto empty = in({0, 0, 21, 21}, {}, {}, blGlyphTop, -1, 1, true);
    EXPECT_EQ(LayoutButtonContent(empty).markPos, (TPoint{7, 10}));
}

} // namespace
