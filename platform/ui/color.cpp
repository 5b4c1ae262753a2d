#include "platform/ui/color.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// Desktop system-colour index -> the palette role that plays that part on this desktop.
QColor systemColor(int index) {
    const QPalette palette = QGuiApplication::instance() ? QGuiApplication::palette() : QPalette();
    switch (index) {
    case 1:
    case 12:
        return palette.color(QPalette::Dark);
    case 2:
    case 13:
    case 27:
    case 29:
        return palette.color(QPalette::Highlight);
    case 3:
    case 28:
        return palette.color(QPalette::Mid);
    case 5:
        return palette.color(QPalette::Base);
    case 6:
    case 21:
        return palette.color(QPalette::Shadow);
    case 7:
    case 8:
    case 18:
        return palette.color(QPalette::WindowText);
    case 9:
    case 14:
        return palette.color(QPalette::HighlightedText);
    case 16:
        return palette.color(QPalette::Dark);
    case 17:
    case 19:
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    case 20:
        return palette.color(QPalette::Light);
    case 22:
        return palette.color(QPalette::Midlight);
    case 23:
        return palette.color(QPalette::ToolTipText);
    case 24:
        return palette.color(QPalette::ToolTipBase);
    case 26:
        return palette.color(QPalette::Link);
    default:
        return palette.color(QPalette::Button);
    }
}

} // namespace

TColor ColorToRGB(TColor color) {
    if (color == clNone)
        return clBlack;
    if (color == clDefault)
        return FromQColor(systemColor(5));
    if (IsSystemColor(color))
        return FromQColor(systemColor(color & 0xFF));
    return color & 0xFFFFFF;
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}
