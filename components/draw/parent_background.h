#pragma once
// What lies under a control that does not paint its own background: the parent's background
// and the siblings placed before it.

#include "platform/ui/canvas.h"

class QWidget;

// Paints onto canvas (in the control's coordinates) the parent's background and every visible
// sibling before control in the parent's child order that overlaps it. Each widget painted is
// marked as painting a copy while it paints. Nothing without a parent.
void CopyParentBackground(QWidget* control, TCanvas& canvas);

// True while the widget paints itself as a copy under another control.
bool IsPaintingCopy(const QWidget* widget);
