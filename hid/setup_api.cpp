#include "hid/setup_api.h"

#include "hid/module_loader.h"

SetupApiTable SetupApi;

namespace {

int BindCount = 0;

template <typename Function> void Bind(Function& slot, const char* name, bool& allFound) {
    slot = reinterpret_cast<Function>(BindModuleSymbol(SetupApi.module, name, allFound));
}

void BindAll(bool& allFound) {
    auto& t = SetupApi;
    Bind(t.SetupDiGetClassDevsW, "SetupDiGetClassDevsW", allFound);
    t.SetupDiGetClassDevs = t.SetupDiGetClassDevsW;
    Bind(t.SetupDiEnumDeviceInterfaces, "SetupDiEnumDeviceInterfaces", allFound);
    Bind(t.SetupDiGetDeviceInterfaceDetailW, "SetupDiGetDeviceInterfaceDetailW", allFound);
    t.SetupDiGetDeviceInterfaceDetail = t.SetupDiGetDeviceInterfaceDetailW;
    Bind(t.SetupDiGetDeviceRegistryPropertyW, "SetupDiGetDeviceRegistryPropertyW", allFound);
    t.SetupDiGetDeviceRegistryProperty = t.SetupDiGetDeviceRegistryPropertyW;
    Bind(t.SetupDiDestroyDeviceInfoList, "SetupDiDestroyDeviceInfoList", allFound);
}

} // namespace

bool BindSetupApiLibrary() {
    if (++BindCount > 1)
        return true;
    bool allFound = OpenModule(SetupApi.module, QStringLiteral("SetupApi.dll"));
    if (allFound)
        BindAll(allFound);
    if (!allFound)
        UnbindSetupApiLibrary();
    return allFound;
}

void UnbindSetupApiLibrary() {
    if (--BindCount > 0)
        return;
    BindCount = 0;
    CloseModule(SetupApi.module);
    SetupApi = SetupApiTable();
}

bool SetupApiLibraryBound() {
    return SetupApi.module != nullptr;
}

int SetupApiBindCount() {
    return BindCount;
}
