#pragma once
// Pens, brushes and fonts as the window code sets them on a canvas, and their one conversion to
// Qt's types. Colours are TColor values; the conversion resolves system colours.

#include "platform/ui/color.h"

#include <QBrush>
#include <QFont>
#include <QPen>
#include <QString>

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

enum TBrushStyle { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    int Width = 1;
    friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

// Font style bits.
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
// fpDefault takes the family's own pitch; the others ask Qt for a family of that pitch.
enum TFontPitch { fpDefault, fpVariable, fpFixed };

// Screen resolution the point sizes are converted with.
constexpr int ScreenPixelsPerInch = 96;

struct TFont {
    QString Name;     // empty: the application's default family
    int Height = -11; // pixels; negative counts the character height (8 points at 96 dpi)
    TColor Color = clWindowText;
    unsigned Style = 0; // TFontStyle bits
    int Weight = 0;     // 0: from fsBold; else 100..900 as on the desktop (700 is bold)
    int Escapement = 0; // text angle in tenths of a degree, counter-clockwise
    TFontPitch Pitch = fpDefault;

    int Size() const;
    void SetSize(int points);
    friend bool operator==(const TFont&, const TFont&) = default;
};

// Lines are drawn without their last pixel, as the desktop draws them; a pen of style psClear
// becomes Qt::NoPen.
QPen ToQPen(const TPen& pen);
QBrush ToQBrush(const TBrush& brush);
QFont ToQFont(const TFont& font);
// The canvas font of a Qt font drawn in color; a point size counts at ScreenPixelsPerInch.
TFont FromQFont(const QFont& font, TColor color);
