#pragma once
// Where an edit's popup opens: below the edit, or above it when it would pass the bottom of the
// work area of the screen that holds the edit, aligned with the edit's right or left edge and
// kept inside that work area.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

enum TPopupAlign { epaRight, epaLeft };

// All rectangles in screen coordinates.
QPoint PopupPosition(const QRect& edit, QSize popup, const QRect& workArea, TPopupAlign align);

// The work area of the screen under the middle of control (its own screen when none is).
QRect ScreenWorkAreaOf(const QWidget* control);
