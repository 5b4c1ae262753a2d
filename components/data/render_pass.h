#pragma once
// One drawing or measuring pass over an item: a pass is made for the item, the canvas and the
// draw state, does its one job and goes. A provider that draws its items its own way derives a
// pass and lets its renderer run it; the text-only pass draws the item's caption.

#include "components/data/data_interfaces.h"
#include "platform/ui/geometry.h"

class TWkDP_ProviderBaseRender {
public:
    TWkDP_ProviderBaseRender(IWkDataItem* item, TCanvas& canvas, TProviderDrawStates state)
        : FItem(item), FCanvas(canvas), FState(state) {}
    virtual ~TWkDP_ProviderBaseRender() = default;
    TWkDP_ProviderBaseRender(const TWkDP_ProviderBaseRender&) = delete;
    TWkDP_ProviderBaseRender& operator=(const TWkDP_ProviderBaseRender&) = delete;

    // A pass of class Pass for the item, run once.
    template <typename Pass>
    static void Draw(IWkDataItem* item, TCanvas& canvas, const TRect& rect,
                     TProviderDrawStates state) {
        Pass pass(item, canvas, state);
        static_cast<TWkDP_ProviderBaseRender&>(pass).DoDraw(rect);
    }
    template <typename Pass>
    static TSize Measure(IWkDataItem* item, TCanvas& canvas, TProviderDrawStates state) {
        Pass pass(item, canvas, state);
        return static_cast<TWkDP_ProviderBaseRender&>(pass).DoMeasure();
    }

protected:
    virtual void DoDraw(const TRect& rect) = 0;
    virtual TSize DoMeasure() = 0;

    IWkDataItem* Item() const { return FItem; }
    TCanvas& Canvas() const { return FCanvas; }
    TProviderDrawStates State() const { return FState; }

private:
    IWkDataItem* FItem;
    TCanvas& FCanvas;
    TProviderDrawStates FState;
};

// Draws the item's caption on one line, vertically centred at the left of the rectangle; an
// item without text draws and measures as an empty caption.
class TWkDP_ProviderTextOnlyRender : public TWkDP_ProviderBaseRender {
public:
    using TWkDP_ProviderBaseRender::TWkDP_ProviderBaseRender;

    static void Draw(IWkDataItem* item, TCanvas& canvas, const TRect& rect,
                     TProviderDrawStates state) {
        TWkDP_ProviderBaseRender::Draw<TWkDP_ProviderTextOnlyRender>(item, canvas, rect, state);
    }
    static TSize Measure(IWkDataItem* item, TCanvas& canvas, TProviderDrawStates state) {
        return TWkDP_ProviderBaseRender::Measure<TWkDP_ProviderTextOnlyRender>(item, canvas, state);
    }

protected:
    void DoDraw(const TRect& rect) override;
    TSize DoMeasure() override;
};
