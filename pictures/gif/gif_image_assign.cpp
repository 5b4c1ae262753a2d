// Copying a GIF picture from and to other pictures: GIF pictures and frames, bitmaps, animated
// cursors and, through their own AssignTo, any other graphic.
#include "pictures/ani/ani_image.h"
#include "pictures/gif/gif_image.h"

void TWkGIFImage::Assign(const TGraphic* source) {
    if (source == this)
        return;
    if (source == nullptr) {
        Clear();
    } else if (const auto* gif = dynamic_cast<const TWkGIFImage*>(source)) {
        assignImage(*gif);
        Changed();
    } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        reset();
        AddFrame(bitmap);
    } else if (const auto* ani = dynamic_cast<const TWkAni*>(source)) {
        assignAni(*ani);
        Changed();
    } else {
        TGraphic::Assign(source);
    }
}

void TWkGIFImage::Assign(const TWkGIFFrame* frame) {
    if (frame == nullptr) {
        Clear();
        return;
    }
    // The frame may be one of ours, which the reset below frees: copy it first.
    const TGIFData& from = *frame->FOwner->FImage;
    auto data = std::make_shared<TGIFData>();
    data->FAspectRatio = from.FAspectRatio;
    data->FBitsPerPixel = from.FBitsPerPixel;
    data->FColorResBits = from.FColorResBits;
    data->FColorMap = from.FColorMap;
    auto copy = std::make_unique<TWkGIFFrame>(this);
    copy->assignFrame(*frame);
    reset();
    FImage = std::move(data);
    FVersion = gv87a;
    FItems.push_back(std::move(copy));
    FFrameIndex = 0;
    recomputeScreen();
    Changed();
}

void TWkGIFImage::AssignTo(TGraphic& dest) const {
    if (auto* gif = dynamic_cast<TWkGIFImage*>(&dest)) {
        gif->Assign(this);
        return;
    }
    if (Empty()) {
        dest.Assign(nullptr);
    } else if (const TWkGIFFrame* frame = currentFrame()) {
        frame->AssignTo(dest);
    } else {
        // Decoding on demand fills frame 0's cache; the picture does not change.
        dest.Assign(&const_cast<TWkGIFImage*>(this)->Bitmap());
    }
}

void TWkGIFImage::assignImage(const TWkGIFImage& source) {
    reset();
    FImage = source.FImage;
    FVersion = source.FVersion;
    FBackgroundColor = source.FBackgroundColor;
    FRepeatCount = source.FRepeatCount;
    FLooping = source.FLooping;
    FCorrupted = source.FCorrupted;
    for (const auto& frame : source.FItems) {
        FItems.push_back(std::make_unique<TWkGIFFrame>(this));
        FItems.back()->assignFrame(*frame);
        // The two pictures share their global colours.
        FItems.back()->FLocalColors = frame->FLocalColors;
    }
    FScreenWidth = source.FScreenWidth;
    FScreenHeight = source.FScreenHeight;
    FFrameIndex = source.FFrameIndex;
}

void TWkGIFImage::assignAni(const TWkAni& source) {
    reset();
    FBackgroundColor = clWindow;
    for (int i = 0; i < source.FrameCount(); ++i) {
        // An icon draws itself on fuchsia, which the frame leaves out again.
        const TWkAniStep step = source.Step(i);
        AddFrame(step.Icon);
        Frame(i).SetAnimateInterval(static_cast<std::uint32_t>(AniRateInterval(step.Rate)));
    }
}
