#include "own_object_name.h"
#include "platform/win32/last_error.h"
#include "util/errors.h"
#include "util/shared_memory.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

TEST(SharedMemory, SecondOpeningSharesTheBlockUntilTheLastClose) {
    void* first = nullptr;
    ASSERT_EQ(SharedMemoryOpen(first, OwnObjectName(QStringLiteral("ShmTest_Shared")), 16),
              ERROR_SUCCESS);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(static_cast<unsigned char*>(first)[15], 0);
    std::memcpy(first, "hello", 6);

    void* second = nullptr;
    EXPECT_EQ(SharedMemoryOpen(second, OwnObjectName(QStringLiteral("shmtest_SHARED")), 8),
              ERROR_ALREADY_EXISTS);
    EXPECT_EQ(second, first);

    EXPECT_TRUE(SharedMemoryClose(second));
    EXPECT_EQ(second, nullptr);
    EXPECT_STREQ(static_cast<const char*>(first), "hello"); // still mapped for the first user

    void* third = nullptr;
    EXPECT_EQ(SharedMemoryOpen(third, OwnObjectName(QStringLiteral("ShmTest_Shared")), 16),
              ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(SharedMemoryClose(third));
    void* closed = first;
    EXPECT_TRUE(SharedMemoryClose(first));
    EXPECT_FALSE(SharedMemoryClose(closed)); // gone with the last close

    void* fresh = nullptr;
    EXPECT_EQ(SharedMemoryOpen(fresh, OwnObjectName(QStringLiteral("ShmTest_Shared")), 16),
              ERROR_SUCCESS);
    EXPECT_EQ(static_cast<unsigned char*>(fresh)[0], 0);
    EXPECT_TRUE(SharedMemoryClose(fresh));
}

TEST(SharedMemory, ClosingNothingOrAnUnknownView) {
    void* none = nullptr;
    EXPECT_TRUE(SharedMemoryClose(none));
    int local = 0;
    void* unknown = &local;
    EXPECT_FALSE(SharedMemoryClose(unknown));
    EXPECT_EQ(unknown, &local);
}

TEST(SharedMemory, RefusedOpenings) {
    void* held = nullptr;
    // A "%2" in the name must reach the message as it is.
    const QString small = OwnObjectName(QStringLiteral("ShmTest_Small%2"));
    ASSERT_EQ(SharedMemoryOpen(held, small, 4), ERROR_SUCCESS);
    const struct {
        const char* name;
        QString blockName;
        DWORD size;
        QString message;
    } cases[] = {
        {"empty name", "", 4, "Invalid MMF name \"\""},
        {"new and empty", "ShmTest_Empty", 0,
         "The MMF named \"ShmTest_Empty\" cannot be created empty"},
        {"larger than open block", small, 8,
         "The MMF named \"" + small + "\" is smaller than 8 bytes"},
    };
    for (const auto& c : cases) {
        void* view = &held;
        try {
            SharedMemoryOpen(view, c.blockName, c.size);
            ADD_FAILURE() << c.name;
        } catch (const ESharedMemError& e) {
            EXPECT_EQ(e.Message(), c.message) << c.name;
        }
        EXPECT_EQ(view, nullptr) << c.name;
    }
    // The refused opening did not count: one close frees the block.
    void* same = held;
    EXPECT_TRUE(SharedMemoryClose(held));
    EXPECT_FALSE(SharedMemoryClose(same));
}

} // namespace
