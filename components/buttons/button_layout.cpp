#include "components/buttons/button_layout.h"

namespace {

constexpr int MarkTextExtra = 9;  // caption room the drop-down mark takes beside the text
constexpr int MarkGlyphExtra = 6; // glyph room the mark takes beside the glyph

bool horizontal(TButtonLayout layout) {
    return layout == blGlyphLeft || layout == blGlyphRight;
}

// Sizes along (main) and across (cross) the layout's axis.
struct Extent {
    int main;
    int cross;
};

Extent along(TSize size, bool isHorizontal) {
    return isHorizontal ? Extent{size.cx, size.cy} : Extent{size.cy, size.cx};
}

} // namespace

int FreeCaptionWidth(const TButtonLayoutInput& input) {
    const int client = input.client.Width();
    if (!horizontal(input.layout))
        return client;
    const int margin = input.margin == -1 ? 0 : input.margin;
    const int spacing = input.spacing == -1 ? 0 : input.spacing;
    return client - margin - spacing - input.glyph.cx - (input.popupMark ? MarkTextExtra : 0);
}

TButtonLayoutResult LayoutButtonContent(TButtonLayoutInput input) {
    const bool isHorizontal = horizontal(input.layout);
    const bool hasGlyph = input.glyph.cx > 0;
    TSize glyph = input.glyph;
    TSize text = input.text;
    if (input.popupMark) {
        if (!hasGlyph || input.layout == blGlyphLeft)
            text.cx += MarkTextExtra;
        else
            glyph.cx += MarkGlyphExtra;
    }
    const Extent client = along({input.client.Width(), input.client.Height()}, isHorizontal);
    const Extent g = along(glyph, isHorizontal);
    const Extent t = along(text, isHorizontal);

    int glyphCross = (client.cross - g.cross) / 2;
    int textCross = (client.cross - t.cross) / 2;
    if (isHorizontal && input.alignment == taRightJustify)
        textCross = client.cross - t.cross;
    else if (isHorizontal && input.alignment == taLeftJustify)
        textCross = 0;

    int margin = input.margin;
    int spacing = input.spacing;
    if (t.main == 0 || g.main == 0)
        spacing = 0;
    if (margin == -1 && spacing == -1) {
        margin = (client.main - g.main - t.main) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = client.main / 2 - (g.main + spacing + t.main) / 2;
    } else if (spacing == -1) {
        spacing = (client.main - margin - g.main) / 2 - t.main / 2;
    }

    int glyphMain;
    int textMain;
    if (input.layout == blGlyphLeft || input.layout == blGlyphTop) {
        glyphMain = margin;
        textMain = margin + g.main + spacing;
    } else {
        glyphMain = client.main - margin - g.main;
        textMain = glyphMain - spacing - t.main;
    }

    const int dx = input.client.Left + input.offset.X;
    const int dy = input.client.Top + input.offset.Y;
    TButtonLayoutResult result;
    if (isHorizontal) {
        result.glyphPos = {glyphMain + dx, glyphCross + dy};
        result.textBounds = {textMain + dx, textCross + dy, textMain + dx + text.cx,
                             textCross + dy + text.cy};
    } else {
        result.glyphPos = {glyphCross + dx, glyphMain + dy};
        result.textBounds = {textCross + dx, textMain + dy, textCross + dx + text.cx,
                             textMain + dy + text.cy};
    }
    if (input.layout != blGlyphLeft && hasGlyph) {
        result.markPos = {result.glyphPos.X + input.glyph.cx + 1,
                          result.glyphPos.Y + input.glyph.cy / 2};
    } else if (input.text.cx > 0) {
        result.markPos = {result.textBounds.Left + input.text.cx + 3,
                          (result.textBounds.Top + result.textBounds.Bottom) / 2};
    } else {
        result.markPos = {(input.client.Left + input.client.Right - 7) / 2,
                          (input.client.Top + input.client.Bottom) / 2};
    }
    return result;
}
