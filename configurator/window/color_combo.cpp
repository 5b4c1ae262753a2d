#include "configurator/window/color_combo.h"

#include "configurator/window/wheel_focus_filter.h"
#include "configurator/window/widget_factory.h"

TWkColorComboBox* MakeColorCombo(QWidget* parent, const QString& name, Place place,
                                 TWkColorComboOptions options) {
    auto* combo = new TWkColorComboBox(parent, options);
    combo->setObjectName(name);
    combo->setGeometry(place.x, place.y, place.width, place.height);
    combo->SetNewColorText(QStringLiteral("Custom"));
    combo->SetColorDialogText(QStringLiteral("Custom..."));
    combo->SetDroppedDownWidth(place.width);
    WheelFocusFilter::install(combo);
    return combo;
}
