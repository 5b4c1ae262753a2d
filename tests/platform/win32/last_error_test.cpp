#include "platform/win32/last_error.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <thread>

TEST(LastError, IsKeptPerThread) {
    SetLastError(ERROR_ACCESS_DENIED);
    DWORD seenByOtherThread = 12345;
    std::thread([&] { seenByOtherThread = GetLastError(); }).join();
    EXPECT_EQ(seenByOtherThread, ERROR_SUCCESS);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

TEST(LastError, MapsErrnoToWin32Codes) {
    const struct {
        int errnoValue;
        DWORD code;
    } cases[] =
        {
            {EACCES, 5}, {ENODEV, 1167}, {ESHUTDOWN, 1167}, {EPIPE, 31},
            {EIO, 31},   {EINVAL, 87},   {ETIMEDOUT, 121},  {0, 0},
            {EDOM, 31}, // anything unmapped is a general device failure
        };
    for (const auto& c : cases) {
        EXPECT_EQ(SetLastErrorFromErrno(c.errnoValue), c.code) << "errno " << c.errnoValue;
        EXPECT_EQ(GetLastError(), c.code);
    }
}

TEST(LastError, EveryMappedCodeHasItsOwnText) {
    for (int e : {EACCES, ENODEV, EIO, EINVAL, ETIMEDOUT, ENOENT, EBADF, ENOMEM, EBUSY}) {
        const QString text = SysErrorMessage(Win32ErrorFromErrno(e));
        EXPECT_FALSE(text.startsWith(QStringLiteral("Unknown"))) << "errno " << e;
    }
    EXPECT_EQ(SysErrorMessage(ERROR_ACCESS_DENIED), QStringLiteral("Access is denied."));
    EXPECT_EQ(SysErrorMessage(0xDEAD), QStringLiteral("Unknown error 57005."));
}
