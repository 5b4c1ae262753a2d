#include "configurator/library_startup.h"

#include "components/base/types.h"
#include "components/data/data_provider_unit.h"
#include "components/draw/screen_cursors.h"

LibraryStartup::LibraryStartup() {
    WkTypesInitialization();
    InstallScreenCursors();
    WkDataProviderInitialization();
    pictureFormats.emplace();
}

LibraryStartup::~LibraryStartup() {
    pictureFormats.reset();
    WkDataProviderFinalization();
    WkTypesFinalization();
}
