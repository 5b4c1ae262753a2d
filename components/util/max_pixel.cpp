#include "components/util/max_pixel.h"

#include <QFontMetrics>
#include <QWidget>

TWkMaxPixel::TWkMaxPixel(QWidget* parent) : FParent(parent) {}

void TWkMaxPixel::SetLength(int value) {
    if (value == FLength)
        return;
    FLength = value;
    Changed();
}

void TWkMaxPixel::SetUseControlFont(bool value) {
    if (value == FUseControlFont)
        return;
    FUseControlFont = value;
    Changed();
}

void TWkMaxPixel::SetFont(const QFont& font) {
    if (&font == &FFont)
        return;
    FFont = font;
    Changed();
}

bool TWkMaxPixel::Test(QString& value, const QFont& parentFont) const {
    if (FLength == 0)
        return true;
    const QFont& font = FUseControlFont ? parentFont : FFont;
    const QFontMetrics metrics = FParent ? QFontMetrics(font, FParent) : QFontMetrics(font);
    const bool tooWide = metrics.horizontalAdvance(value) > FLength;
    while (!value.isEmpty() && metrics.horizontalAdvance(value) > FLength)
        value.chop(value.size() > 1 && value.back().isLowSurrogate() ? 2 : 1);
    return tooWide;
}

void TWkMaxPixel::Changed() {
    if (OnChanged)
        OnChanged();
}
