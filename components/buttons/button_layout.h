#pragma once
// Where a button's glyph, caption and drop-down mark go inside its content rectangle.

#include "components/buttons/button_types.h"
#include "platform/ui/geometry.h"

struct TButtonLayoutInput {
    TRect client; // the content rectangle
    TSize glyph;  // 0 x 0 without a glyph
    TSize text;   // the measured caption, already fitted
    TButtonLayout layout = blGlyphTop;
    int margin = -1; // -1: centred
    int spacing = 1; // -1: spread evenly
    bool popupMark = false;
    TAlignment alignment = taCenter;
    TPoint offset; // (1, 1) while pressed
};

struct TButtonLayoutResult {
    TPoint glyphPos;
    TRect textBounds;
    TPoint markPos; // only meaningful with popupMark
};

// The room left for the caption along the layout's main axis (the full width for vertical
// layouts): the client width less margin, spacing (a -1 counts 0), the glyph and 9 for a mark.
int FreeCaptionWidth(const TButtonLayoutInput& input);

TButtonLayoutResult LayoutButtonContent(TButtonLayoutInput input);
