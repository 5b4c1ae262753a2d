#pragma once
// Run-time binding of the device-setup library ("SetupApi.dll"), counted: every successful
// BindSetupApiLibrary needs one UnbindSetupApiLibrary and the last one frees the library.
// Only the entry points the HID layer calls are bound, each required; a function with an 8-bit
// and a wide form is bound in its wide form, and its unsuffixed name holds the same pointer.

#include "platform/setupapi/setupapi.h"
#include "platform/win32/types.h"

struct SetupApiTable {
    HMODULE module = nullptr;

    decltype(&::SetupDiGetClassDevsW) SetupDiGetClassDevsW = nullptr;
    decltype(&::SetupDiGetClassDevsW) SetupDiGetClassDevs = nullptr;
    decltype(&::SetupDiEnumDeviceInterfaces) SetupDiEnumDeviceInterfaces = nullptr;
    decltype(&::SetupDiGetDeviceInterfaceDetailW) SetupDiGetDeviceInterfaceDetailW = nullptr;
    decltype(&::SetupDiGetDeviceInterfaceDetailW) SetupDiGetDeviceInterfaceDetail = nullptr;
    decltype(&::SetupDiGetDeviceRegistryPropertyW) SetupDiGetDeviceRegistryPropertyW = nullptr;
    decltype(&::SetupDiGetDeviceRegistryPropertyW) SetupDiGetDeviceRegistryProperty = nullptr;
    decltype(&::SetupDiDestroyDeviceInfoList) SetupDiDestroyDeviceInfoList = nullptr;
};

extern SetupApiTable SetupApi;

// One more holder of the binding; the first one loads and binds the library. False (and the
// count back where it was) when the library or one of its entry points is missing.
bool BindSetupApiLibrary();
// One holder less; at 0 the library is freed and the table cleared.
void UnbindSetupApiLibrary();
bool SetupApiLibraryBound();
// The number of holders (the binding's reference count).
int SetupApiBindCount();
