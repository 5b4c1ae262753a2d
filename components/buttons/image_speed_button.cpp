#include "components/buttons/image_speed_button.h"

#include "components/buttons/image_speed_button_action_link.h"

TWkImageSpeedButton::TWkImageSpeedButton(QWidget* parent) : TWkCustomSpeedButton(parent) {
    FImageChangeLink.OnChange = [this](TImageList&) {
        update();
    };
}

TWkImageSpeedButton::~TWkImageSpeedButton() {
    SetImages(nullptr);
}

void TWkImageSpeedButton::SetImages(TImageList* images) {
    if (images == FImages)
        return;
    if (FImages)
        FImages->UnRegisterChanges(FImageChangeLink);
    FImages = images;
    if (FImages)
        FImages->RegisterChanges(FImageChangeLink);
    update();
}

void TWkImageSpeedButton::SetImageIndex(int value) {
    if (value == FImageIndex)
        return;
    FImageIndex = value;
    update();
}

void TWkImageSpeedButton::SetHotTrackImageIndex(int value) {
    if (value == FHotTrackImageIndex)
        return;
    FHotTrackImageIndex = value;
    update();
}

TButtonContent TWkImageSpeedButton::Content(TWkButtonState state) const {
    TButtonContent content = TWkCustomSpeedButton::Content(state);
    content.images = FImages;
    content.imageIndex = FImageIndex;
    if (HotTrack() && MouseInControl() && FHotTrackImageIndex != -1)
        content.imageIndex = FHotTrackImageIndex;
    return content;
}

QAction* TWkImageSpeedButton::Action() const {
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TWkImageSpeedButton::SetAction(QAction* action) {
    if (!FActionLink && !action)
        return;
    if (!FActionLink)
        FActionLink = new TWkImageSpeedButtonActionLink(this);
    FActionLink->SetAction(action);
}
