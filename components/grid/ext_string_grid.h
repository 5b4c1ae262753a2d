#pragma once
// The extension layer over the desktop string grid.

#include "components/base/ext_control.h"
#include "components/grid/base_string_grid.h"

using TWkExStringGrid = TWkExControl<TStringGrid>;
