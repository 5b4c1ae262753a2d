#pragma once
// Backgrounds of library controls that should look like part of their parent: a control either
// fills its rectangle plainly or lets its parent paint its own background under it.

#include "platform/ui/canvas.h"

#include <QPoint>
#include <QStyle>
#include <optional>

class QWidget;
class TImageList;

// Themes are on unless the application runs the classic "Windows" style, which draws the
// flat 3D look of the desktop without visual themes.
bool ThemesEnabled();

// A control marked as painting on glass keeps the alpha of what it draws; an ancestor that
// buffers its own painting (and is not a window) takes the glass away again.
void SetPaintsOnGlassState(QWidget* control, bool value);
void SetDoubleBufferedState(QWidget* control, bool value);
bool PaintsOnGlass(const QWidget* control);

// Text laid out in r by the DT_ flags in the canvas font's colour. Composited (on glass), no
// background is painted behind the text, so the surface's alpha stays. Returns the text height;
// with DT_CALCRECT only r is measured.
int DrawThemedText(TCanvas& canvas, const QString& text, TRect& r, bool composited,
                   unsigned format);

// Image-list drawing styles.
constexpr unsigned ILD_NORMAL = 0x0;
constexpr unsigned ILD_TRANSPARENT = 0x1;
constexpr unsigned ILD_MASK = 0x10;

// Draws a cell of list at (x, y) (ILD_MASK: its mask). Composited, the cell is made opaque
// where its mask is black and fully transparent elsewhere, so glass shows only around it.
void DrawImageListImage(const TImageList& list, int index, TCanvas& canvas, int x, int y,
                        unsigned style, bool composited);

// The part of bounding inside a button's frame, as the current style lays out a button of
// that size. Always true.
bool ThemedContentRect(const QStyle* style, const TRect& bounding, TRect& content);

// The colour a widget shows as its background, as a TColor.
TColor ControlColor(const QWidget* control);

// A control that lets its parent's background show through (it does not fill its own).
bool HasParentBackground(const QWidget* control);

// Fills r on canvas in color, or, when themes are on and the control has a parent whose colour is
// the same and the control lets the parent's background through (or mustDrawParentBackground is
// off), paints the parent's background there instead. The brush colour is left as it was.
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
