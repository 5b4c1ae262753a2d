#include "configurator/library_startup.h"

#include "components/base/types.h"

LibraryStartup::LibraryStartup() {
    WkTypesInitialization();
}

LibraryStartup::~LibraryStartup() {
    WkTypesFinalization();
}
