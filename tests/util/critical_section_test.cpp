#include "util/critical_section.h"

#include <array>
#include <gtest/gtest.h>
#include <thread>

namespace {

TEST(CriticalSection, RacingFirstUsersShareOneSection) {
    std::atomic<TCkCriticalSection*> shared{nullptr};
    std::array<TCkCriticalSection*, 4> seen{};
    int counter = 0;
    std::array<std::thread, 4> threads;
    for (size_t i = 0; i < threads.size(); ++i) {
        threads[i] = std::thread([&, i] {
            for (int n = 0; n < 1000; ++n) {
                TCkCriticalSection::CreateAndEnter(shared);
                seen[i] = shared.load();
                ++counter; // guarded by the section
                shared.load()->Leave();
            }
        });
    }
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(counter, 4000);
    for (auto* s : seen)
        EXPECT_EQ(s, shared.load());
    delete shared.load();
}

} // namespace
