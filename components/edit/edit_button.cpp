#include "components/edit/edit_button.h"

#include "components/draw/themed_background.h"
#include "components/edit/combo_edit.h"

#include <QMouseEvent>
#include <QStyleOption>

TWkEditButton::TWkEditButton(QWidget* parent) : TWkImageSpeedButton(parent) {
    setContextMenuPolicy(Qt::PreventContextMenu);
    setCursor(Qt::ArrowCursor);
}

void TWkEditButton::SetDrawThemedDropDownBtn(bool value) {
    FDrawThemedDropDownBtn = value;
    update();
}

void TWkEditButton::Click() {
    if (FNoAction) {
        FNoAction = false;
        return;
    }
    TWkImageSpeedButton::Click();
}

void TWkEditButton::mousePressEvent(QMouseEvent* event) {
    TWkImageSpeedButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    TWkCustomComboEdit* edit = nullptr;
    for (QWidget* up = parentWidget(); up && !edit; up = up->parentWidget())
        edit = dynamic_cast<TWkCustomComboEdit*>(up);
    if (!edit)
        return;
    FNoAction = edit->PopupVisible();
    if (edit->PopupVisible())
        edit->ClosePopup(FStandard);
    else if ((edit->focusPolicy() & Qt::TabFocus) && edit->isEnabled() && !edit->hasFocus())
        edit->setFocus(Qt::MouseFocusReason);
}

void TWkEditButton::Paint(TCanvas& canvas) {
    if (ThemesEnabled() && FDrawThemedDropDownBtn) {
        const TWkButtonState state = PaintState();
        QStyleOption option;
        option.initFrom(this);
        option.state &= ~(QStyle::State_MouseOver | QStyle::State_Sunken);
        if (state == rbsDisabled)
            option.state &= ~QStyle::State_Enabled;
        else if (state == rbsDown || state == rbsExclusive)
            option.state |= QStyle::State_Sunken;
        else if (MouseInControl() || Dragging())
            option.state |= QStyle::State_MouseOver;
        QPainter& painter = canvas.Painter();
        painter.fillRect(rect(), palette().color(QPalette::Base));
        style()->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &painter, this);
        style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, this);
        return;
    }
    TWkImageSpeedButton::Paint(canvas);
    if (ThemesEnabled() || PaintState() == rbsDown)
        return;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect({0, 0, 1, height()});
    canvas.Brush.Color = clBtnHighlight;
    canvas.FillRect({1, 1, 2, height() - 1});
}
