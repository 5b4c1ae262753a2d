#pragma once
// A drop-down list of named colours whose value is a TColor, standing in for the library's
// colour combo box until that control exists.

#include "platform/ui/color.h"

#include <QComboBox>

struct Place;

class ColorCombo final : public QComboBox {
    Q_OBJECT
public:
    explicit ColorCombo(QWidget* parent);

    TColor ColorValue() const;
    // Selects the item of that colour; a colour not in the list is added as one more item.
    void SetColorValue(TColor color);
};

ColorCombo* MakeColorCombo(QWidget* parent, const QString& name, Place place);
