#pragma once
// Start-up and clean-up of the utility library. The program holds one CkUtilLibrary for its
// whole run (from the start of main): making the first one builds the character tables, reads
// the system facts and registers the version record of every unit of the library in the unit
// version registry; destroying the last one takes the records back and releases the registry.
// Scopes nest; only the outermost one does the work.

class CkUtilLibrary {
public:
    CkUtilLibrary();
    ~CkUtilLibrary();
    CkUtilLibrary(const CkUtilLibrary&) = delete;
    CkUtilLibrary& operator=(const CkUtilLibrary&) = delete;
};
