#include "platform/hidclass/hid_module.h"
#include "platform/hidclass/hidsdi.h"
#include "platform/modules/module_registry.h"

#include <gtest/gtest.h>

namespace {

TEST(HidModule, ExportsTheLibraryNamesOverOurCalls) {
    RegisterHidModule();
    HMODULE module = SafeLoadLibrary(QStringLiteral("HID.dll"), SEM_NOOPENFILEERRORBOX);
    ASSERT_NE(module, nullptr);

    EXPECT_EQ(GetProcAddress(module, "HidD_GetFeature"), ModuleExport(&HidD_GetFeature));
    EXPECT_EQ(GetProcAddress(module, "HidP_GetCaps"), ModuleExport(&HidP_GetCaps));
    EXPECT_EQ(GetProcAddress(module, "HidD_GetInputReport"), ModuleExport(&HidD_GetInputReport));

    auto hidGuid = reinterpret_cast<void (*)(GUID*)>(GetProcAddress(module, "HidD_GetHidGuid"));
    ASSERT_NE(hidGuid, nullptr);
    GUID guid{};
    hidGuid(&guid);
    EXPECT_EQ(guid, GUID_DEVINTERFACE_HID);
    FreeLibrary(module);
}

TEST(HidModule, NamesNoCallerUsesAnswerNotImplemented) {
    RegisterHidModule();
    HMODULE module = SafeLoadLibrary(QStringLiteral("hid.dll"), 0);
    auto hello = reinterpret_cast<ULONG (*)(PCHAR, ULONG)>(GetProcAddress(module, "HidD_Hello"));
    auto nodes =
        reinterpret_cast<NTSTATUS (*)(HIDP_LINK_COLLECTION_NODE*, ULONG*, PHIDP_PREPARSED_DATA)>(
            GetProcAddress(module, "HidP_GetLinkCollectionNodes"));
    auto difference = reinterpret_cast<NTSTATUS (*)(PUSAGE, PUSAGE, PUSAGE, PUSAGE, ULONG)>(
        GetProcAddress(module, "HidP_UsageListDifference"));
    auto scanCodes = reinterpret_cast<NTSTATUS (*)(PUSAGE, ULONG, HIDP_KEYBOARD_DIRECTION,
                                                   HIDP_KEYBOARD_MODIFIER_STATE*,
                                                   PHIDP_INSERT_SCANCODES, PVOID)>(
        GetProcAddress(module, "HidP_TranslateUsagesToI8042ScanCodes"));
    ASSERT_TRUE(hello && nodes && difference && scanCodes);
    ULONG length = 0;
    EXPECT_EQ(hello(nullptr, 0), 0xC0110020u);
    EXPECT_EQ(static_cast<ULONG>(nodes(nullptr, &length, nullptr)), 0xC0110020u);
    EXPECT_EQ(static_cast<ULONG>(difference(nullptr, nullptr, nullptr, nullptr, 0)), 0xC0110020u);
    EXPECT_EQ(
        static_cast<ULONG>(scanCodes(nullptr, 0, HidP_Keyboard_Make, nullptr, nullptr, nullptr)),
        0xC0110020u);
    FreeLibrary(module);
}

} // namespace
