#pragma once
// Run-time binding of the HID class library ("HID.dll"). Every HID call of the layer goes
// through HidApi; its pointers are nil while the library is not bound. The binding is counted:
// each successful BindHidLibrary needs one UnbindHidLibrary, and the last one frees it.

#include "platform/hidclass/hidsdi.h"
#include "platform/hidparser/hidpi.h"
#include "platform/win32/types.h"

// The operating-system line and version some entry points depend on.
struct Win32Version {
    DWORD platform; // 2: the NT line
    DWORD major;
    DWORD minor;

    // What this system offers: every entry point of the newest NT line.
    static Win32Version Current() { return {2, 10, 0}; }
    bool AtLeast(DWORD wantMajor, DWORD wantMinor) const {
        return platform == 2 && (major > wantMajor || (major == wantMajor && minor >= wantMinor));
    }
};

// Entry points bound (and required) but never called; the headers do not declare them.
using HidD_HelloProc = ULONG (*)(PCHAR buffer, ULONG length);
using HidP_UsageListDifferenceProc = NTSTATUS (*)(PUSAGE previousUsageList, PUSAGE currentUsageList,
                                                  PUSAGE breakUsageList, PUSAGE makeUsageList,
                                                  ULONG usageListLength);
using HidP_TranslateUsagesToI8042ScanCodesProc =
    NTSTATUS (*)(PUSAGE changedUsageList, ULONG usageListLength, HIDP_KEYBOARD_DIRECTION keyAction,
                 HIDP_KEYBOARD_MODIFIER_STATE* modifierState,
                 PHIDP_INSERT_SCANCODES insertCodesProcedure, PVOID insertCodesContext);

struct HidApiTable {
    HMODULE module = nullptr;

    HidD_HelloProc HidD_Hello = nullptr;
    decltype(&::HidD_GetHidGuid) HidD_GetHidGuid = nullptr;
    decltype(&::HidD_GetPreparsedData) HidD_GetPreparsedData = nullptr;
    decltype(&::HidD_FreePreparsedData) HidD_FreePreparsedData = nullptr;
    decltype(&::HidD_GetConfiguration) HidD_GetConfiguration = nullptr;
    decltype(&::HidD_SetConfiguration) HidD_SetConfiguration = nullptr;
    decltype(&::HidD_FlushQueue) HidD_FlushQueue = nullptr;
    decltype(&::HidD_GetFeature) HidD_GetFeature = nullptr;
    decltype(&::HidD_SetFeature) HidD_SetFeature = nullptr;
    decltype(&::HidD_GetNumInputBuffers) HidD_GetNumInputBuffers = nullptr;
    decltype(&::HidD_SetNumInputBuffers) HidD_SetNumInputBuffers = nullptr;
    decltype(&::HidD_GetAttributes) HidD_GetAttributes = nullptr;
    decltype(&::HidD_GetManufacturerString) HidD_GetManufacturerString = nullptr;
    decltype(&::HidD_GetProductString) HidD_GetProductString = nullptr;
    decltype(&::HidD_GetSerialNumberString) HidD_GetSerialNumberString = nullptr;
    decltype(&::HidD_GetPhysicalDescriptor) HidD_GetPhysicalDescriptor = nullptr;
    decltype(&::HidD_GetIndexedString) HidD_GetIndexedString = nullptr;
    // Optional: NT 5.1 and later.
    decltype(&::HidD_GetInputReport) HidD_GetInputReport = nullptr;
    decltype(&::HidD_SetOutputReport) HidD_SetOutputReport = nullptr;

    decltype(&::HidP_GetCaps) HidP_GetCaps = nullptr;
    decltype(&::HidP_GetLinkCollectionNodes) HidP_GetLinkCollectionNodes = nullptr;
    decltype(&::HidP_GetSpecificButtonCaps) HidP_GetSpecificButtonCaps = nullptr;
    decltype(&::HidP_GetSpecificValueCaps) HidP_GetSpecificValueCaps = nullptr;
    decltype(&::HidP_GetData) HidP_GetData = nullptr;
    decltype(&::HidP_SetData) HidP_SetData = nullptr;
    decltype(&::HidP_MaxDataListLength) HidP_MaxDataListLength = nullptr;
    decltype(&::HidP_GetUsages) HidP_GetUsages = nullptr;
    decltype(&::HidP_GetUsagesEx) HidP_GetUsagesEx = nullptr;
    decltype(&::HidP_SetUsages) HidP_SetUsages = nullptr;
    decltype(&::HidP_UnsetUsages) HidP_UnsetUsages = nullptr;
    decltype(&::HidP_MaxUsageListLength) HidP_MaxUsageListLength = nullptr;
    decltype(&::HidP_GetUsageValue) HidP_GetUsageValue = nullptr;
    decltype(&::HidP_GetScaledUsageValue) HidP_GetScaledUsageValue = nullptr;
    decltype(&::HidP_GetUsageValueArray) HidP_GetUsageValueArray = nullptr;
    decltype(&::HidP_SetUsageValue) HidP_SetUsageValue = nullptr;
    decltype(&::HidP_SetScaledUsageValue) HidP_SetScaledUsageValue = nullptr;
    decltype(&::HidP_SetUsageValueArray) HidP_SetUsageValueArray = nullptr;
    HidP_UsageListDifferenceProc HidP_UsageListDifference = nullptr;
    HidP_TranslateUsagesToI8042ScanCodesProc HidP_TranslateUsagesToI8042ScanCodes = nullptr;
    // Optional: NT 5.0 and later.
    decltype(&::HidP_GetExtendedAttributes) HidP_GetExtendedAttributes = nullptr;
    decltype(&::HidP_InitializeReportForID) HidP_InitializeReportForID = nullptr;

    // The usage functions bound a second time, for the device's button-named operations.
    decltype(&::HidP_GetUsages) HidP_GetButtons = nullptr;
    decltype(&::HidP_GetUsagesEx) HidP_GetButtonsEx = nullptr;
    decltype(&::HidP_SetUsages) HidP_SetButtons = nullptr;
    decltype(&::HidP_UnsetUsages) HidP_UnsetButtons = nullptr;
    decltype(&::HidP_MaxUsageListLength) HidP_MaxButtonListLength = nullptr;
};

// The process-wide table; read by every thread once bound, written only by (un)binding.
extern HidApiTable HidApi;

// Binds "HID.dll" (or counts one more holder when already bound). Fails, leaving everything
// unbound, when the library is missing or lacks a required entry point. The four optional entry
// points are bound only on the system versions that have them.
bool BindHidLibrary(const Win32Version& os = Win32Version::Current());
// Drops one holder; the last one frees the library and clears the table.
void UnbindHidLibrary();
bool HidLibraryBound();

// All button or value capabilities of one report type (usage page, collection and usage 0).
NTSTATUS GetAllButtonCaps(HIDP_REPORT_TYPE reportType, HIDP_BUTTON_CAPS* buttonCaps, USHORT& count,
                          PHIDP_PREPARSED_DATA preparsedData);
NTSTATUS GetAllValueCaps(HIDP_REPORT_TYPE reportType, HIDP_VALUE_CAPS* valueCaps, USHORT& count,
                         PHIDP_PREPARSED_DATA preparsedData);
