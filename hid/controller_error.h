#pragma once
// Raised by the HID layer's constructors; every other HID operation reports by its result.

#include "components/base/exception.h"

class EControllerError : public EWkException {
public:
    using EWkException::EWkException;
};
