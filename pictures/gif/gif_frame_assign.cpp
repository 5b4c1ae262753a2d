// Copying a frame from and to other frames, GIF pictures and any other graphic.
#include "pictures/gif/gif_frame.h"
#include "pictures/gif/gif_image.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/graphic.h"

#include <QScopedValueRollback>

namespace {

// What a graphic the bitmap cannot take is drawn on, and left out again when it is transparent.
constexpr TColor FallbackColor = clFuchsia;

} // namespace

void TWkGIFFrame::reset() {
    FImage = std::make_shared<TGIFItem>();
    clearBitmap();
    FExtensions.clear();
    FTransparentColor = clNone;
    FTopLeft = QPoint();
    FInterlaced = false;
    FLocalColors = false;
    FAnimateInterval = 0;
    FDisposal = dmUndefined;
}

void TWkGIFFrame::Assign(std::nullptr_t) {
    reset();
    FOwner->recomputeScreen();
    FOwner->Changed();
}

void TWkGIFFrame::Assign(const TWkGIFFrame* source) {
    if (source == nullptr) {
        Assign(nullptr);
        return;
    }
    if (source != this)
        assignFrame(*source);
    FOwner->recomputeScreen();
    FOwner->Changed();
}

void TWkGIFFrame::Assign(const TGraphic* source) {
    assignFrom(source);
    FOwner->recomputeScreen();
    FOwner->Changed();
}

void TWkGIFFrame::assignFrom(const TGraphic* source) {
    if (source == nullptr) {
        reset();
    } else if (const auto* gif = dynamic_cast<const TWkGIFImage*>(source)) {
        const TWkGIFFrame* shown = gif->shownFrame();
        if (shown == nullptr)
            reset();
        else if (shown != this)
            assignFrame(*shown);
    } else {
        assignGraphic(*source);
    }
}

void TWkGIFFrame::assignFrame(const TWkGIFFrame& source) {
    FImage = source.FImage;
    FTopLeft = source.FTopLeft;
    FInterlaced = source.FInterlaced;
    if (source.HasBitmap()) {
        const QScopedValueRollback filling(FFillingBitmap, true);
        ownBitmap().Assign(source.FBitmap.get());
    } else {
        clearBitmap();
    }
    FTransparentColor = source.FTransparentColor;
    FAnimateInterval = source.FAnimateInterval;
    FDisposal = source.FDisposal;
    FGrayscale = source.FGrayscale;
    FCorrupted = source.FCorrupted;
    for (const TExtension& extension : source.FExtensions)
        if (extension.FExtType == etComment && !extension.FData.isEmpty())
            Comment() = extension.FData;
    // Another picture's global colours are not this one's: the frame carries its own.
    FLocalColors = source.FOwner == FOwner ? source.FLocalColors : true;
}

void TWkGIFFrame::assignGraphic(const TGraphic& source) {
    reset();
    TBitmap& bitmap = ownBitmap();
    const QScopedValueRollback filling(FFillingBitmap, true);
    try {
        bitmap.Assign(&source);
    } catch (const EInvalidGraphic&) {
        bitmap.SetSize(source.Width(), source.Height());
        if (!bitmap.Empty()) {
            TBitmapCanvas canvas(bitmap);
            const TRect all{0, 0, bitmap.Width(), bitmap.Height()};
            canvas.Brush.Color = FallbackColor;
            canvas.FillRect(all);
            const_cast<TGraphic&>(source).Draw(canvas, all);
        }
    }
    if (!source.Transparent())
        return;
    // A bitmap's automatic transparent colour carries the palette-relative flag, which no
    // colour table entry has; the frame keeps the plain colour, so that saving finds its entry.
    if (const auto* sourceBitmap = dynamic_cast<const TBitmap*>(&source))
        FTransparentColor = ColorToRGB(sourceBitmap->TransparentColor());
    else
        FTransparentColor = bitmap.NearestColor(FallbackColor);
}

void TWkGIFFrame::AssignTo(TWkGIFFrame& dest) const {
    dest.Assign(this);
}

void TWkGIFFrame::AssignTo(TGraphic& dest) const {
    if (auto* gif = dynamic_cast<TWkGIFImage*>(&dest)) {
        gif->Assign(this);
        return;
    }
    // Decoding on demand fills the frame's own cache; the frame's picture does not change.
    TBitmap& bitmap = const_cast<TWkGIFFrame*>(this)->Bitmap();
    dest.Assign(&bitmap);
    auto* destBitmap = dynamic_cast<TBitmap*>(&dest);
    if (destBitmap != nullptr && FTransparentColor != clNone) {
        destBitmap->SetTransparentColor(destBitmap->NearestColor(FTransparentColor));
        destBitmap->SetTransparent(true);
    }
}
