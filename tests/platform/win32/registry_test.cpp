#include "platform/win32/last_error.h"
#include "platform/win32/registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RegistryTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Registry registry{dir.filePath("program")};
};

TEST_F(RegistryTest, KeysAreFoldersUnderTheirRootKey) {
    ASSERT_TRUE(registry.createKey("Software\\Tavro\\Axes"));
    EXPECT_TRUE(QFileInfo(dir.filePath("program/HKEY_CURRENT_USER/Software/Tavro/Axes")).isDir());
    registry.setRootKey(RegistryRoot::LocalMachine);
    EXPECT_FALSE(registry.keyExists("Software\\Tavro"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    ASSERT_TRUE(registry.createKey("Software"));
    EXPECT_TRUE(QFileInfo(dir.filePath("program/HKEY_LOCAL_MACHINE/Software")).isDir());
}

TEST_F(RegistryTest, NamesCompareIgnoringCase) {
    ASSERT_TRUE(registry.createKey("System\\Joystick\\OEM"));
    EXPECT_TRUE(registry.keyExists("SYSTEM\\joystick\\oem"));
    ASSERT_TRUE(registry.createKey("SYSTEM\\JOYSTICK\\OEM\\VID_1"));
    EXPECT_TRUE(
        QFileInfo(dir.filePath("program/HKEY_CURRENT_USER/System/Joystick/OEM/VID_1")).isDir());
    EXPECT_TRUE(registry.deleteKey("system\\JOYSTICK"));
    EXPECT_FALSE(registry.keyExists("System\\Joystick\\OEM\\VID_1"));
    EXPECT_TRUE(registry.keyExists("System"));
}

TEST_F(RegistryTest, DeletingRemovesSubkeysAndFailsForMissingKeys) {
    ASSERT_TRUE(registry.createKey("A\\B\\C\\D"));
    ASSERT_TRUE(registry.createKey("A\\E"));
    EXPECT_TRUE(registry.deleteKey("A\\B"));
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    EXPECT_FALSE(registry.keyExists("A\\B\\C"));
    EXPECT_TRUE(registry.keyExists("A\\E"));
    EXPECT_FALSE(registry.deleteKey("A\\B"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, RefusesPathsThatCouldLeaveTheRootKey) {
    ASSERT_TRUE(registry.createKey("Keep\\Inner"));
    QFile outside(dir.filePath("outside.txt"));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.close();
    const char* refused[] = {
        "..",     "Keep\\..", "Keep\\.\\Inner", "",           "Keep\\\\Inner",
        "\\Keep", "Keep\\",   "a/../../x",      "..\\..\\..", "Keep\\..\\..\\HKEY_LOCAL_MACHINE"};
    for (const char* key : refused) {
        EXPECT_FALSE(registry.deleteKey(key)) << key;
        EXPECT_EQ(GetLastError(), ERROR_BAD_PATHNAME) << key;
        EXPECT_FALSE(registry.createKey(key)) << key;
        EXPECT_EQ(GetLastError(), ERROR_BAD_PATHNAME) << key;
    }
    EXPECT_TRUE(registry.keyExists("Keep\\Inner"));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("outside.txt")));
}

TEST_F(RegistryTest, SymbolicLinksAreNotKeys) {
    ASSERT_TRUE(registry.createKey("Real"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("elsewhere/Victim")));
    ASSERT_TRUE(
        QFile::link(dir.filePath("elsewhere"), dir.filePath("program/HKEY_CURRENT_USER/Link")));
    EXPECT_FALSE(registry.keyExists("Link\\Victim"));
    EXPECT_FALSE(registry.deleteKey("Link\\Victim"));
    EXPECT_FALSE(registry.createKey("Link\\New"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("elsewhere/New")));
    EXPECT_TRUE(QFileInfo(dir.filePath("elsewhere/Victim")).isDir());
}

} // namespace
