#include "components/draw/transparent_bitmap.h"

#include "platform/ui/color_key.h"

#include <QFontMetrics>
#include <QPainter>
#include <utility>

namespace {

QRgb rgbKey(TColor color) {
    return ToQColor(ColorToRGB(color & ~PaletteRelativeFlag)).rgb() & RGB_MASK;
}

// An image of shape's size, in color where shape is opaque and clear elsewhere.
QImage shapeIn(const QImage& shape, TColor color) {
    const QRgb fill = ToQColor(color).rgb();
    QImage out(shape.size(), QImage::Format_ARGB32);
    for (int y = 0; y < shape.height(); ++y)
        for (int x = 0; x < shape.width(); ++x)
            out.setPixel(x, y, qAlpha(shape.pixel(x, y)) != 0 ? fill : 0);
    return out;
}

// Keeps the bitmap's change notification away while it is only read.
class DetachedChange {
public:
    explicit DetachedChange(TBitmap& b) : bitmap(b), saved(std::exchange(b.OnChange, nullptr)) {}
    ~DetachedChange() { bitmap.OnChange = std::move(saved); }

private:
    TBitmap& bitmap;
    std::function<void(TGraphic&)> saved;
};

} // namespace

TColor PaletteRgbOf(TColor color) {
    return ColorToRGB(color) | PaletteRelativeFlag;
}

void TransparentStretchBlt(TCanvas& dest, int x, int y, int w, int h, const QImage& source, int sx,
                           int sy, int sw, int sh, TColor transparent) {
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0 || source.isNull())
        return;
    const QImage part = WithoutKeyColor(source.copy(sx, sy, sw, sh), rgbKey(transparent));
    dest.Painter().drawImage(QRect(x, y, w, h), part);
}

void StretchTransparentBitmap(TCanvas& canvas, TBitmap& bitmap, TColor transparent, int x, int y,
                              int w, int h, const TRect& source) {
    if (bitmap.Empty())
        return;
    DetachedChange detached(bitmap);
    if (w < 1)
        w = bitmap.Width();
    if (h < 1)
        h = bitmap.Height();
    TRect from = source;
    if (from.Width() < 1 || from.Height() < 1)
        from = Rect(0, 0, bitmap.Width(), bitmap.Height());
    if (transparent == clNone) {
        canvas.Painter().drawImage(QRect(x, y, w, h), bitmap.Image(), ToQRect(from));
        return;
    }
    if (bitmap.Monochrome())
        transparent = clWhite;
    else if (transparent == clDefault)
        transparent = bitmap.Pixel(0, bitmap.Height() - 1);
    TransparentStretchBlt(canvas, x, y, w, h, bitmap.Image(), from.Left, from.Top, from.Width(),
                          from.Height(), transparent);
}

void StretchTransparentBitmapRect(TCanvas& canvas, int x, int y, int w, int h, const TRect& source,
                                  TBitmap& bitmap, TColor transparent) {
    StretchTransparentBitmap(canvas, bitmap, transparent, x, y, w, h, source);
}

void DrawTransparentBitmap(TCanvas& canvas, int x, int y, TBitmap& bitmap, TColor transparent) {
    StretchTransparentBitmap(canvas, bitmap, transparent, x, y, bitmap.Width(), bitmap.Height(),
                             TRect{});
}

std::unique_ptr<TBitmap> MakeDisabledBitmapColored(const TBitmap& bitmap, TColor transparent,
                                                   TColor background, bool withHighlight,
                                                   TColor shadow, TColor highlight) {
    auto result = std::make_unique<TBitmap>();
    if (bitmap.Empty())
        return result;
    if (transparent == clDefault)
        transparent = bitmap.Pixel(0, bitmap.Height() - 1);
    const QImage shape = WithoutKeyColor(bitmap.Image(), rgbKey(transparent));
    QImage pixels(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
    pixels.fill(ToQColor(background));
    QPainter painter(&pixels);
    if (withHighlight)
        painter.drawImage(1, 1, shapeIn(shape, highlight));
    painter.drawImage(0, 0, shapeIn(shape, shadow));
    painter.end();
    result->SetImage(pixels, pfDevice);
    return result;
}

std::unique_ptr<TBitmap> MakeDisabledBitmap(const TBitmap& bitmap, TColor transparent) {
    return MakeDisabledBitmapColored(bitmap, transparent, transparent & ~PaletteRelativeFlag, true,
                                     clBtnShadow, clBtnHighlight);
}

std::unique_ptr<TBitmap> MakeDisabledBitmapStd(const TBitmap& bitmap, TColor transparent) {
    return MakeDisabledBitmapColored(bitmap, transparent, clBtnFace, true, clBtnShadow,
                                     clBtnHighlight);
}

void DrawImageListItemDisabled(const TImageList& list, TCanvas& canvas, int x, int y, int index,
                               TColor highlight, TColor shadow, bool withHighlight) {
    const QImage shape = list.Image(index);
    if (shape.isNull())
        return;
    if (withHighlight)
        canvas.Painter().drawImage(x + 1, y + 1, shapeIn(shape, highlight));
    canvas.Painter().drawImage(x, y, shapeIn(shape, shadow));
}

std::unique_ptr<TBitmap> MakeCheckerBrushBitmap(TColor color1, TColor color2) {
    QImage pixels(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pixels.setPixel(x, y, ToQColor((x + y) % 2 == 0 ? color2 : color1).rgb());
    auto result = std::make_unique<TBitmap>();
    result->SetImage(pixels, pfDevice);
    return result;
}

int CanvasTextHeight(const TCanvas& canvas) {
    return QFontMetrics(ToQFont(canvas.Font)).height();
}
