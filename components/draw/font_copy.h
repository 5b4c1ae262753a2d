#pragma once
// How a control's hot-track font follows its normal font: which attributes it takes over and
// which it keeps.

#include "platform/ui/graphics_objects.h"

#include <QFlags>

// Bit values as stored in a form: the default set {hoFollowFont, hoPreserveColor,
// hoPreserveStyle} is 69.
enum TWkTrackFontOption : unsigned {
    hoFollowFont = 0x01,
    hoPreserveCharSet = 0x02,
    hoPreserveColor = 0x04,
    hoPreserveHeight = 0x08,
    hoPreserveName = 0x10,
    hoPreservePitch = 0x20,
    hoPreserveStyle = 0x40,
};
Q_DECLARE_FLAGS(TWkTrackFontOptions, TWkTrackFontOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TWkTrackFontOptions)

// The hot-track font options the label and the speed button start with.
constexpr TWkTrackFontOptions DefaultTrackFontOptions{hoFollowFont | hoPreserveColor |
                                                      hoPreserveStyle};

// With hoFollowFont, copies into font every attribute of source whose hoPreserve option is not
// set: colour, height, name, pitch, and style (with the weight that goes with it). Without it
// nothing. Fonts here carry no character set (Qt picks glyphs per character), so
// hoPreserveCharSet changes nothing.
void CopyFontExcept(TFont& font, const TFont& source, TWkTrackFontOptions options);
