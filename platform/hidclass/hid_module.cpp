#include "platform/hidclass/hid_module.h"

#include "platform/hidclass/hidsdi.h"
#include "platform/modules/module_registry.h"
#include "platform/modules/module_version.h"

namespace {

// Exported for completeness of the library's name list; no caller of ours uses them.
ULONG HidD_Hello(PCHAR, ULONG) {
    return static_cast<ULONG>(HIDP_STATUS_NOT_IMPLEMENTED);
}

NTSTATUS notImplementedLinkCollectionNodes(HIDP_LINK_COLLECTION_NODE*, ULONG*,
                                           PHIDP_PREPARSED_DATA) {
    return HIDP_STATUS_NOT_IMPLEMENTED;
}

NTSTATUS notImplementedUsageListDifference(PUSAGE, PUSAGE, PUSAGE, PUSAGE, ULONG) {
    return HIDP_STATUS_NOT_IMPLEMENTED;
}

NTSTATUS notImplementedScanCodes(PUSAGE, ULONG, HIDP_KEYBOARD_DIRECTION,
                                 HIDP_KEYBOARD_MODIFIER_STATE*, PHIDP_INSERT_SCANCODES, PVOID) {
    return HIDP_STATUS_NOT_IMPLEMENTED;
}

} // namespace

void RegisterHidModule() {
    // The version of this stand-in, read back by the controller's HidVersion.
    SetModuleVersion(
        QStringLiteral("HID.dll"),
        {{QStringLiteral("\\StringFileInfo\\040904E4\\FileVersion"), QStringLiteral("1.0.0.0")}});
    RegisterModule(
        QStringLiteral("HID.dll"),
        {
            {"HidD_Hello", ModuleExport(&HidD_Hello)},
            {"HidD_GetHidGuid", ModuleExport(&HidD_GetHidGuid)},
            {"HidD_GetPreparsedData", ModuleExport(&HidD_GetPreparsedData)},
            {"HidD_FreePreparsedData", ModuleExport(&HidD_FreePreparsedData)},
            {"HidD_GetConfiguration", ModuleExport(&HidD_GetConfiguration)},
            {"HidD_SetConfiguration", ModuleExport(&HidD_SetConfiguration)},
            {"HidD_FlushQueue", ModuleExport(&HidD_FlushQueue)},
            {"HidD_GetFeature", ModuleExport(&HidD_GetFeature)},
            {"HidD_SetFeature", ModuleExport(&HidD_SetFeature)},
            {"HidD_GetNumInputBuffers", ModuleExport(&HidD_GetNumInputBuffers)},
            {"HidD_SetNumInputBuffers", ModuleExport(&HidD_SetNumInputBuffers)},
            {"HidD_GetAttributes", ModuleExport(&HidD_GetAttributes)},
            {"HidD_GetManufacturerString", ModuleExport(&HidD_GetManufacturerString)},
            {"HidD_GetProductString", ModuleExport(&HidD_GetProductString)},
            {"HidD_GetSerialNumberString", ModuleExport(&HidD_GetSerialNumberString)},
            {"HidD_GetPhysicalDescriptor", ModuleExport(&HidD_GetPhysicalDescriptor)},
            {"HidD_GetIndexedString", ModuleExport(&HidD_GetIndexedString)},
            {"HidD_GetInputReport", ModuleExport(&HidD_GetInputReport)},
            {"HidD_SetOutputReport", ModuleExport(&HidD_SetOutputReport)},
            {"HidP_GetCaps", ModuleExport(&HidP_GetCaps)},
            {"HidP_GetLinkCollectionNodes", ModuleExport(&notImplementedLinkCollectionNodes)},
            {"HidP_GetSpecificButtonCaps", ModuleExport(&HidP_GetSpecificButtonCaps)},
            {"HidP_GetSpecificValueCaps", ModuleExport(&HidP_GetSpecificValueCaps)},
            {"HidP_GetData", ModuleExport(&HidP_GetData)},
            {"HidP_SetData", ModuleExport(&HidP_SetData)},
            {"HidP_MaxDataListLength", ModuleExport(&HidP_MaxDataListLength)},
            {"HidP_GetUsages", ModuleExport(&HidP_GetUsages)},
            {"HidP_GetUsagesEx", ModuleExport(&HidP_GetUsagesEx)},
            {"HidP_SetUsages", ModuleExport(&HidP_SetUsages)},
            {"HidP_UnsetUsages", ModuleExport(&HidP_UnsetUsages)},
            {"HidP_MaxUsageListLength", ModuleExport(&HidP_MaxUsageListLength)},
            {"HidP_GetUsageValue", ModuleExport(&HidP_GetUsageValue)},
            {"HidP_GetScaledUsageValue", ModuleExport(&HidP_GetScaledUsageValue)},
            {"HidP_GetUsageValueArray", ModuleExport(&HidP_GetUsageValueArray)},
            {"HidP_SetUsageValue", ModuleExport(&HidP_SetUsageValue)},
            {"HidP_SetScaledUsageValue", ModuleExport(&HidP_SetScaledUsageValue)},
            {"HidP_SetUsageValueArray", ModuleExport(&HidP_SetUsageValueArray)},
            {"HidP_UsageListDifference", ModuleExport(&notImplementedUsageListDifference)},
            {"HidP_TranslateUsagesToI8042ScanCodes", ModuleExport(&notImplementedScanCodes)},
            {"HidP_GetExtendedAttributes", ModuleExport(&HidP_GetExtendedAttributes)},
            {"HidP_InitializeReportForID", ModuleExport(&HidP_InitializeReportForID)},
        });
}
