#pragma once
// Colour values as text the way the form designer writes them: the identifier of a named colour
// ("clRed", "clBtnFace", "clNone") and "$" with eight upper-case hex digits for any other.

#include "platform/ui/color.h"

#include <QString>

QString ColorToString(TColor color);
