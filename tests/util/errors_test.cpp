#include "platform/win32/last_error.h"
#include "util/errors.h"

#include <gtest/gtest.h>

namespace {

TEST(Win32Error, MessageCarriesSystemTextCodeAndCallerText) {
    const struct {
        DWORD code;
        QString callerText;
        QString expected;
    } cases[] = {
        {ERROR_ACCESS_DENIED, QStringLiteral("Failed to open mutex"),
         QStringLiteral("Win32 error: Access is denied. (5)\r\nFailed to open mutex")},
        {ERROR_FILE_NOT_FOUND, QStringLiteral("Failed to create mutex"),
         QStringLiteral("Win32 error: The system cannot find the file specified. (2)\r\n"
                        "Failed to create mutex")},
        {0xDEAD, QString(), QStringLiteral("Win32 error: Unknown error 57005. (57005)\r\n")},
        {ERROR_ALREADY_EXISTS, QStringLiteral("Ä 50%"),
         QStringLiteral("Win32 error: Cannot create a file when that file already exists. "
                        "(183)\r\nÄ 50%")},
    };
    for (const auto& c : cases) {
        SetLastError(c.code);
        const ECkWin32Error error(c.callerText);
        EXPECT_EQ(error.Message(), c.expected) << c.code;
        EXPECT_EQ(error.LastError(), c.code);
        EXPECT_EQ(error.LastErrorMsg(), SysErrorMessage(c.code));
        EXPECT_EQ(QString::fromUtf8(error.what()), c.expected);
    }
}

// An argument whose conversion to text makes a failing platform call of its own.
struct ChangesLastError {
    operator QString() const {
        SetLastError(ERROR_INVALID_HANDLE);
        return QStringLiteral("x");
    }
};

TEST(Win32Error, CodeIsTakenBeforeArgumentsAreFormatted) {
    SetLastError(ERROR_ACCESS_DENIED);
    const ECkWin32Error error =
        ECkWin32Error::CreateFmt(QStringLiteral("Failed on %1 and %2"), ChangesLastError{}, 7);
    EXPECT_EQ(error.LastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(error.Message(),
              QStringLiteral("Win32 error: Access is denied. (5)\r\nFailed on x and 7"));
}

TEST(Win32Error, FormattedCallerTextKeepsArgumentsAsTheyAre) {
    const struct {
        const char* name;
        ECkWin32Error error;
        QString callerText;
    } cases[] = {
        {"no arguments", ECkWin32Error::CreateFmt(QStringLiteral("Failed at 100%")),
         QStringLiteral("Failed at 100%")},
        {"numbers", ECkWin32Error::CreateFmt(QStringLiteral("%2 of %1"), 3, 4.5),
         QStringLiteral("4.5 of 3")},
        {"argument holding a placeholder",
         ECkWin32Error::CreateFmt(QStringLiteral("Opening %1 failed after %2 tries"),
                                  QStringLiteral("C:\\50%2\\x"), 3),
         QStringLiteral("Opening C:\\50%2\\x failed after 3 tries")},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(c.error.Message().endsWith(QStringLiteral("\r\n") + c.callerText))
            << c.name << ": " << c.error.Message().toStdString();
}

TEST(Win32Error, FamilyCanBeCaughtByItsBases) {
    SetLastError(ERROR_ACCESS_DENIED);
    try {
        throw ECkMutexError(QStringLiteral("Failed to create mutex"));
    } catch (const ECkWin32Error& e) {
        EXPECT_EQ(e.LastError(), ERROR_ACCESS_DENIED);
    }
    try {
        throw ESharedMemError(QStringLiteral("bad"));
    } catch (const ECkError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("bad"));
    }
}

} // namespace
