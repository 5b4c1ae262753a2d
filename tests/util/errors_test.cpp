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
        ECkWin32Error::CreateFmt(QStringLiteral("Failed on %s and %d"), ChangesLastError{}, 7);
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
        {"no arguments", ECkWin32Error::CreateFmt(QStringLiteral("Failed at 100%%")),
         QStringLiteral("Failed at 100%")},
        {"numbers", ECkWin32Error::CreateFmt(QStringLiteral("%1:d of %0:d, code %2:X"), 3, 4, 255),
         QStringLiteral("4 of 3, code FF")},
        {"argument holding a placeholder",
         ECkWin32Error::CreateFmt(QStringLiteral("Opening %s failed after %u tries"),
                                  QStringLiteral("C:\\50%d\\x"), 3u),
         QStringLiteral("Opening C:\\50%d\\x failed after 3 tries")},
        // The system error is still reported when the caller's format does not fit.
        {"format that does not fit", ECkWin32Error::CreateFmt(QStringLiteral("Lost %d"), "x"),
         QStringLiteral("Lost %d")},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(c.error.Message().endsWith(QStringLiteral("\r\n") + c.callerText))
            << c.name << ": " << c.error.Message().toStdString();
}

TEST(Win32Error, ResourceFormsTakeTheStringTableText) {
    SetLastError(ERROR_ACCESS_DENIED);
    const ECkWin32Error byNumber = ECkWin32Error::CreateRes(CkRes::SOpenMutexFailed.Identifier);
    SetLastError(ERROR_ACCESS_DENIED);
    const ECkWin32Error byRecord = ECkWin32Error::CreateRes(CkRes::SOpenMutexFailed);
    const QString expected =
        QStringLiteral("Win32 error: Access is denied. (5)\r\nFailed to open mutex");
    EXPECT_EQ(byNumber.Message(), expected);
    EXPECT_EQ(byRecord.Message(), expected);
    EXPECT_EQ(byRecord.LastError(), ERROR_ACCESS_DENIED);

    SetLastError(ERROR_FILE_NOT_FOUND);
    const ECkWin32Error unknown = ECkWin32Error::CreateRes(12345);
    EXPECT_EQ(unknown.Message(),
              QStringLiteral("Win32 error: The system cannot find the file specified. (2)\r\n"));
}

TEST(ResourceStrings, LibraryTextsAreInTheTable) {
    EXPECT_EQ(LoadResString(CkRes::SWin32Error), QStringLiteral("Win32 error: %s (%u)%s%s"));
    EXPECT_EQ(LoadResString(CkRes::SCreateMutexFailed), QStringLiteral("Failed to create mutex"));
    EXPECT_EQ(LoadStr(CkRes::SInvalidMmfName.Identifier),
              QStringLiteral("Invalid MMF name \"%s\""));
    EXPECT_EQ(LoadStr(0), QString());
}

TEST(Win32Error, FamilyCanBeCaughtByItsBases) {
    SetLastError(ERROR_ACCESS_DENIED);
    try {
        throw ECkMutexError(ECkWin32Error::CreateRes(CkRes::SCreateMutexFailed));
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
