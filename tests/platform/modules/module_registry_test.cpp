#include "platform/modules/module_registry.h"
#include "platform/win32/last_error.h"

#include <gtest/gtest.h>

namespace {

int answerOne() {
    return 1;
}
int answerTwo() {
    return 2;
}

int callAnswer(FARPROC address) {
    return reinterpret_cast<int (*)()>(address)();
}

class ModuleRegistryTest : public ::testing::Test {
protected:
    void TearDown() override { UnregisterModule(QStringLiteral("Test.dll")); }
};

TEST_F(ModuleRegistryTest, LoadsByNameInAnyCaseAndCountsLoads) {
    RegisterModule(QStringLiteral("Test.dll"), {{"Answer", ModuleExport(&answerOne)}});
    HMODULE first = SafeLoadLibrary(QStringLiteral("TEST.DLL"), SEM_NOOPENFILEERRORBOX);
    HMODULE second = SafeLoadLibrary(QStringLiteral("test.dll"), 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(ModuleLoadCount(QStringLiteral("Test.dll")), 2);

    FARPROC answer = GetProcAddress(first, "Answer");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(callAnswer(answer), 1);

    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(ModuleLoadCount(QStringLiteral("Test.dll")), 1);
    EXPECT_NE(GetProcAddress(second, "Answer"), nullptr) << "one load is left";
    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_EQ(ModuleLoadCount(QStringLiteral("Test.dll")), 0);

    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GetProcAddress(first, "Answer"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(FreeLibrary(first));
}

TEST_F(ModuleRegistryTest, FailuresSetTheirLastError) {
    RegisterModule(QStringLiteral("Test.dll"), {{"Answer", ModuleExport(&answerOne)}});
    HMODULE module = SafeLoadLibrary(QStringLiteral("Test.dll"), 0);
    const struct {
        const char* what;
        FARPROC result;
        DWORD error;
    } cases[] = {
        {"name the provider lacks", GetProcAddress(module, "Question"), ERROR_PROC_NOT_FOUND},
        {"names compare case-sensitively", GetProcAddress(module, "answer"), ERROR_PROC_NOT_FOUND},
        {"no name", GetProcAddress(module, nullptr), ERROR_PROC_NOT_FOUND},
        {"no module", GetProcAddress(nullptr, "Answer"), ERROR_INVALID_HANDLE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, nullptr) << c.what;
    FreeLibrary(module);

    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(SafeLoadLibrary(QStringLiteral("Missing.dll"), 0), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
}

TEST_F(ModuleRegistryTest, LoadedModuleKeepsItsTableWhenTheProviderChanges) {
    RegisterModule(QStringLiteral("Test.dll"), {{"Answer", ModuleExport(&answerOne)}});
    HMODULE old = SafeLoadLibrary(QStringLiteral("Test.dll"), 0);

    RegisterModule(QStringLiteral("test.DLL"), {{"Answer", ModuleExport(&answerTwo)}});
    EXPECT_EQ(callAnswer(GetProcAddress(old, "Answer")), 1);
    HMODULE fresh = SafeLoadLibrary(QStringLiteral("Test.dll"), 0);
    EXPECT_NE(fresh, old);
    EXPECT_EQ(callAnswer(GetProcAddress(fresh, "Answer")), 2);

    UnregisterModule(QStringLiteral("Test.dll"));
    EXPECT_EQ(SafeLoadLibrary(QStringLiteral("Test.dll"), 0), nullptr);
    EXPECT_EQ(callAnswer(GetProcAddress(fresh, "Answer")), 2) << "still loaded";
    FreeLibrary(old);
    FreeLibrary(fresh);
}

} // namespace
