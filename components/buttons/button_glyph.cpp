#include "components/buttons/button_glyph.h"

#include "components/buttons/glyph_cache.h"
#include "components/draw/themed_background.h"
#include "components/draw/transparent_bitmap.h"
#include "components/util/text_shortening.h"
#include "platform/ui/image_list.h"

#include <QPainter>

namespace {

// Bitmaps of six cells or more are taken as one picture.
constexpr int MaxCellsFromWidth = 6;

int greyLevel(QRgb pixel) {
    return (77 * qRed(pixel) + 150 * qGreen(pixel) + 29 * qBlue(pixel)) >> 8;
}

QImage greyImage(const QImage& image, const QList<QRgb>& kept) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) == 0 || kept.contains(pixel & RGB_MASK))
                continue;
            const int level = greyLevel(pixel);
            line[x] = qRgba(level, level, level, qAlpha(pixel));
        }
    }
    return result;
}

QRgb rgbOf(TColor color) {
    return ToQColor(ColorToRGB(color)).rgb() & RGB_MASK;
}

unsigned alignmentFlags(TAlignment alignment) {
    switch (alignment) {
    case taLeftJustify:
        return DT_LEFT;
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    }
    return DT_CENTER;
}

// Every pixel but the transparent colour and clBtnFace turned to its grey level.
QImage inactiveImage(const QImage& image, TColor transparent) {
    return greyImage(image, {rgbOf(transparent), rgbOf(clBtnFace)});
}

} // namespace

TWkxButtonGlyph::TWkxButtonGlyph() {
    FIndexs.fill(-1);
}

TWkxButtonGlyph::~TWkxButtonGlyph() {
    Invalidate();
    FreeGlyphCacheIfEmpty();
}

void TWkxButtonGlyph::SetGlyph(const TBitmap& glyph) {
    Invalidate();
    FOriginal.Assign(&glyph);
    if (FOriginal.Height() > 0) {
        FTransparentColor = FOriginal.TransparentColor() & ~PaletteRelativeFlag;
        if (FOriginal.Width() % FOriginal.Height() == 0) {
            const int cells = FOriginal.Width() / FOriginal.Height();
            FNumGlyphs = cells < MaxCellsFromWidth ? cells : 1;
        }
    }
    changed();
}

void TWkxButtonGlyph::SetNumGlyphs(int value) {
    if (value <= 0 || value == FNumGlyphs)
        return;
    Invalidate();
    FNumGlyphs = value;
    changed();
}

void TWkxButtonGlyph::SetGrayNewStyle(bool value) {
    if (value == FGrayNewStyle)
        return;
    Invalidate();
    FGrayNewStyle = value;
    changed();
}

TSize TWkxButtonGlyph::CellSize() const {
    if (FOriginal.Empty())
        return {};
    return {FOriginal.Width() / FNumGlyphs, FOriginal.Height()};
}

void TWkxButtonGlyph::Invalidate() {
    if (FGlyphList) {
        for (int& index : FIndexs)
            FGlyphList->Delete(index);
        if (TWkGlyphCache* cache = ExistingGlyphCache())
            cache->ReturnList(FGlyphList);
    }
    FIndexs.fill(-1);
    FGlyphList = nullptr;
}

int TWkxButtonGlyph::CreateButtonGlyph(TWkButtonState state) {
    if (state == rbsDown && FNumGlyphs < 3)
        state = rbsUp;
    if (FIndexs[state] != -1)
        return FIndexs[state];
    const TSize cell = CellSize();
    if (cell.cx <= 0 || cell.cy <= 0)
        return -1;
    if (!FGlyphList)
        FGlyphList = GlyphCache().GetList(cell.cx, cell.cy);
    const bool embossed = state == rbsDisabled && FNumGlyphs < 2 && !FGrayNewStyle;
    FIndexs[state] =
        FGlyphList->AddMasked(deriveCell(state), embossed ? clBtnFace : FTransparentColor);
    return FIndexs[state];
}

QImage TWkxButtonGlyph::deriveCell(TWkButtonState state) const {
    const TSize cell = CellSize();
    const int source = state < FNumGlyphs ? state : 0;
    QImage scratch(cell.cx, cell.cy, QImage::Format_ARGB32);
    scratch.fill(ToQColor(ColorToRGB(clBtnFace)));
    {
        QPainter painter(&scratch);
        painter.drawImage(QPoint(0, 0), FOriginal.Image(),
                          QRect(source * cell.cx, 0, cell.cx, cell.cy));
    }
    if (state == rbsDisabled && FNumGlyphs < 2) {
        if (FGrayNewStyle)
            return greyImage(scratch, {rgbOf(FTransparentColor)});
        TBitmap shape;
        shape.SetImage(scratch);
        return MakeDisabledBitmapStd(shape, FTransparentColor)->Image();
    }
    if (state == rbsInactive && FNumGlyphs < MaxNumGlyphs)
        return inactiveImage(scratch, FTransparentColor);
    return scratch;
}

TSize TWkxButtonGlyph::glyphSize(const TButtonContent& content) const {
    if (content.images && content.imageIndex >= 0 && content.images->Width() > 0)
        return {content.images->Width(), content.images->Height()};
    return CellSize();
}

