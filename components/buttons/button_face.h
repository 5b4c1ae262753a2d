#pragma once
// The classic (unthemed) 3D face of a button.

#include "components/buttons/button_types.h"
#include "platform/ui/canvas.h"

// Each RGB channel of color raised by 64 (capped at 255) or lowered by 64 (floored at 0).
TColor FaceHighlight(TColor color);
TColor FaceShadow(TColor color);

// Draws the face frame of a button of color into r and shrinks r to what lies inside it.
void DrawClassicFrame(TCanvas& canvas, TRect& r, bool pressed, TButtonStyle style, bool flat,
                      TColor color);
