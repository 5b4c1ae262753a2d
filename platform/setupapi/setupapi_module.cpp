#include "platform/setupapi/setupapi_module.h"

#include "platform/modules/module_registry.h"
#include "platform/setupapi/setupapi.h"

void RegisterSetupApiModule() {
    RegisterModule(
        QStringLiteral("SetupApi.dll"),
        {
            {"SetupDiGetClassDevsW", ModuleExport(&SetupDiGetClassDevsW)},
            {"SetupDiEnumDeviceInterfaces", ModuleExport(&SetupDiEnumDeviceInterfaces)},
            {"SetupDiGetDeviceInterfaceDetailW", ModuleExport(&SetupDiGetDeviceInterfaceDetailW)},
            {"SetupDiGetDeviceRegistryPropertyW", ModuleExport(&SetupDiGetDeviceRegistryPropertyW)},
            {"SetupDiDestroyDeviceInfoList", ModuleExport(&SetupDiDestroyDeviceInfoList)},
        });
}
