#pragma once
// Backgrounds of library controls that should look like part of their parent: a control either
// fills its rectangle plainly or lets its parent paint its own background under it.

#include "platform/ui/canvas.h"

#include <QPoint>
#include <optional>

class QWidget;

// The colour a widget shows as its background, as a TColor.
TColor ControlColor(const QWidget* control);

// A control that lets its parent's background show through (it does not fill its own).
bool HasParentBackground(const QWidget* control);

// Fills r on canvas in color, or, when the control has a parent whose colour is the same and
// the control lets the parent's background through (or mustDrawParentBackground is off), paints
// the parent's background there instead. The brush colour is left as it was.
void FillThemedBackground(QWidget* control, TCanvas& canvas, const TRect& r,
                          bool mustDrawParentBackground, TColor color);
void FillThemedBackground(QWidget* control, TCanvas& canvas, const TRect& r,
                          bool mustDrawParentBackground);

// Paints the parent's background (not its children) onto canvas, which draws in the control's
// coordinates shifted by offset (the control's position in its parent); only inside clip when
// one is given. The canvas's clipping is the same afterwards. Nothing without a parent.
void EraseParentBackground(QWidget* control, TCanvas& canvas, QPoint offset,
                           std::optional<TRect> clip = std::nullopt);
void EraseParentBackground(QWidget* control, TCanvas& canvas);
