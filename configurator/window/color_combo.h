#pragma once
// The window's colour boxes: the library's colour combo box with the window's captions, placed
// and taking the wheel only while focused.

#include "components/combo/color_combo_box.h"

struct Place;

// The LED boxes show names beside the colours; the chart's pen boxes pass coStdColors alone.
TWkColorComboBox* MakeColorCombo(QWidget* parent, const QString& name, Place place,
                                 TWkColorComboOptions options = coText | coStdColors);
