#pragma once
// The process-wide registry of unit version records. All modules of a process reach the same
// registry through a shared-memory cell named "ShmNPA_UnitVersioning_<pid>" that holds its
// address, guarded by the mutex "MutexNPA_UnitVersioning_<pid>". The functions below may be
// called from any thread: records are added and removed under that mutex.

#include "util/unit_versioning.h"

// The registry, made by the first module that asks; null once the registry was released.
TUnitVersioning* UnitVersionRegistry();
// Adds the record of a unit of module instance, when there is a registry.
void AddUnitVersionRecord(HMODULE instance, PUnitVersionInfo info);
// Drops the records of module instance, when there is a registry.
void RemoveUnitVersionRecord(HMODULE instance);
// Shuts this module's access down for good: closes the cell and frees the registry when this
// module made it. Called once, by the last clean-up of the library.
void ReleaseUnitVersionRegistry();
