#include "pictures/ani/ani_icon_frame.h"

void TWkIconFrame::Assign(const TWkIconFrame& source) {
    if (source.FIcon) {
        if (!FIcon)
            FIcon = std::make_unique<TIcon>();
        FIcon->Assign(source.FIcon.get());
    } else if (FIcon) {
        FIcon->Assign(nullptr);
    }
    FIsIcon = source.FIsIcon;
    FHotSpot = source.FHotSpot;
    FRate = source.FRate;
}
