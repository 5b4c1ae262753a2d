#include "components/label/track_font.h"

void CopyFontExcept(TFont& font, const TFont& source, TWkTrackFontOptions options) {
    if (!(options & hoFollowFont))
        return;
    if (!(options & hoPreserveColor))
        font.Color = source.Color;
    if (!(options & hoPreserveHeight))
        font.Height = source.Height;
    if (!(options & hoPreserveName))
        font.Name = source.Name;
    if (!(options & hoPreserveStyle)) {
        font.Style = source.Style;
        font.Weight = source.Weight;
    }
}
