#include "platform/hidbus/sim_hid_bus.h"
#include "platform/modules/module_registry.h"
#include "platform/modules/standard_modules.h"
#include "platform/setupapi/setupapi.h"
#include "platform/win32/types.h"
#include "tests/support/hid_library_names.h"

#include <gtest/gtest.h>

namespace {

const char* const kSetupNames[] = {
    "SetupDiGetClassDevsW", "SetupDiEnumDeviceInterfaces", "SetupDiGetDeviceInterfaceDetailW",
    "SetupDiGetDeviceRegistryPropertyW", "SetupDiDestroyDeviceInfoList"};

TEST(StandardModules, EveryBoundNameIsExported) {
    RegisterStandardModules();
    const struct {
        const char* module;
        std::vector<const char*> names;
    } cases[] = {
        {"HID.dll", {std::begin(HidLibraryNames), std::end(HidLibraryNames)}},
        {"SetupApi.dll", {std::begin(kSetupNames), std::end(kSetupNames)}},
        {"kernel32.dll", {"CancelIo"}},
    };
    for (const auto& c : cases) {
        HMODULE module = SafeLoadLibrary(QString::fromLatin1(c.module), SEM_NOOPENFILEERRORBOX);
        ASSERT_NE(module, nullptr) << c.module;
        for (const char* name : c.names)
            EXPECT_NE(GetProcAddress(module, name), nullptr) << c.module << " " << name;
        FreeLibrary(module);
    }
}

TEST(StandardModules, ScanThroughTheBoundSetupCallsFindsSimulatedDevices) {
    RegisterStandardModules();
    SimHidBus bus;
    ScopedHidBus guard(bus);
    SimHidDeviceSpec spec;
    spec.reportDescriptor = {0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x09, 0x30, 0x15, 0x00,
                             0x25, 0x7F, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0};
    bus.addDevice(spec);

    HMODULE setup = SafeLoadLibrary(QStringLiteral("setupapi.dll"), SEM_NOOPENFILEERRORBOX);
    HMODULE hid = SafeLoadLibrary(QStringLiteral("hid.dll"), SEM_NOOPENFILEERRORBOX);
    auto getGuid = reinterpret_cast<void (*)(GUID*)>(GetProcAddress(hid, "HidD_GetHidGuid"));
    auto getClassDevs = reinterpret_cast<decltype(&SetupDiGetClassDevsW)>(
        GetProcAddress(setup, "SetupDiGetClassDevsW"));
    auto enumInterfaces = reinterpret_cast<decltype(&SetupDiEnumDeviceInterfaces)>(
        GetProcAddress(setup, "SetupDiEnumDeviceInterfaces"));
    auto destroy = reinterpret_cast<decltype(&SetupDiDestroyDeviceInfoList)>(
        GetProcAddress(setup, "SetupDiDestroyDeviceInfoList"));
    ASSERT_TRUE(getGuid && getClassDevs && enumInterfaces && destroy);
    GUID hidGuid{};
    getGuid(&hidGuid);
    HDEVINFO set = getClassDevs(&hidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    ASSERT_NE(set, INVALID_HANDLE_VALUE);
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    EXPECT_TRUE(enumInterfaces(set, nullptr, &hidGuid, 0, &data));
    EXPECT_FALSE(enumInterfaces(set, nullptr, &hidGuid, 1, &data)) << "one device, one collection";
    EXPECT_TRUE(destroy(set));
    FreeLibrary(hid);
    FreeLibrary(setup);
}

} // namespace
