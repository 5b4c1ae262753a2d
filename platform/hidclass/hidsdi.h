#pragma once
// The HID class calls on device handles (HidD_*), with the Windows signatures, over the device
// files of platform/win32 and the current HID bus. Each returns TRUE on success; on failure FALSE
// with the reason as the calling thread's last error (GetLastError, text: SysErrorMessage).
// Report buffers hold the report id in byte 0 (0 for devices without report ids).

#include "platform/hidparser/hidpi.h"
#include "platform/win32/types.h"

struct HIDD_ATTRIBUTES {
    ULONG Size; // sizeof(HIDD_ATTRIBUTES), set by the caller
    USHORT VendorID;
    USHORT ProductID;
    USHORT VersionNumber;
};

// Configuration record of the class driver; our devices have none to offer.
struct HIDD_CONFIGURATION {
    ULONG cookie;
    ULONG size;
    ULONG RingBufferSize;
};

// The device interface class of HID devices.
inline constexpr GUID GUID_DEVINTERFACE_HID = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

void HidD_GetHidGuid(GUID* hidGuid);
BOOLEAN HidD_GetAttributes(HANDLE device, HIDD_ATTRIBUTES* attributes);

// The parsed report descriptor of the handle's top-level collection; free it with
// HidD_FreePreparsedData. ERROR_INVALID_DATA when the descriptor cannot be parsed.
BOOLEAN HidD_GetPreparsedData(HANDLE device, PHIDP_PREPARSED_DATA* preparsedData);
BOOLEAN HidD_FreePreparsedData(PHIDP_PREPARSED_DATA preparsedData);

// Not offered by our devices: FALSE with ERROR_NOT_SUPPORTED on a valid handle.
BOOLEAN HidD_GetConfiguration(HANDLE device, HIDD_CONFIGURATION* configuration, ULONG length);
BOOLEAN HidD_SetConfiguration(HANDLE device, HIDD_CONFIGURATION* configuration, ULONG length);
BOOLEAN HidD_GetPhysicalDescriptor(HANDLE device, PVOID buffer, ULONG length);

// Drops the input reports queued for the handle. Needs read access.
BOOLEAN HidD_FlushQueue(HANDLE device);

// Report transfers: get calls need read access, set calls write access (ERROR_ACCESS_DENIED on
// a handle opened with access 0). A device failure gives the device's error code.
BOOLEAN HidD_GetFeature(HANDLE device, PVOID report, ULONG length);
BOOLEAN HidD_SetFeature(HANDLE device, PVOID report, ULONG length);
BOOLEAN HidD_GetInputReport(HANDLE device, PVOID report, ULONG length);
BOOLEAN HidD_SetOutputReport(HANDLE device, PVOID report, ULONG length);

// The handle's input buffer count: 32 when opened, 2 .. 512 accepted (ERROR_INVALID_PARAMETER
// otherwise). It is kept with the handle; how many reports a node queues is the bus's matter.
BOOLEAN HidD_GetNumInputBuffers(HANDLE device, ULONG* numberBuffers);
BOOLEAN HidD_SetNumInputBuffers(HANDLE device, ULONG numberBuffers);

// Strings as UTF-16 with a terminating NUL; ERROR_INSUFFICIENT_BUFFER when that does not fit in
// length bytes, ERROR_NOT_FOUND when the device has no such string.
BOOLEAN HidD_GetManufacturerString(HANDLE device, PVOID buffer, ULONG length);
BOOLEAN HidD_GetProductString(HANDLE device, PVOID buffer, ULONG length);
BOOLEAN HidD_GetSerialNumberString(HANDLE device, PVOID buffer, ULONG length);
// Index 0 gives the device's language ids followed by a 0 word; other indexes are not offered
// (ERROR_NOT_SUPPORTED).
BOOLEAN HidD_GetIndexedString(HANDLE device, ULONG stringIndex, PVOID buffer, ULONG length);
