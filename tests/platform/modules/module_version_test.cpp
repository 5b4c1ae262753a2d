#include "platform/modules/module_version.h"
#include "platform/win32/last_error.h"

#include <gtest/gtest.h>

namespace {

const QString kFileVersion = QStringLiteral("\\StringFileInfo\\040904E4\\FileVersion");

QString query(const std::vector<BYTE>& block, const QString& path) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), path, &value, &length))
        return QStringLiteral("<none>");
    return QString::fromUtf16(static_cast<const char16_t*>(value), length - 1);
}

TEST(ModuleVersion, RecordIsReadBySizeCopyAndPath) {
    SetModuleVersion(
        QStringLiteral("Probe.dll"),
        {{QStringLiteral("\\StringFileInfo\\040904E4\\ProductName"), QStringLiteral("Probe")},
         {kFileVersion, QStringLiteral("2.5.1")}});
    DWORD handle = 7;
    const DWORD size = GetFileVersionInfoSizeW(QStringLiteral("PROBE.DLL"), &handle);
    ASSERT_GT(size, 0u);
    EXPECT_EQ(handle, 0u);
    std::vector<BYTE> block(size);
    EXPECT_FALSE(GetFileVersionInfoW(QStringLiteral("Probe.dll"), 0, size - 1, block.data()));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    ASSERT_TRUE(GetFileVersionInfoW(QStringLiteral("Probe.dll"), 0, size, block.data()));
    EXPECT_EQ(query(block, kFileVersion), QStringLiteral("2.5.1"));
    EXPECT_EQ(query(block, QStringLiteral("\\StringFileInfo\\040904E4\\ProductName")),
              QStringLiteral("Probe"));
    EXPECT_EQ(query(block, QStringLiteral("\\StringFileInfo\\040904E4\\Comments")),
              QStringLiteral("<none>"));

    // A block whose recorded size ends inside a value finds nothing past its end.
    const DWORD cut = 4 + 2 * 10;
    std::memcpy(block.data(), &cut, sizeof cut);
    EXPECT_EQ(query(block, kFileVersion), QStringLiteral("<none>"));
}

TEST(ModuleVersion, ModuleWithoutRecordHasNoVersionResource) {
    DWORD handle = 0;
    EXPECT_EQ(GetFileVersionInfoSizeW(QStringLiteral("Nothing.dll"), &handle), 0u);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_TYPE_NOT_FOUND);
    BYTE block[16] = {};
    EXPECT_FALSE(GetFileVersionInfoW(QStringLiteral("Nothing.dll"), 0, sizeof block, block));
}

TEST(ModuleVersion, FileVersionTextOfAModule) {
    SetModuleVersion(QStringLiteral("Versioned.dll"), {{kFileVersion, QStringLiteral("5.40.11")}});
    SetModuleVersion(
        QStringLiteral("Unversioned.dll"),
        {{QStringLiteral("\\StringFileInfo\\040904E4\\ProductName"), QStringLiteral("Plain")}});
    SetModuleVersion(QStringLiteral("Blank.dll"), {{kFileVersion, QString()}});
    EXPECT_EQ(ModuleFileVersion(QStringLiteral("VERSIONED.DLL")), QStringLiteral("5.40.11"));
    EXPECT_TRUE(ModuleFileVersion(QStringLiteral("Unversioned.dll")).isEmpty());
    EXPECT_TRUE(ModuleFileVersion(QStringLiteral("Blank.dll")).isEmpty());
    EXPECT_TRUE(ModuleFileVersion(QStringLiteral("Nothing.dll")).isEmpty());
}

} // namespace
