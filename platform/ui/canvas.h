#pragma once
// A drawing surface with the desktop canvas's rules over a QPainter: the current Pen, Brush and
// Font are plain values the caller sets before each call; rectangles exclude Right and Bottom;
// LineTo leaves out its end point; text is opaque on the brush colour unless the brush is clear.

#include "platform/ui/geometry.h"
#include "platform/ui/graphics_objects.h"

#include <QPainter>
#include <QString>
#include <memory>
#include <span>

// DrawText flags, valued as on the desktop.
enum DrawTextFlag : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_PATH_ELLIPSIS = 0x4000,
    DT_END_ELLIPSIS = 0x8000,
    DT_MODIFYSTRING = 0x10000,
    DT_RTLREADING = 0x20000,
    DT_WORD_ELLIPSIS = 0x40000,
};

class TCanvas {
public:
    // Paints on device until the canvas is destroyed.
    explicit TCanvas(QPaintDevice* device);
    // Draws through a painter the caller owns and keeps active.
    explicit TCanvas(QPainter& painter);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    TPoint PenPos() const { return penPos; }
    void MoveTo(int x, int y);
    // A line from the pen position to (x, y) without its last pixel; the position moves there.
    void LineTo(int x, int y);
    // Outline in Pen, inside filled with Brush; covers Left..Right-1 and Top..Bottom-1.
    void Rectangle(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom) {
        Rectangle(TRect{left, top, right, bottom});
    }
    void FillRect(const TRect& r);
    // A one-pixel outline in the brush colour.
    void FrameRect(const TRect& r);
    void Ellipse(const TRect& r);
    void Polygon(std::span<const TPoint> points);

    // Text with its top left corner at (x, y), turned by Font.Escapement around that corner.
    void TextOut(int x, int y, const QString& text);
    TSize TextExtent(const QString& text) const;
    int TextWidth(const QString& text) const { return TextExtent(text).cx; }
    int TextHeight(const QString& text) const { return TextExtent(text).cy; }
    // Text laid out in r by the DT_ flags; returns the text height. With DT_CALCRECT nothing is
    // drawn and r's Right and Bottom are set to the text's extent. The ellipsis flags shorten
    // what is wider than r: DT_END_ELLIPSIS cuts a line's end, DT_WORD_ELLIPSIS cuts each word
    // that is wider than r by itself, DT_PATH_ELLIPSIS cuts a line's middle and keeps what
    // follows its last "\" or "/". When lines wrap, the end and word kinds cut only words
    // wider than r, so the wrapped lines fit.
    int DrawText(const QString& text, TRect& r, unsigned flags);

    // Copies an image, stretched to fill r.
    void StretchDraw(const TRect& r, const QImage& image);

    QPainter& Painter() { return *painter; }

private:
    void applyPen();
    void applyBrush();

    std::unique_ptr<QPainter> ownPainter;
    QPainter* painter;
    TPoint penPos;
};
