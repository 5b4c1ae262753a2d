#pragma once
// The speed button that draws an image of an image list instead of its glyph bitmap, another
// one while hot.

#include "components/buttons/speed_button.h"
#include "platform/ui/image_list.h"

class QAction;
class TWkImageSpeedButtonActionLink;

class TWkImageSpeedButton : public TWkCustomSpeedButton {
public:
    explicit TWkImageSpeedButton(QWidget* parent = nullptr);
    ~TWkImageSpeedButton() override;

    TImageList* Images() const { return FImages; }
    // The list is the caller's; the button repaints when it changes. Pass nullptr before the
    // list goes.
    void SetImages(TImageList* images);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // Drawn while hot with HotTrack on; -1 takes ImageIndex.
    int HotTrackImageIndex() const { return FHotTrackImageIndex; }
    void SetHotTrackImageIndex(int value);

    // The action the button follows and runs when clicked; nullptr for none. The action is the
    // caller's; the link lets go of it when it is destroyed.
    QAction* Action() const;
    void SetAction(QAction* action);
    // Null until an action is set.
    TWkImageSpeedButtonActionLink* ActionLink() const { return FActionLink; }

protected:
    TButtonContent Content(TWkButtonState state) const override;

private:
    TImageList* FImages = nullptr;
    TWkImageSpeedButtonActionLink* FActionLink = nullptr;
    TChangeLink FImageChangeLink;
    int FImageIndex = -1;
    int FHotTrackImageIndex = -1;
};
