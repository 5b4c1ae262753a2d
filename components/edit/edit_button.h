#pragma once
// The push button inside a combo edit's right border. It draws a themed combo-box arrow for
// drop-down edits, a thin separator from the text on classic faces, and has no context menu.

#include "components/buttons/image_speed_button.h"

class TWkEditButton : public TWkImageSpeedButton {
public:
    explicit TWkEditButton(QWidget* parent = nullptr);

    // The edit's own button (handed to its popup).
    bool Standard() const { return FStandard; }
    void SetStandard(bool value) { FStandard = value; }
    // Skips the next click (set when a press only closed the popup).
    void SetNoAction(bool value) { FNoAction = value; }
    bool DrawThemedDropDownBtn() const { return FDrawThemedDropDownBtn; }
    void SetDrawThemedDropDownBtn(bool value);

    void Click() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void Paint(TCanvas& canvas) override;

private:
    bool FStandard = true;
    bool FNoAction = false;
    bool FDrawThemedDropDownBtn = false;
};
