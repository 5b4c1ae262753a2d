#include "configurator/library_startup.h"

#include "components/base/library_units.h"
#include "components/base/types.h"
#include "components/data/data_provider_unit.h"
#include "components/draw/utils_unit.h"
#include "components/util/rich_edit_unit.h"

LibraryStartup::LibraryStartup() {
    WkTypesInitialization();
    WkUtilsInitialization();
    WkDataProviderInitialization();
    WkRichEditInitialization();
    WkLibraryUnitsInitialization();
    pictureFormats.emplace();
}

LibraryStartup::~LibraryStartup() {
    pictureFormats.reset();
    WkLibraryUnitsFinalization();
    WkRichEditFinalization();
    WkDataProviderFinalization();
    WkUtilsFinalization();
    WkTypesFinalization();
}
