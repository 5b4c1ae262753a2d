#include "components/data/render_pass.h"

#include "platform/ui/canvas.h"

void TWkDP_ProviderTextOnlyRender::DoDraw(const TRect& rect) {
    TRect r = rect;
    Canvas().DrawText(ItemCaption(Item()), r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

TSize TWkDP_ProviderTextOnlyRender::DoMeasure() {
    return Canvas().TextExtent(ItemCaption(Item()));
}
