#pragma once
// The label as the window places it; all its behaviour is the custom label's.

#include "components/label/custom_label.h"

class TWkLabel : public TWkCustomLabel {
    Q_OBJECT

public:
    using TWkCustomLabel::TWkCustomLabel;
};
