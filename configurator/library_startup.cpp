#include "configurator/library_startup.h"

#include "components/base/types.h"
#include "components/data/data_provider_unit.h"

LibraryStartup::LibraryStartup() {
    WkTypesInitialization();
    WkDataProviderInitialization();
}

LibraryStartup::~LibraryStartup() {
    WkDataProviderFinalization();
    WkTypesFinalization();
}
