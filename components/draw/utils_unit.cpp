#include "components/draw/utils_unit.h"

#include "components/base/unit_lifetime.h"
#include "components/draw/screen_cursors.h"
#include "platform/ui/graphic_signature.h"

namespace {

UnitLifetime& lifetime() {
    static UnitLifetime unit;
    return unit;
}

} // namespace

void WkUtilsInitialization() {
    lifetime().Initialize(InstallScreenCursors);
}

void WkUtilsFinalization() {
    lifetime().Finalize(ReleaseGraphicSignatures);
}

int WkUtilsCounter() {
    return lifetime().Counter();
}
