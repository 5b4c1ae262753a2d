#pragma once
// The focus frame of the extension layer's windowed controls: an outer ring in the frame colour
// and an inner ring that shows the control's own colour while it is not highlighted.

#include "platform/ui/color.h"

class QWidget;

constexpr TColor FocusedFrameColor = 0x00733800;
constexpr TColor UnfocusedFrameColor = 0x00808080;

// Draws both rings along the control's edge (call from its paint event).
void DrawHighlightFrame(QWidget* control, bool highlighted);
