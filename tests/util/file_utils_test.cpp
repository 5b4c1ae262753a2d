#include "platform/win32/last_error.h"
#include "util/file_utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>

namespace {

TEST(FileUtils, PresenceOfFilesAndFolders) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("présent.txt"));
    QFile(file).open(QIODevice::WriteOnly);
    const struct {
        QString path;
        bool file;
        bool directory;
    } cases[] = {
        {file, true, false},
        {dir.path(), false, true},
        {dir.filePath(QStringLiteral("missing")), false, false},
        {QString(), false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FilePresent(c.path), c.file) << c.path.toStdString();
        EXPECT_EQ(DirectoryPresent(c.path), c.directory) << c.path.toStdString();
    }
}

TEST(FileUtils, DisplayPaths) {
    const struct {
        QString path;
        QString expected;
    } cases[] = {
        {"/home/user/tavro", "/home/user/tavro"},
        {"\\\\server\\share\\x", "\\\\server\\share\\x"},
        {"C:\\", "C:"},
        {"C:\\dir\\file.tavro", "C:\\dir\\file.tavro"},
        {"C:\\dir\\", "C:\\dir"},
        {"C:dir", "C:\\dir"},
        {"relative\\dir", "relative\\dir"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PathToDisplayPath(c.path), c.expected) << c.path.toStdString();
}

TEST(FileUtils, BufferKeepsEveryByte) {
    const std::array<BYTE, 3> bytes{65, 0, 66};
    const QByteArray text = BufferToAnsiString(bytes);
    EXPECT_EQ(text, QByteArray("A\0B", 3));
    EXPECT_TRUE(BufferToAnsiString({}).isEmpty());
}

TEST(FileUtils, ModuleFileNames) {
    EXPECT_EQ(ModuleFileName(CurrentModule()),
              QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget());
    int notAModule = 0;
    SetLastError(ERROR_SUCCESS);
    EXPECT_TRUE(ModuleFileName(&notAModule).isEmpty());
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
    EXPECT_TRUE(ModuleFileName(nullptr).isEmpty());
}

} // namespace

namespace {

TEST(FileUtils, FixedVersionInfoOfAModulesRecord) {
    SetModuleVersion(
        QStringLiteral("FixedTest.dll"),
        {{QStringLiteral("\\StringFileInfo\\040904E4\\FileVersion"), QStringLiteral("2.5.17.300")},
         {QStringLiteral("\\StringFileInfo\\040904E4\\ProductVersion"), QStringLiteral("3.1")}});
    VS_FIXEDFILEINFO info{};
    ASSERT_TRUE(VersionFixedFileInfo(QStringLiteral("fixedtest.DLL"), info));
    EXPECT_EQ(info.dwSignature, FixedFileInfoSignature);
    EXPECT_EQ(info.dwFileVersionMS, 0x00020005u);
    EXPECT_EQ(info.dwFileVersionLS, 0x0011012Cu);
    EXPECT_EQ(info.dwProductVersionMS, 0x00030001u);
    EXPECT_EQ(info.dwProductVersionLS, 0u);

    // Without a product version the file's stands for it.
    SetModuleVersion(
        QStringLiteral("FixedTest.dll"),
        {{QStringLiteral("\\StringFileInfo\\040904E4\\FileVersion"), QStringLiteral("1.2")}});
    ASSERT_TRUE(VersionFixedFileInfo(QStringLiteral("FixedTest.dll"), info));
    EXPECT_EQ(info.dwProductVersionMS, 0x00010002u);

    VS_FIXEDFILEINFO untouched{};
    untouched.dwSignature = 7;
    EXPECT_FALSE(VersionFixedFileInfo(QStringLiteral("NoSuchModule.dll"), untouched));
    EXPECT_EQ(untouched.dwSignature, 7u);
}

} // namespace
