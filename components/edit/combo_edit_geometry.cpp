// The combo edit's frame, button place, text margins and least height.

#include "components/edit/combo_edit.h"

#include <QPainter>
#include <QStyle>

namespace {

// One border line of the desktop's metrics; the frame allowances count in it.
constexpr int BorderLine = 1;
constexpr int ButtonTextGap = 2;

} // namespace

QRect ComboButtonRect(QSize edit, int buttonWidth, bool frame, bool flat) {
    const int w = edit.width();
    const int h = edit.height();
    if (!frame)
        return {w - buttonWidth, 0, buttonWidth, h};
    if (flat)
        return {w - buttonWidth - 2, 2, buttonWidth, h - 4};
    return {w - buttonWidth - 3, 1, buttonWidth, h - 4};
}

int MinimumEditHeight(int textHeight, bool frame, bool flat) {
    if (!frame)
        return textHeight;
    return textHeight + BorderLine * (flat ? 6 : 8);
}

int AdjustedEditHeight(int textHeight, bool frame) {
    return frame ? textHeight + 4 * BorderLine + 1 : textHeight;
}

void TWkCustomComboEdit::AddButtonMargin(int& /*left*/, int& right) const {
    if (!FBtnControl->isHidden())
        right += FBtnControl->width() + ButtonTextGap;
}

void TWkCustomComboEdit::UpdateEditRect() {
    const int least = MinimumEditHeight(fontMetrics().height(), hasFrame(), FFlat);
    if (height() < least)
        resize(width(), least);
    BorderLayoutChanged();
}

// The style keeps the text inside its frame; the margins keep it clear of the button.
void TWkCustomComboEdit::BorderLayoutChanged() {
    int left = 0;
    int right = 0;
    AddButtonMargin(left, right);
    setTextMargins(left, 0, right, 0);
    LayoutChanged();
}

void TWkCustomComboEdit::AdjustSize() {
    const int adjusted = AdjustedEditHeight(fontMetrics().height(), hasFrame());
    if (height() < adjusted)
        resize(width(), adjusted);
}

void TWkCustomComboEdit::showEvent(QShowEvent* event) {
    TWkExCustomMaskEdit::showEvent(event);
    UpdateEditRect();
}

// A flat edit shows a one-pixel window-frame line where the style draws its 3D frame.
// QLineEdit::setFrame tells nothing but repaints: the button moves into the new frame here.
void TWkCustomComboEdit::paintEvent(QPaintEvent* event) {
    if (hasFrame() != FButtonFramed) {
        layoutButton();
        UpdateEditRect();
    }
    TWkExCustomMaskEdit::paintEvent(event);
    if (!FFlat || !hasFrame())
        return;
    const int frame =
        std::max(1, style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this));
    QPainter painter(this);
    const QRect outer = rect();
    const QRegion ring = QRegion(outer).subtracted(outer.adjusted(frame, frame, -frame, -frame));
    painter.setClipRegion(ring);
    painter.fillRect(outer, palette().color(QPalette::Base));
    painter.setClipping(false);
    painter.setPen(ToQColor(ColorToRGB(clWindowFrame)));
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
}
