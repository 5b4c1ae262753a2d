#include "platform/win32/last_error.h"
#include "platform/win32/security.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(SecurityDescriptor, OnlyANullAccessListGrantsEveryone) {
    BYTE listBytes[8] = {};
    const auto list = reinterpret_cast<PACL>(listBytes);
    const struct {
        const char* name;
        bool setList;
        BOOL present;
        PACL dacl;
        bool grants;
    } cases[] = {
        {"fresh descriptor", false, FALSE, nullptr, false},
        {"present null list", true, TRUE, nullptr, true},
        {"present list", true, TRUE, list, false},
        {"list set absent", true, FALSE, list, false},
    };
    for (const auto& c : cases) {
        SECURITY_DESCRIPTOR descriptor;
        ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
        if (c.setList) {
            ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, c.present, c.dacl, FALSE));
        }
        const SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
        EXPECT_EQ(GrantsEveryone(&attributes), c.grants) << c.name;
    }
    const SECURITY_ATTRIBUTES noDescriptor{sizeof noDescriptor, nullptr, TRUE};
    EXPECT_FALSE(GrantsEveryone(&noDescriptor));
    EXPECT_FALSE(GrantsEveryone(nullptr));
}

TEST(SecurityDescriptor, RefusedCallsSayWhy) {
    SECURITY_DESCRIPTOR descriptor;
    const struct {
        const char* name;
        std::function<BOOL()> call;
        DWORD error;
    } cases[] = {
        {"no descriptor to make", [] { return InitializeSecurityDescriptor(nullptr, 1); },
         ERROR_INVALID_PARAMETER},
        {"unknown revision", [&] { return InitializeSecurityDescriptor(&descriptor, 2); },
         ERROR_UNKNOWN_REVISION},
        {"no descriptor to change",
         [] { return SetSecurityDescriptorDacl(nullptr, TRUE, nullptr, FALSE); },
         ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : cases) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(c.call()) << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
    }
}

} // namespace
