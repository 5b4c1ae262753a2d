#pragma once
// The library units whose start-up is no more than counting (see UnitLifetime), apart from the
// component base, which also chooses its next-character function. What a unit releases at its
// last shut-down (its process-wide objects, such as a control family's shared caches) is
// registered with it by the code that makes those objects, and runs last registered first.

#include <functional>

enum class TWkLibraryUnit {
    WkComponentBase,
    WkSpeedButton,
    WkToolEdit,
    WkColorCombo,
    WkCalc,
    WkJpeg,
    WkJpegUtils,
    WkLibraryInfo,
    // The three database units without classes.
    WkDbConsts,
    WkDbRegistry,
    WkDbUtils,
};

// Every unit above, in the order the process starts them.
inline constexpr TWkLibraryUnit WkLibraryUnitOrder[] = {
    TWkLibraryUnit::WkComponentBase, TWkLibraryUnit::WkJpeg,        TWkLibraryUnit::WkJpegUtils,
    TWkLibraryUnit::WkLibraryInfo,   TWkLibraryUnit::WkSpeedButton, TWkLibraryUnit::WkToolEdit,
    TWkLibraryUnit::WkColorCombo,    TWkLibraryUnit::WkCalc,        TWkLibraryUnit::WkDbConsts,
    TWkLibraryUnit::WkDbRegistry,    TWkLibraryUnit::WkDbUtils,
};

// Counted start-up and shut-down of one unit; only the first and the last do their work.
void WkUnitInitialization(TWkLibraryUnit unit);
void WkUnitFinalization(TWkLibraryUnit unit);
int WkUnitCounter(TWkLibraryUnit unit);

// Gives the unit something to release at its last shut-down.
void AtWkUnitShutDown(TWkLibraryUnit unit, std::function<void()> release);

// All units in their order, and shut down in reverse.
void WkLibraryUnitsInitialization();
void WkLibraryUnitsFinalization();
