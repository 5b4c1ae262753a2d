#pragma once
// Colour shading across a rectangle, one line per pixel row or column: over n lines, line i has
// for each of red, green and blue first + ceiling((second - first) / n * i).

#include "platform/ui/canvas.h"

enum class ShadeDirection { TopToBottom, LeftToRight };

// The colour of line i of n, going from first towards second.
TColor ShadeColor(TColor first, TColor second, int i, int n);

// Shades r from first (top or left) to second; nothing for an empty rectangle. The canvas's
// pen is left as it was.
void FillShaded(TCanvas& canvas, const TRect& r, TColor first, TColor second,
                ShadeDirection direction);
