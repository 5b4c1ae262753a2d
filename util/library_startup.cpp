#include "util/library_startup.h"

#include "util/char_tables.h"
#include "util/file_utils.h"
#include "util/system_info.h"
#include "util/unit_version_registry.h"

#include <mutex>

namespace {

constexpr TUnitVersionInfo Unit(const char16_t* urlKeyword) {
    return TUnitVersionInfo{urlKeyword, nullptr, nullptr, u"util", nullptr, nullptr};
}

// One record per unit, in start-up order.
const TUnitVersionInfo UnitRecords[] = {
    Unit(u"$URL: util/errors.cpp $"),
    Unit(u"$URL: util/argument_errors.cpp $"),
    Unit(u"$URL: util/wait_result.cpp $"),
    Unit(u"$URL: util/robust_mutex.cpp $"),
    Unit(u"$URL: util/dispatcher_object.cpp $"),
    Unit(u"$URL: util/mutex.cpp $"),
    Unit(u"$URL: util/critical_section.cpp $"),
    Unit(u"$URL: util/shared_memory.cpp $"),
    Unit(u"$URL: util/char_tables.cpp $"),
    Unit(u"$URL: util/system_info.cpp $"),
    Unit(u"$URL: util/locale_utils.cpp $"),
    Unit(u"$URL: util/file_utils.cpp $"),
    Unit(u"$URL: util/format_arg.cpp $"),
    Unit(u"$URL: util/indexed_format.cpp $"),
    Unit(u"$URL: util/string_builder.cpp $"),
    Unit(u"$URL: util/unit_version.cpp $"),
    Unit(u"$URL: util/unit_versioning.cpp $"),
    Unit(u"$URL: util/unit_version_registry.cpp $"),
    Unit(u"$URL: util/library_startup.cpp $"),
};

std::mutex scopeLock;
int scopeCount = 0;

} // namespace

CkUtilLibrary::CkUtilLibrary() {
    const std::lock_guard guard(scopeLock);
    if (scopeCount++ > 0)
        return;
    BuildCharTables();
    SystemInfo();
    AnsiReplacementChar();
    for (const TUnitVersionInfo& record : UnitRecords)
        AddUnitVersionRecord(CurrentModule(), &record);
}

CkUtilLibrary::~CkUtilLibrary() {
    const std::lock_guard guard(scopeLock);
    if (--scopeCount > 0)
        return;
    // One removal drops the module's entry with the records of all its units.
    RemoveUnitVersionRecord(CurrentModule());
    ReleaseUnitVersionRegistry();
}
