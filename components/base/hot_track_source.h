#pragma once
// An object that offers hot-track settings (a control's look while the mouse is over it), so
// that another control can take them over in one assignment.

#include "components/base/hot_track_options.h"
#include "components/draw/font_copy.h"

class IWkHotTrack {
public:
    virtual bool GetHotTrack() const = 0;
    virtual TFont GetHotTrackFont() const = 0;
    virtual TWkTrackFontOptions GetHotTrackFontOptions() const = 0;
    virtual const TWkHotTrackOptions& GetHotTrackOptions() const = 0;

protected:
    ~IWkHotTrack() = default;
};
