#include "configurator/window/color_combo.h"

#include "configurator/window/wheel_focus_filter.h"
#include "configurator/window/widget_factory.h"

#include <QPixmap>

namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

constexpr NamedColor StandardColors[] = {
    {"Black", clBlack},   {"Maroon", clMaroon},   {"Green", clGreen}, {"Olive", clOlive},
    {"Navy", clNavy},     {"Purple", clPurple},   {"Teal", clTeal},   {"Gray", clGray},
    {"Silver", clSilver}, {"Red", clRed},         {"Lime", clLime},   {"Yellow", clYellow},
    {"Blue", clBlue},     {"Fuchsia", clFuchsia}, {"Aqua", clAqua},   {"White", clWhite},
};

QPixmap Swatch(TColor color) {
    QPixmap swatch(12, 12);
    swatch.fill(ToQColor(color));
    return swatch;
}

} // namespace

ColorCombo::ColorCombo(QWidget* parent) : QComboBox(parent) {
    for (const auto& named : StandardColors) {
        addItem(Swatch(named.color), QString::fromLatin1(named.name), named.color);
    }
}

TColor ColorCombo::ColorValue() const {
    return currentIndex() < 0 ? clBlack : currentData().toInt();
}

void ColorCombo::SetColorValue(TColor color) {
    int index = findData(color);
    if (index < 0) {
        addItem(Swatch(color), QStringLiteral("$%1").arg(color, 8, 16, QLatin1Char('0')), color);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

ColorCombo* MakeColorCombo(QWidget* parent, const QString& name, Place place) {
    auto* combo = new ColorCombo(parent);
    combo->setObjectName(name);
    combo->setGeometry(place.x, place.y, place.width, place.height);
    WheelFocusFilter::install(combo);
    return combo;
}
