#pragma once
// One item of a combo box's list painted through the box's delegate, as the open list shows it.

#include "components/combo/combo_box.h"

#include <QImage>
#include <QSize>
#include <QStyle>

// The enabled item in state, painted over black in a row of size.
QImage ListItemImage(TWkCustomComboBox& box, int index, QStyle::State state, QSize size);
