#pragma once
// Placing a block of text turned by an angle inside a box. The block is laid out upright (its
// lines stacked top to bottom) and then turned counter-clockwise around its top-left corner.

#include "components/base/text_alignment.h"
#include "platform/ui/geometry.h"

struct TRotatedPlacement {
    TSize Box;     // the upright box the turned block covers
    TPoint Origin; // where the block's own top-left corner lands
};

// angle: degrees counter-clockwise, 0..359; text: the upright block's width and height.
// With autoSize the box's corner is at (0, 0); without, the block sits in client by alignment
// across and centred along the other direction. Coordinates round halves to even.
TRotatedPlacement PlaceRotatedText(int angle, TSize text, TSize client, TAlignment alignment,
                                   bool autoSize);

// The longest line that runs at angle through an area of that size, in pixels: the height for
// vertical text, the width for horizontal text.
int RotatedLineLength(int angle, TSize area);
