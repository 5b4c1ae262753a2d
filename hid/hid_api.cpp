#include "hid/hid_api.h"

#include "hid/module_loader.h"

HidApiTable HidApi;

namespace {

int HidBindCount = 0;

template <typename Function> void Bind(Function& slot, const char* name, bool& allFound) {
    slot = reinterpret_cast<Function>(BindModuleSymbol(HidApi.module, name, allFound));
}

void BindAll(const Win32Version& os, bool& allFound) {
    // Optional entry points: their absence never fails the binding.
    bool optionalFound = true;
    auto& t = HidApi;
    Bind(t.HidD_Hello, "HidD_Hello", allFound);
    Bind(t.HidD_GetHidGuid, "HidD_GetHidGuid", allFound);
    Bind(t.HidD_GetPreparsedData, "HidD_GetPreparsedData", allFound);
    Bind(t.HidD_FreePreparsedData, "HidD_FreePreparsedData", allFound);
    Bind(t.HidD_GetConfiguration, "HidD_GetConfiguration", allFound);
    Bind(t.HidD_SetConfiguration, "HidD_SetConfiguration", allFound);
    Bind(t.HidD_FlushQueue, "HidD_FlushQueue", allFound);
    Bind(t.HidD_GetFeature, "HidD_GetFeature", allFound);
    Bind(t.HidD_SetFeature, "HidD_SetFeature", allFound);
    Bind(t.HidD_GetNumInputBuffers, "HidD_GetNumInputBuffers", allFound);
    Bind(t.HidD_SetNumInputBuffers, "HidD_SetNumInputBuffers", allFound);
    Bind(t.HidD_GetAttributes, "HidD_GetAttributes", allFound);
    Bind(t.HidD_GetManufacturerString, "HidD_GetManufacturerString", allFound);
    Bind(t.HidD_GetProductString, "HidD_GetProductString", allFound);
    Bind(t.HidD_GetSerialNumberString, "HidD_GetSerialNumberString", allFound);
    Bind(t.HidD_GetPhysicalDescriptor, "HidD_GetPhysicalDescriptor", allFound);
    Bind(t.HidD_GetIndexedString, "HidD_GetIndexedString", allFound);
    if (os.AtLeast(5, 1)) {
        Bind(t.HidD_GetInputReport, "HidD_GetInputReport", optionalFound);
        Bind(t.HidD_SetOutputReport, "HidD_SetOutputReport", optionalFound);
    }
    Bind(t.HidP_GetCaps, "HidP_GetCaps", allFound);
    Bind(t.HidP_GetLinkCollectionNodes, "HidP_GetLinkCollectionNodes", allFound);
    Bind(t.HidP_GetSpecificButtonCaps, "HidP_GetSpecificButtonCaps", allFound);
    Bind(t.HidP_GetSpecificValueCaps, "HidP_GetSpecificValueCaps", allFound);
    Bind(t.HidP_GetData, "HidP_GetData", allFound);
    Bind(t.HidP_SetData, "HidP_SetData", allFound);
    Bind(t.HidP_MaxDataListLength, "HidP_MaxDataListLength", allFound);
    Bind(t.HidP_GetUsages, "HidP_GetUsages", allFound);
    Bind(t.HidP_GetButtons, "HidP_GetUsages", allFound);
    Bind(t.HidP_GetUsagesEx, "HidP_GetUsagesEx", allFound);
    Bind(t.HidP_GetButtonsEx, "HidP_GetUsagesEx", allFound);
    Bind(t.HidP_SetUsages, "HidP_SetUsages", allFound);
    Bind(t.HidP_SetButtons, "HidP_SetUsages", allFound);
    Bind(t.HidP_UnsetUsages, "HidP_UnsetUsages", allFound);
    Bind(t.HidP_UnsetButtons, "HidP_UnsetUsages", allFound);
    Bind(t.HidP_MaxUsageListLength, "HidP_MaxUsageListLength", allFound);
    Bind(t.HidP_MaxButtonListLength, "HidP_MaxUsageListLength", allFound);
    Bind(t.HidP_GetUsageValue, "HidP_GetUsageValue", allFound);
    Bind(t.HidP_GetScaledUsageValue, "HidP_GetScaledUsageValue", allFound);
    Bind(t.HidP_GetUsageValueArray, "HidP_GetUsageValueArray", allFound);
    Bind(t.HidP_SetUsageValue, "HidP_SetUsageValue", allFound);
    Bind(t.HidP_SetScaledUsageValue, "HidP_SetScaledUsageValue", allFound);
    Bind(t.HidP_SetUsageValueArray, "HidP_SetUsageValueArray", allFound);
    Bind(t.HidP_UsageListDifference, "HidP_UsageListDifference", allFound);
    Bind(t.HidP_TranslateUsagesToI8042ScanCodes, "HidP_TranslateUsagesToI8042ScanCodes", allFound);
    if (os.AtLeast(5, 0)) {
        Bind(t.HidP_GetExtendedAttributes, "HidP_GetExtendedAttributes", optionalFound);
        Bind(t.HidP_InitializeReportForID, "HidP_InitializeReportForID", optionalFound);
    }
}

} // namespace

bool BindHidLibrary(const Win32Version& os) {
    if (++HidBindCount > 1)
        return true;
    bool allFound = OpenModule(HidApi.module, QStringLiteral("HID.dll"));
    if (allFound)
        BindAll(os, allFound);
    if (!allFound)
        UnbindHidLibrary();
    return allFound;
}

void UnbindHidLibrary() {
    if (--HidBindCount > 0)
        return;
    HidBindCount = 0;
    CloseModule(HidApi.module);
    HidApi = HidApiTable();
}

bool HidLibraryBound() {
    return HidApi.module != nullptr;
}

NTSTATUS GetAllButtonCaps(HIDP_REPORT_TYPE reportType, HIDP_BUTTON_CAPS* buttonCaps, USHORT& count,
                          PHIDP_PREPARSED_DATA preparsedData) {
    return HidApi.HidP_GetSpecificButtonCaps(reportType, 0, 0, 0, buttonCaps, &count,
                                             preparsedData);
}

NTSTATUS GetAllValueCaps(HIDP_REPORT_TYPE reportType, HIDP_VALUE_CAPS* valueCaps, USHORT& count,
                         PHIDP_PREPARSED_DATA preparsedData) {
    return HidApi.HidP_GetSpecificValueCaps(reportType, 0, 0, 0, valueCaps, &count, preparsedData);
}
