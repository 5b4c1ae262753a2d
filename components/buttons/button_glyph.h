#pragma once
// Paints a button's glyph and caption. From one bitmap of up to five cells (up, disabled, down,
// exclusive, inactive) it derives the image of each state once and keeps it in the shared
// glyph cache; images of an image list are derived while drawing.

#include "components/buttons/button_layout.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

#include <array>
#include <functional>

class TImageList;
class TWkGlyphList;

// What DrawEx paints besides the painter's own glyph.
struct TButtonContent {
    QString caption;
    TButtonLayout layout = blGlyphTop;
    int margin = -1;
    int spacing = 1;
    bool popupMark = false;
    const TImageList* images = nullptr; // drawn instead of the bitmap when imageIndex >= 0
    int imageIndex = -1;
    TWkButtonState state = rbsUp;
    bool paintOnGlass = false;
};

class TWkxButtonGlyph {
public:
    static constexpr int MaxNumGlyphs = 5;

    TWkxButtonGlyph();
    virtual ~TWkxButtonGlyph();
    TWkxButtonGlyph(const TWkxButtonGlyph&) = delete;
    TWkxButtonGlyph& operator=(const TWkxButtonGlyph&) = delete;

    const TBitmap& Glyph() const { return FOriginal; }
    // Takes a copy of the bitmap. Its transparent colour becomes the painter's; a width that is
    // a multiple of the height gives that many cells when below 6, else one.
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return FNumGlyphs; }
    // Ignores 0 and the current count.
    void SetNumGlyphs(int value);
    bool GrayNewStyle() const { return FGrayNewStyle; }
    void SetGrayNewStyle(bool value);
    TColor TransparentColor() const { return FTransparentColor; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { FWordWrap = value; }

    // The slot of state's derived image in GlyphList(), made on first use; -1 without a glyph.
    int CreateButtonGlyph(TWkButtonState state);
    const TWkGlyphList* GlyphList() const { return FGlyphList; }
    // The cell size of the bitmap; 0 x 0 without one.
    TSize CellSize() const;
    // Drops the derived images and hands the list back to the cache.
    void Invalidate();

    // Lays out and paints glyph (or list image), caption and mark in client; returns where the
    // caption went. The pieces go through the four Draw operations below, which descendants
    // may paint differently.
    TRect DrawEx(TCanvas& canvas, const TRect& client, TPoint offset,
                 const TButtonContent& content);
    // DrawEx with the painter's own glyph only (no image list).
    TRect Draw(TCanvas& canvas, const TRect& client, TPoint offset, const TButtonContent& content);

    // The glyph's derived image of state with its top-left corner at at.
    virtual void DrawButtonGlyph(TCanvas& canvas, TPoint at, TWkButtonState state,
                                 bool paintOnGlass);
    // Cell index of images as a button in state shows it: disabled greyed (embossed unless
    // GrayNewStyle), inactive grey but for the transparent and button-face colours.
    virtual void DrawButtonImage(TCanvas& canvas, TPoint at, const TImageList& images, int index,
                                 TWkButtonState state, bool paintOnGlass);
    // The caption in bounds by Alignment and WordWrap; a disabled caption is engraved.
    virtual void DrawButtonText(TCanvas& canvas, const QString& caption, TRect bounds,
                                TWkButtonState state, bool paintOnGlass);
    // The drop-down mark: a down-pointing triangle whose first row is one above at.
    virtual void DrawPopupMark(TCanvas& canvas, TPoint at, TWkButtonState state);

    // Told when the glyph changes.
    std::function<void()> OnChange;

private:
    TSize glyphSize(const TButtonContent& content) const;
    QString fittedCaption(TCanvas& canvas, const QString& caption, int width) const;
    QImage deriveCell(TWkButtonState state) const;
    void changed();

    TBitmap FOriginal;
    TWkGlyphList* FGlyphList = nullptr;
    std::array<int, ButtonStateCount> FIndexs;
    TColor FTransparentColor = 0xFF00FF;
    TAlignment FAlignment = taCenter;
    int FNumGlyphs = 1;
    bool FWordWrap = false;
    bool FGrayNewStyle = false;
};
