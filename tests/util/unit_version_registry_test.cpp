#include "util/file_utils.h"
#include "util/unit_version_registry.h"

#include <array>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int Threads = 4;
constexpr int RecordsPerThread = 2000;

std::array<TUnitVersionInfo, Threads * RecordsPerThread> Records{};

// Library modules may register their units from any thread, so one thread's record must never
// be lost to another's.
TEST(UnitVersionRegistry, RecordsAddedFromSeveralThreadsAreAllKept) {
    std::vector<std::future<void>> adders;
    for (int t = 0; t < Threads; ++t) {
        adders.push_back(std::async(std::launch::async, [t] {
            for (int i = 0; i < RecordsPerThread; ++i)
                AddUnitVersionRecord(CurrentModule(), &Records[t * RecordsPerThread + i]);
        }));
    }
    for (auto& adder : adders)
        ASSERT_EQ(adder.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    TUnitVersioning* registry = UnitVersionRegistry();
    ASSERT_NE(registry, nullptr);
    EXPECT_EQ(registry->ModuleCount(), 1);
    EXPECT_EQ(registry->Count(), Threads * RecordsPerThread);
    RemoveUnitVersionRecord(CurrentModule());
    EXPECT_EQ(registry->Count(), 0);
}

// Runs last: releasing the registry is for good.
TEST(UnitVersionRegistry, ReleaseWhileOtherThreadsRegisterEndsTheirAccessCleanly) {
    std::vector<std::future<void>> adders;
    std::promise<void> started;
    std::shared_future<void> go = started.get_future().share();
    for (int t = 0; t < Threads; ++t) {
        adders.push_back(std::async(std::launch::async, [t, go] {
            go.wait();
            for (int i = 0; i < RecordsPerThread; ++i) {
                AddUnitVersionRecord(CurrentModule(), &Records[t * RecordsPerThread + i]);
                if (i % 16 == 0)
                    RemoveUnitVersionRecord(CurrentModule());
            }
        }));
    }
    started.set_value();
    ReleaseUnitVersionRegistry();
    for (auto& adder : adders)
        ASSERT_EQ(adder.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    EXPECT_EQ(UnitVersionRegistry(), nullptr);
    AddUnitVersionRecord(CurrentModule(), &Records[0]); // does nothing once released
    EXPECT_EQ(UnitVersionRegistry(), nullptr);
}

} // namespace
