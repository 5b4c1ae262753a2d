#include "platform/ui/graphics_objects.h"

#include <QGuiApplication>
#include <cstdlib>

namespace {

// Dash patterns of the desktop's one-pixel pens, in pen widths (on, off, ...).
QList<qreal> dashPattern(TPenStyle style) {
    switch (style) {
    case psDash:
        return {18, 6};
    case psDot:
        return {3, 3};
    case psDashDot:
        return {9, 6, 3, 6};
    case psDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

} // namespace

int TFont::Size() const {
    return (std::abs(Height) * 72 + ScreenPixelsPerInch / 2) / ScreenPixelsPerInch;
}

void TFont::SetSize(int points) {
    Height = -((points * ScreenPixelsPerInch + 36) / 72);
}

QPen ToQPen(const TPen& pen) {
    if (pen.Style == psClear)
        return QPen(Qt::NoPen);
    // A flat cap leaves out the last pixel of a one-pixel line, as LineTo does.
    QPen result(ToQColor(pen.Color), std::max(1, pen.Width), Qt::SolidLine, Qt::FlatCap,
                Qt::MiterJoin);
    const QList<qreal> dashes = dashPattern(pen.Style);
    if (!dashes.isEmpty())
        result.setDashPattern(dashes);
    return result;
}

QBrush ToQBrush(const TBrush& brush) {
    if (brush.Style == bsClear)
        return QBrush(Qt::NoBrush);
    return QBrush(ToQColor(brush.Color));
}

QFont ToQFont(const TFont& font) {
    QFont result = QGuiApplication::font();
    if (!font.Name.isEmpty())
        result.setFamily(font.Name);
    result.setPixelSize(std::max(1, std::abs(font.Height)));
    if (font.Weight > 0)
        result.setWeight(static_cast<QFont::Weight>(std::clamp(font.Weight, 1, 1000)));
    else
        result.setBold(font.Style & fsBold);
    result.setItalic(font.Style & fsItalic);
    result.setUnderline(font.Style & fsUnderline);
    result.setStrikeOut(font.Style & fsStrikeOut);
    if (font.Pitch != fpDefault) {
        result.setFixedPitch(font.Pitch == fpFixed);
        result.setStyleHint(font.Pitch == fpFixed ? QFont::TypeWriter : QFont::AnyStyle);
    }
    return result;
}

TFont FromQFont(const QFont& font, TColor color) {
    TFont result;
    result.Name = font.family();
    result.Height = font.pixelSize() > 0 ? -font.pixelSize()
                                         : -qRound(font.pointSizeF() * ScreenPixelsPerInch / 72.0);
    result.Style = (font.bold() ? fsBold : 0u) | (font.italic() ? fsItalic : 0u) |
                   (font.underline() ? fsUnderline : 0u) | (font.strikeOut() ? fsStrikeOut : 0u);
    result.Color = color;
    if (font.fixedPitch())
        result.Pitch = fpFixed;
    return result;
}