QString TWkxButtonGlyph::fittedCaption(TCanvas& canvas, const QString& caption, int width) const {
    if (FWordWrap)
        return caption;
    QStringList lines = caption.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        line = ShortenTextToWidth(line, canvas, width);
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
    }
    return lines.join(QLatin1Char('\n'));
}

TRect TWkxButtonGlyph::DrawEx(TCanvas& canvas, const TRect& client, TPoint offset,
                              const TButtonContent& content) {
    TButtonLayoutInput input;
    input.client = client;
    input.glyph = glyphSize(content);
    input.layout = content.layout;
    input.margin = content.margin;
    input.spacing = content.spacing;
    input.popupMark = content.popupMark;
    input.alignment = FAlignment;
    input.offset = offset;

    const int freeWidth = std::max(0, FreeCaptionWidth(input));
    const QString caption = fittedCaption(canvas, content.caption, freeWidth);
    if (!caption.isEmpty()) {
        TRect measured{0, 0, freeWidth, client.Height()};
        canvas.DrawText(caption, measured,
                        DT_CALCRECT | DT_VCENTER | (FWordWrap ? DT_WORDBREAK : 0u) |
                            alignmentFlags(FAlignment));
        input.text = {std::min(measured.Width(), freeWidth),
                      std::min(measured.Height(), client.Height())};
    }
    const TButtonLayoutResult layout = LayoutButtonContent(input);
    if (content.images && content.imageIndex >= 0)
        DrawButtonImage(canvas, layout.glyphPos, *content.images, content.imageIndex, content.state,
                        content.paintOnGlass);
    else
        DrawButtonGlyph(canvas, layout.glyphPos, content.state, content.paintOnGlass);
    if (!caption.isEmpty())
        DrawButtonText(canvas, caption, layout.textBounds, content.state, content.paintOnGlass);
    if (content.popupMark)
        DrawPopupMark(canvas, layout.markPos, content.state);
    return layout.textBounds;
}

TRect TWkxButtonGlyph::Draw(TCanvas& canvas, const TRect& client, TPoint offset,
                            const TButtonContent& content) {
    TButtonContent own = content;
    own.images = nullptr;
    own.imageIndex = -1;
    return DrawEx(canvas, client, offset, own);
}

void TWkxButtonGlyph::DrawButtonGlyph(TCanvas& canvas, TPoint at, TWkButtonState state,
                                      bool paintOnGlass) {
    const int index = CreateButtonGlyph(state);
    if (index >= 0)
        DrawImageListImage(FGlyphList->Images(), index, canvas, at.X, at.Y, ILD_TRANSPARENT,
                           paintOnGlass);
}

void TWkxButtonGlyph::DrawButtonImage(TCanvas& canvas, TPoint at, const TImageList& images,
                                      int index, TWkButtonState state, bool paintOnGlass) {
    if (index < 0 || index >= images.Count())
        return;
    if (state == rbsDisabled) {
        if (FGrayNewStyle)
            images.Draw(canvas, at.X, at.Y, index, false);
        else
            DrawImageListItemDisabled(images, canvas, at.X, at.Y, index, clBtnHighlight,
                                      clBtnShadow, true);
        return;
    }
    if (state == rbsInactive) {
        canvas.Painter().drawImage(QPoint(at.X, at.Y),
                                   inactiveImage(images.Image(index), FTransparentColor));
        return;
    }
    DrawImageListImage(images, index, canvas, at.X, at.Y, ILD_TRANSPARENT, paintOnGlass);
}

void TWkxButtonGlyph::DrawButtonText(TCanvas& canvas, const QString& caption, TRect bounds,
                                     TWkButtonState state, bool paintOnGlass) {
    const unsigned flags =
        DT_VCENTER | (FWordWrap ? DT_WORDBREAK : 0u) | alignmentFlags(FAlignment);
    const TBrush savedBrush = canvas.Brush;
    const TColor savedColor = canvas.Font.Color;
    canvas.Brush.Style = bsClear;
    if (state == rbsDisabled) {
        TRect shifted{bounds.Left + 1, bounds.Top + 1, bounds.Right + 1, bounds.Bottom + 1};
        canvas.Font.Color = clBtnHighlight;
        DrawThemedText(canvas, caption, shifted, paintOnGlass, flags);
        canvas.Font.Color = clBtnShadow;
    }
    DrawThemedText(canvas, caption, bounds, paintOnGlass, flags);
    canvas.Font.Color = savedColor;
    canvas.Brush = savedBrush;
}

void TWkxButtonGlyph::DrawPopupMark(TCanvas& canvas, TPoint at, TWkButtonState state) {
    const TBrush saved = canvas.Brush;
    auto triangle = [&canvas, at](int dx, int dy, TColor color) {
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = color;
        for (int row = 0; row < 4; ++row) {
            const int left = at.X + dx + row;
            const int top = at.Y + dy - 1 + row;
            canvas.FillRect({left, top, left + 7 - 2 * row, top + 1});
        }
    };
    if (state != rbsDisabled) {
        triangle(0, 0, clBtnText);
    } else {
        triangle(1, 1, clBtnHighlight);
        triangle(0, 0, clBtnShadow);
    }
    canvas.Brush = saved;
}

void TWkxButtonGlyph::changed() {
    if (OnChange)
        OnChange();
}
