#include "hid/hid_api.h"
#include "hid/setup_api.h"
#include "platform/modules/module_registry.h"
#include "platform/modules/standard_modules.h"
#include "tests/support/hid_library_names.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

void Export() {}

// A "HID.dll" exporting every name except the one given.
void RegisterHidWithout(const char* missing) {
    std::vector<ModuleSymbol> symbols;
    for (const char* name : HidLibraryNames) {
        if (missing == nullptr || std::string_view(name) != missing)
            symbols.push_back({name, ModuleExport(&Export)});
    }
    RegisterModule(QStringLiteral("HID.dll"), symbols);
}

class Bindings : public ::testing::Test {
protected:
    ~Bindings() override { RegisterStandardModules(); }
};

TEST_F(Bindings, AnyMissingRequiredNameLeavesTheHidLibraryUnbound) {
    for (const char* missing : {"HidD_Hello", "HidP_GetCaps", "HidP_UsageListDifference"}) {
        RegisterHidWithout(missing);
        EXPECT_FALSE(BindHidLibrary()) << missing;
        EXPECT_FALSE(HidLibraryBound()) << missing;
        EXPECT_EQ(HidApi.HidP_GetUsages, nullptr) << missing;
        EXPECT_EQ(ModuleLoadCount(QStringLiteral("HID.dll")), 0) << missing;
    }
}

TEST_F(Bindings, OptionalNamesDependOnTheSystemVersion) {
    struct Case {
        const char* name;
        Win32Version os;
        bool reports;    // HidD_GetInputReport / HidD_SetOutputReport
        bool attributes; // HidP_GetExtendedAttributes / HidP_InitializeReportForID
    };
    const Case cases[] = {
        {"5.0", {2, 5, 0}, false, true},
        {"5.1", {2, 5, 1}, true, true},
        {"4.0", {2, 4, 0}, false, false},
        {"other line", {1, 10, 0}, false, false},
    };
    RegisterHidWithout("HidD_GetInputReport");
    for (const auto& c : cases) {
        // The optional names may be missing without failing the binding.
        ASSERT_TRUE(BindHidLibrary(c.os)) << c.name;
        EXPECT_EQ(HidApi.HidD_GetInputReport, nullptr) << c.name;
        EXPECT_EQ(HidApi.HidD_SetOutputReport != nullptr, c.reports) << c.name;
        EXPECT_EQ(HidApi.HidP_GetExtendedAttributes != nullptr, c.attributes) << c.name;
        EXPECT_EQ(HidApi.HidP_GetButtons, HidApi.HidP_GetUsages) << c.name;
        UnbindHidLibrary();
        EXPECT_FALSE(HidLibraryBound()) << c.name;
    }
}

TEST_F(Bindings, BindingsAreCounted) {
    RegisterStandardModules();
    struct Library {
        const char* name;
        bool (*bind)();
        void (*unbind)();
        bool (*bound)();
    };
    const Library libraries[] = {
        {"SetupApi.dll", &BindSetupApiLibrary, &UnbindSetupApiLibrary, &SetupApiLibraryBound},
        {"HID.dll", [] { return BindHidLibrary(); }, &UnbindHidLibrary, &HidLibraryBound},
    };
    for (const auto& l : libraries) {
        ASSERT_TRUE(l.bind()) << l.name;
        ASSERT_TRUE(l.bind()) << l.name;
        l.unbind();
        EXPECT_TRUE(l.bound()) << l.name;
        l.unbind();
        EXPECT_FALSE(l.bound()) << l.name;
        EXPECT_EQ(ModuleLoadCount(QString::fromLatin1(l.name)), 0) << l.name;
    }
}

TEST_F(Bindings, DeviceSetupBindsTheWideFormsUnderBothNames) {
    RegisterStandardModules();
    ASSERT_TRUE(BindSetupApiLibrary());
    EXPECT_NE(SetupApi.SetupDiGetClassDevsW, nullptr);
    EXPECT_EQ(SetupApi.SetupDiGetClassDevs, SetupApi.SetupDiGetClassDevsW);
    EXPECT_EQ(SetupApi.SetupDiGetDeviceInterfaceDetail, SetupApi.SetupDiGetDeviceInterfaceDetailW);
    UnbindSetupApiLibrary();

    UnregisterModule(QStringLiteral("SetupApi.dll"));
    EXPECT_FALSE(BindSetupApiLibrary());
    EXPECT_EQ(SetupApiBindCount(), 0);
}

} // namespace
