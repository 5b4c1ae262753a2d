#include "platform/modules/standard_modules.h"

#include "platform/hidclass/hid_module.h"
#include "platform/modules/module_registry.h"
#include "platform/setupapi/setupapi_module.h"
#include "platform/win32/overlapped_io.h"

void RegisterStandardModules() {
    RegisterHidModule();
    RegisterSetupApiModule();
    RegisterModule(QStringLiteral("kernel32.dll"), {{"CancelIo", ModuleExport(&CancelIo)}});
}
