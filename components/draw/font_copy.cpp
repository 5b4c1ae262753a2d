#include "components/draw/font_copy.h"

void CopyFontExcept(TFont& font, const TFont& source, TWkTrackFontOptions options) {
    if (!options.testFlag(hoFollowFont))
        return;
    if (!options.testFlag(hoPreserveColor))
        font.Color = source.Color;
    if (!options.testFlag(hoPreserveHeight))
        font.Height = source.Height;
    if (!options.testFlag(hoPreserveName))
        font.Name = source.Name;
    if (!options.testFlag(hoPreservePitch))
        font.Pitch = source.Pitch;
    if (!options.testFlag(hoPreserveStyle)) {
        font.Style = source.Style;
        font.Weight = source.Weight;
    }
}
