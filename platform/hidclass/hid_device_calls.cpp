#include "platform/hidclass/hidsdi.h"
#include "platform/win32/device_file.h"
#include "platform/win32/hid_control_codes.h"
#include "platform/win32/last_error.h"

#include <cstring>

namespace {

BOOLEAN fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

BOOLEAN notSupported(HANDLE handle) {
    if (!DeviceFileFromHandle(handle))
        return FALSE;
    return fail(ERROR_NOT_SUPPORTED);
}

// The class calls below are the driver's control codes, as the desktop's library makes them.
BOOLEAN control(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize) {
    DWORD returned = 0;
    return DeviceIoControl(device, code, in, inSize, out, outSize, &returned, nullptr) ? TRUE
                                                                                       : FALSE;
}

BOOLEAN getReport(HANDLE device, DWORD code, PVOID report, ULONG length) {
    return control(device, code, nullptr, 0, report, length);
}

BOOLEAN setReport(HANDLE device, DWORD code, PVOID report, ULONG length) {
    return control(device, code, report, length, nullptr, 0);
}

} // namespace

void HidD_GetHidGuid(GUID* hidGuid) {
    if (hidGuid)
        *hidGuid = GUID_DEVINTERFACE_HID;
}

BOOLEAN HidD_GetAttributes(HANDLE device, HIDD_ATTRIBUTES* attributes) {
    const auto file = DeviceFileFromHandle(device);
    if (!file)
        return FALSE;
    if (!attributes)
        return fail(ERROR_INVALID_PARAMETER);
    WORD vendorId = 0, productId = 0, version = 0;
    if (const DWORD error = file->channel->readAttributes(vendorId, productId, version))
        return fail(error);
    attributes->Size = sizeof(HIDD_ATTRIBUTES);
    attributes->VendorID = vendorId;
    attributes->ProductID = productId;
    attributes->VersionNumber = version;
    return TRUE;
}

BOOLEAN HidD_GetPreparsedData(HANDLE device, PHIDP_PREPARSED_DATA* preparsedData) {
    const auto file = DeviceFileFromHandle(device);
    if (!file)
        return FALSE;
    if (!preparsedData)
        return fail(ERROR_INVALID_PARAMETER);
    const std::vector<BYTE>& descriptor = file->channel->node().reportDescriptor;
    std::vector<PHIDP_PREPARSED_DATA> collections;
    if (HidParserParse(descriptor.data(), static_cast<ULONG>(descriptor.size()), collections) !=
        HIDP_STATUS_SUCCESS)
        return fail(ERROR_INVALID_DATA);
    const auto index = static_cast<std::size_t>(file->collection);
    PHIDP_PREPARSED_DATA chosen = index < collections.size() ? collections[index] : nullptr;
    for (PHIDP_PREPARSED_DATA data : collections) {
        if (data != chosen)
            HidParserFree(data);
    }
    if (!chosen)
        return fail(ERROR_NOT_FOUND);
    *preparsedData = chosen;
    return TRUE;
}

BOOLEAN HidD_FreePreparsedData(PHIDP_PREPARSED_DATA preparsedData) {
    if (!preparsedData)
        return fail(ERROR_INVALID_PARAMETER);
    HidParserFree(preparsedData);
    return TRUE;
}

BOOLEAN HidD_GetConfiguration(HANDLE device, HIDD_CONFIGURATION*, ULONG) {
    return notSupported(device);
}

BOOLEAN HidD_SetConfiguration(HANDLE device, HIDD_CONFIGURATION*, ULONG) {
    return notSupported(device);
}

BOOLEAN HidD_GetPhysicalDescriptor(HANDLE device, PVOID, ULONG) {
    return notSupported(device);
}

BOOLEAN HidD_FlushQueue(HANDLE device) {
    return control(device, IOCTL_HID_FLUSH_QUEUE, nullptr, 0, nullptr, 0);
}

BOOLEAN HidD_GetFeature(HANDLE device, PVOID report, ULONG length) {
    return getReport(device, IOCTL_HID_GET_FEATURE, report, length);
}

BOOLEAN HidD_SetFeature(HANDLE device, PVOID report, ULONG length) {
    return setReport(device, IOCTL_HID_SET_FEATURE, report, length);
}

BOOLEAN HidD_GetInputReport(HANDLE device, PVOID report, ULONG length) {
    return getReport(device, IOCTL_HID_GET_INPUT_REPORT, report, length);
}

BOOLEAN HidD_SetOutputReport(HANDLE device, PVOID report, ULONG length) {
    return setReport(device, IOCTL_HID_SET_OUTPUT_REPORT, report, length);
}

BOOLEAN HidD_GetNumInputBuffers(HANDLE device, ULONG* numberBuffers) {
    return control(device, IOCTL_GET_NUM_DEVICE_INPUT_BUFFERS, nullptr, 0, numberBuffers,
                   sizeof(ULONG));
}

BOOLEAN HidD_SetNumInputBuffers(HANDLE device, ULONG numberBuffers) {
    return control(device, IOCTL_SET_NUM_DEVICE_INPUT_BUFFERS, &numberBuffers, sizeof numberBuffers,
                   nullptr, 0);
}

BOOLEAN HidD_GetManufacturerString(HANDLE device, PVOID buffer, ULONG length) {
    return getReport(device, IOCTL_HID_GET_MANUFACTURER_STRING, buffer, length);
}

BOOLEAN HidD_GetProductString(HANDLE device, PVOID buffer, ULONG length) {
    return getReport(device, IOCTL_HID_GET_PRODUCT_STRING, buffer, length);
}

BOOLEAN HidD_GetSerialNumberString(HANDLE device, PVOID buffer, ULONG length) {
    return getReport(device, IOCTL_HID_GET_SERIALNUMBER_STRING, buffer, length);
}

BOOLEAN HidD_GetIndexedString(HANDLE device, ULONG stringIndex, PVOID buffer, ULONG length) {
    return control(device, IOCTL_HID_GET_INDEXED_STRING, &stringIndex, sizeof stringIndex, buffer,
                   length);
}
