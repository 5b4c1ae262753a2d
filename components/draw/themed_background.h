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

// A themed element: its theme class, part and state, numbered as the desktop's themes number
// them.
enum class TThemedClass { Button, ToolBar };
constexpr int BP_PUSHBUTTON = 1;
constexpr int BP_RADIOBUTTON = 2;
constexpr int BP_CHECKBOX = 3;
constexpr int BP_GROUPBOX = 4;
constexpr int PBS_NORMAL = 1;
constexpr int PBS_HOT = 2;
constexpr int PBS_PRESSED = 3;
constexpr int PBS_DISABLED = 4;
constexpr int PBS_DEFAULTED = 5;
// Check box and radio button states: unchecked 1..4, checked 5..8, mixed 9..12, each as
// normal, hot, pressed, disabled.
constexpr int CBS_UNCHECKEDNORMAL = 1;
constexpr int CBS_CHECKEDNORMAL = 5;
constexpr int CBS_MIXEDNORMAL = 9;
constexpr int GBS_NORMAL = 1;
constexpr int GBS_DISABLED = 2;
constexpr int TP_BUTTON = 1;
constexpr int TS_NORMAL = 1;
constexpr int TS_HOT = 2;
constexpr int TS_PRESSED = 3;
constexpr int TS_DISABLED = 4;
constexpr int TS_CHECKED = 5;
constexpr int TS_HOTCHECKED = 6;

struct TThemedElementDetails {
    TThemedClass Element;
    int Part;
    int State;
};

// The part of bounding that holds the element's content (its text and glyph), as the style lays
// out that element in that state: inside a push button's frame (and its default-button ring),
// inside a tool button's frame, beside a check box's or radio button's mark, below a group
// box's title. An element the style has no layout for keeps all of bounding. Always true.
bool ThemedContentRect(const QStyle* style, const TThemedElementDetails& details,
                       const TRect& bounding, TRect& content);
// The same for a push button in its normal state.
bool ThemedContentRect(const QStyle* style, const TRect& bounding, TRect& content);

// The colour a widget shows as its background, as a TColor.
TColor ControlColor(const QWidget* control);

// A control that lets its parent's background show through (it does not fill its own): the
// csParentBackground style flag.
bool HasParentBackground(const QWidget* control);
void SetParentBackground(QWidget* control, bool value);
// The csNeedsBorderPaint style flag: the control's border is drawn by the theme rather than by
// the control. Set for a control when asked for; off by default.
bool NeedsBorderPaint(const QWidget* control);
void SetNeedsBorderPaint(QWidget* control, bool value);

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
