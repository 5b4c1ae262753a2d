#pragma once
// Objects that can describe themselves as text; the indexed format asks object arguments
// through this interface.

#include <QString>

class ICkToString {
public:
    virtual QString ToString() const = 0;

protected:
    ~ICkToString() = default;
};
