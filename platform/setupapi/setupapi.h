#pragma once
// The device-setup calls the HID layer makes (wide forms), over a snapshot of the current HID
// bus. A snapshot lists one HID interface per top-level collection of every node present, in the
// bus's node order. An interface's device instance (DevInst) is new with every plug of its node,
// so a replugged device is a new device. Results: TRUE, or FALSE with the reason as the last
// error; SetupDiGetClassDevsW answers INVALID_HANDLE_VALUE on failure.

#include "platform/win32/types.h"

using HDEVINFO = void*;
using PCWSTR = const WCHAR*;
using PBYTE = BYTE*;
using PDWORD = DWORD*;

constexpr DWORD DIGCF_DEFAULT = 0x01;
constexpr DWORD DIGCF_PRESENT = 0x02;
constexpr DWORD DIGCF_ALLCLASSES = 0x04;
constexpr DWORD DIGCF_PROFILE = 0x08;
constexpr DWORD DIGCF_DEVICEINTERFACE = 0x10;

constexpr DWORD SPINT_ACTIVE = 0x1;

// Registry properties of a device (SetupDiGetDeviceRegistryPropertyW).
constexpr DWORD SPDRP_DEVICEDESC = 0;
constexpr DWORD SPDRP_HARDWAREID = 1;
constexpr DWORD SPDRP_COMPATIBLEIDS = 2;
constexpr DWORD SPDRP_SERVICE = 4;
constexpr DWORD SPDRP_CLASS = 7;
constexpr DWORD SPDRP_CLASSGUID = 8;
constexpr DWORD SPDRP_DRIVER = 9;
constexpr DWORD SPDRP_CONFIGFLAGS = 10;
constexpr DWORD SPDRP_MFG = 11;
constexpr DWORD SPDRP_FRIENDLYNAME = 12;
constexpr DWORD SPDRP_LOCATION_INFORMATION = 13;
constexpr DWORD SPDRP_PHYSICAL_DEVICE_OBJECT_NAME = 14;
constexpr DWORD SPDRP_CAPABILITIES = 15;
constexpr DWORD SPDRP_UI_NUMBER = 16;
constexpr DWORD SPDRP_UPPERFILTERS = 17;
constexpr DWORD SPDRP_LOWERFILTERS = 18;
constexpr DWORD SPDRP_BUSTYPEGUID = 19;
constexpr DWORD SPDRP_LEGACYBUSTYPE = 20;
constexpr DWORD SPDRP_BUSNUMBER = 21;
constexpr DWORD SPDRP_ENUMERATOR_NAME = 22;
constexpr DWORD SPDRP_SECURITY_SDS = 24;
constexpr DWORD SPDRP_DEVTYPE = 25;
constexpr DWORD SPDRP_EXCLUSIVE = 26;
constexpr DWORD SPDRP_CHARACTERISTICS = 27;
constexpr DWORD SPDRP_ADDRESS = 28;
constexpr DWORD SPDRP_UI_NUMBER_DESC_FORMAT = 30;

// Registry value types of the properties.
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_MULTI_SZ = 7;

// Every record's cbSize must be sizeof the record as declared here (else
// ERROR_INVALID_USER_BUFFER).
struct SP_DEVINFO_DATA {
    DWORD cbSize;
    GUID ClassGuid;
    DWORD DevInst;
    ULONG_PTR Reserved;
};
using PSP_DEVINFO_DATA = SP_DEVINFO_DATA*;

struct SP_DEVICE_INTERFACE_DATA {
    DWORD cbSize;
    GUID InterfaceClassGuid;
    DWORD Flags;
    ULONG_PTR Reserved;
};
using PSP_DEVICE_INTERFACE_DATA = SP_DEVICE_INTERFACE_DATA*;

// Header of the variable-length detail record: the path follows as a NUL-terminated string.
struct SP_DEVICE_INTERFACE_DETAIL_DATA_W {
    DWORD cbSize;
    WCHAR DevicePath[1];
};
using PSP_DEVICE_INTERFACE_DETAIL_DATA_W = SP_DEVICE_INTERFACE_DETAIL_DATA_W*;

// The setup class of HID devices (SP_DEVINFO_DATA.ClassGuid).
inline constexpr GUID GUID_DEVCLASS_HIDCLASS = {
    0x745A17A0, 0x74D3, 0x11D0, {0xB6, 0xFE, 0x00, 0xA0, 0xC9, 0x0F, 0x57, 0xDA}};

// A snapshot of the present HID interfaces when classGuid is the HID interface class and flags
// hold DIGCF_DEVICEINTERFACE (devices that are not present are never listed); an empty set for
// other classes or an enumerator filter. classGuid may be nullptr only with DIGCF_ALLCLASSES.
HDEVINFO SetupDiGetClassDevsW(const GUID* classGuid, PCWSTR enumerator, HWND parent, DWORD flags);
// Interface memberIndex of the set (of deviceInfo's device only, when given);
// ERROR_NO_MORE_ITEMS past the last one.
BOOL SetupDiEnumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA deviceInfo,
                                 const GUID* interfaceClassGuid, DWORD memberIndex,
                                 PSP_DEVICE_INTERFACE_DATA interfaceData);
// The interface's path. With detail nullptr and detailSize 0 it is a size query: FALSE with
// ERROR_INSUFFICIENT_BUFFER and *requiredSize set. deviceInfo, when given, is filled in either way.
BOOL SetupDiGetDeviceInterfaceDetailW(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA interfaceData,
                                      PSP_DEVICE_INTERFACE_DETAIL_DATA_W detail, DWORD detailSize,
                                      PDWORD requiredSize, PSP_DEVINFO_DATA deviceInfo);
// A registry property of the device; ERROR_INVALID_DATA for a property the device does not
// have, ERROR_INSUFFICIENT_BUFFER (with *requiredSize) when it does not fit.
BOOL SetupDiGetDeviceRegistryPropertyW(HDEVINFO set, PSP_DEVINFO_DATA deviceInfo, DWORD property,
                                       PDWORD propertyRegDataType, PBYTE buffer, DWORD size,
                                       PDWORD requiredSize);
BOOL SetupDiDestroyDeviceInfoList(HDEVINFO set);
