#include "platform/win32/last_error.h"
#include "util/library_startup.h"
#include "util/mutex.h"
#include "util/shared_memory.h"
#include "util/unit_version_registry.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QString PidName(const char* prefix) {
    return QLatin1String(prefix) + QString::number(getpid());
}

// One test for the whole run of the process-wide registry: releasing it is for good.
TEST(LibraryStartup, RegistersUnitsInTheProcessRegistryAndReleasesItAtTheEnd) {
    {
        const CkUtilLibrary library;
        const CkUtilLibrary nested; // registers nothing twice
        TUnitVersioning* registry = UnitVersionRegistry();
        ASSERT_NE(registry, nullptr);
        EXPECT_EQ(UnitVersionRegistry(), registry);
        EXPECT_EQ(registry->ModuleCount(), 1);
        EXPECT_EQ(registry->Count(), 19);
        const TUnitVersion* builder = registry->FindUnit("string_builder.cpp", "util");
        ASSERT_NE(builder, nullptr);
        EXPECT_EQ(builder->Summary(), QStringLiteral("util\tstring_builder.cpp\t\t"));

        void* cell = nullptr;
        EXPECT_EQ(SharedMemoryOpen(cell, PidName("ShmNPA_UnitVersioning_"), sizeof(void*)),
                  ERROR_ALREADY_EXISTS);
        EXPECT_EQ(*static_cast<TUnitVersioning**>(cell), registry);
        EXPECT_TRUE(SharedMemoryClose(cell));
        EXPECT_NO_THROW(
            TCkMutex::Open(MUTEX_ALL_ACCESS, false, PidName("MutexNPA_UnitVersioning_")));
    }
    EXPECT_EQ(UnitVersionRegistry(), nullptr);
    void* cell = nullptr;
    EXPECT_EQ(SharedMemoryOpen(cell, PidName("ShmNPA_UnitVersioning_"), sizeof(void*)),
              ERROR_SUCCESS); // the cell went with the registry
    SharedMemoryClose(cell);
}

} // namespace
