#include "components/base/library_units.h"

#include "components/base/next_char.h"
#include "components/base/unit_lifetime.h"

#include <array>
#include <iterator>
#include <vector>

namespace {

struct Unit {
    UnitLifetime lifetime;
    std::vector<std::function<void()>> releases;
};

constexpr std::size_t UnitCount = std::size(WkLibraryUnitOrder);

Unit& unitOf(TWkLibraryUnit unit) {
    static std::array<Unit, UnitCount> units;
    return units.at(static_cast<std::size_t>(unit));
}

void startUp(TWkLibraryUnit unit) {
    if (unit == TWkLibraryUnit::WkComponentBase)
        ChooseWkNextChar(CurrentPlatformFamily);
}

void shutDown(TWkLibraryUnit unit) {
    std::vector<std::function<void()>> releases;
    releases.swap(unitOf(unit).releases);
    for (auto release = releases.rbegin(); release != releases.rend(); ++release)
        (*release)();
    if (unit == TWkLibraryUnit::WkComponentBase)
        ForgetWkNextChar();
}

} // namespace

void WkUnitInitialization(TWkLibraryUnit unit) {
    unitOf(unit).lifetime.Initialize([unit] { startUp(unit); });
}

void WkUnitFinalization(TWkLibraryUnit unit) {
    unitOf(unit).lifetime.Finalize([unit] { shutDown(unit); });
}

int WkUnitCounter(TWkLibraryUnit unit) {
    return unitOf(unit).lifetime.Counter();
}

void AtWkUnitShutDown(TWkLibraryUnit unit, std::function<void()> release) {
    unitOf(unit).releases.push_back(std::move(release));
}

void WkLibraryUnitsInitialization() {
    for (const TWkLibraryUnit unit : WkLibraryUnitOrder)
        WkUnitInitialization(unit);
}

void WkLibraryUnitsFinalization() {
    for (auto unit = std::rbegin(WkLibraryUnitOrder); unit != std::rend(WkLibraryUnitOrder); ++unit)
        WkUnitFinalization(*unit);
}
