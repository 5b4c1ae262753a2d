#pragma once
// The states, layouts and styles shared by the speed button and its glyph painter.

// How a button looks at a moment: up, disabled, pressed, held down by its group, or flat and
// not under the mouse.
enum TWkButtonState { rbsUp, rbsDisabled, rbsDown, rbsExclusive, rbsInactive };
constexpr int ButtonStateCount = 5;

// Where the glyph sits relative to the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The classic (unthemed) face: bsWin31 draws the old double black frame.
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Where a button's drop-down menu opens.
enum TWkDropDownMenuPos { dmpBottom, dmpRight };
