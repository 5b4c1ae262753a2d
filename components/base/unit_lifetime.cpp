#include "components/base/unit_lifetime.h"

bool UnitLifetime::Initialize(const std::function<void()>& work) {
    if (--counter != -1)
        return false;
    if (work)
        work();
    return true;
}

bool UnitLifetime::Finalize(const std::function<void()>& work) {
    if (++counter != 0)
        return false;
    if (work)
        work();
    return true;
}
