#pragma once
// Raised by the combo edits, for a file name that cannot be one.

#include "components/base/exception.h"

class EComboEditError : public EWkException {
public:
    using EWkException::EWkException;
};
