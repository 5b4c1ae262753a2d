#pragma once
// An image control that shows a picture of its own for each interaction state (mouse over,
// pressed, clicked once, clicked twice, disabled) and counts clicks through the two clicked
// states. Without state pictures it is a plain image of its default Picture.

#include "components/base/ext_control.h"
#include "components/base/method_event.h"
#include "platform/ui/picture.h"

class QIODevice;

enum TPicState { stDefault, stEntered, stClicked1, stClicked2, stDown, stDisabled };

// The five state pictures; assigning one copies it and reports the change.
class TWkPictures {
public:
    TPicture& PicEnter() { return FPicEnter; }
    TPicture& PicClicked1() { return FPicClicked1; }
    TPicture& PicClicked2() { return FPicClicked2; }
    TPicture& PicDown() { return FPicDown; }
    TPicture& PicDisabled() { return FPicDisabled; }
    void SetPicEnter(const TPicture* value) { assign(FPicEnter, value); }
    void SetPicClicked1(const TPicture* value) { assign(FPicClicked1, value); }
    void SetPicClicked2(const TPicture* value) { assign(FPicClicked2, value); }
    void SetPicDown(const TPicture* value) { assign(FPicDown, value); }
    void SetPicDisabled(const TPicture* value) { assign(FPicDisabled, value); }

    // True when any of the five holds a graphic.
    bool Any() const;

    TNotifyEvent FOnChanged;

private:
    void assign(TPicture& target, const TPicture* value);

    TPicture FPicClicked1, FPicClicked2, FPicDown, FPicEnter, FPicDisabled;
};

class TWkImage : public TWkExImage {
public:
    explicit TWkImage(QWidget* parent = nullptr);
    ~TWkImage() override;

    TWkPictures& Pictures() { return FPictures; }
    // The default picture, shown in stDefault and whenever there are no state pictures.
    TPicture& Picture() { return FPicture; }
    // What the control shows now.
    const TPicture& Displayed() const { return FDisplayed; }

    TPicState State() const { return FState; }
    // Takes the state only when its picture is present; OnStateChanged fires either way.
    void SetState(TPicState value);
    // Shows the disabled picture while disabled (also when disabled through setEnabled).
    void SetEnabled(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    // False for a point on a transparent pixel of a plain (stateless) transparent bitmap; a press
    // there goes on to the parent.
    bool HitTestAt(int x, int y) override;
    // Makes the default picture from a stream of any format with a known signature.
    void LoadFromStream(QIODevice& stream);

    TNotifyEvent OnStateChanged;
    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool NotifyMouseEnter(QEvent* event) override;
    bool NotifyMouseLeave(QEvent* event) override;
    bool NotifyEnabledChanged(QEvent* event) override;

private:
    void click();
    void RestoreClickState();
    void pictureChanged();
    void updateOpaque();
    TPicture* pictureOf(TPicState state);

    TWkPictures FPictures;
    TPicState FState = stDefault;
    TPicture FPicture;
    TPicture FDisplayed;
    int FClickCount = 0;
    bool FDrawing = false;
    bool FTransparent = false;
    bool FPressed = false;
};
