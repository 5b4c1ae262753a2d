#pragma once
// Which attributes of a hot-track font follow the control's font when that font changes.

#include "platform/ui/graphics_objects.h"

enum TWkTrackFontOption : unsigned {
    hoFollowFont = 1u << 0,
    hoPreserveCharSet = 1u << 1,
    hoPreserveColor = 1u << 2,
    hoPreserveHeight = 1u << 3,
    hoPreserveName = 1u << 4,
    hoPreservePitch = 1u << 5,
    hoPreserveStyle = 1u << 6,
};
using TWkTrackFontOptions = unsigned;

// With hoFollowFont, copies source into font except the attributes a hoPreserve... option keeps
// (the style covers the weight); without it font stays as it is. Our fonts carry no character
// set or pitch, so those two options change nothing.
void CopyFontExcept(TFont& font, const TFont& source, TWkTrackFontOptions options);
