#pragma once
// The errors the picture formats raise: an operation the picture cannot do, or data it cannot
// read. The message is the text the user sees.

#include "components/base/exception.h"

class EInvalidGraphicOperation : public EWkException {
public:
    using EWkException::EWkException;
};
