#pragma once
// Colours one part of a control, as the Color property of the original controls did: the edit
// area (QPalette::Base) of edits and spin boxes, the face (QPalette::Window) of indicators.

#include "platform/ui/color.h"

#include <QPalette>
#include <QWidget>

inline void SetControlColor(QWidget* control, QPalette::ColorRole role, TColor color) {
    QPalette palette = control->palette();
    palette.setColor(role, ToQColor(color));
    control->setPalette(palette);
}
