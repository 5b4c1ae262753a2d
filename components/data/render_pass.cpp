#include "components/data/render_pass.h"

#include "platform/ui/canvas.h"

QString TWkDP_ProviderTextOnlyRender::Caption() const {
    const auto* text = Supports<IWkDataItemText>(Item());
    return text != nullptr ? text->Caption() : QString();
}

void TWkDP_ProviderTextOnlyRender::DoDraw(const TRect& rect) {
    TRect r = rect;
    Canvas().DrawText(Caption(), r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

TSize TWkDP_ProviderTextOnlyRender::DoMeasure() {
    return Canvas().TextExtent(Caption());
}
