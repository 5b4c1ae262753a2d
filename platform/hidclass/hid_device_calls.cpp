#include "platform/hidclass/hidsdi.h"
#include "platform/win32/device_file.h"
#include "platform/win32/last_error.h"

#include <cstring>

namespace {

// Input buffer counts a handle accepts, as the class driver allows them.
constexpr ULONG kMinInputBuffers = 2;
constexpr ULONG kMaxInputBuffers = 512;

BOOLEAN fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

BOOLEAN result(DWORD error) {
    return error ? fail(error) : TRUE;
}

enum class Needs { Reading, Writing };

// The device file of handle when it may make a transfer of that kind; nullptr with the last
// error set otherwise.
std::shared_ptr<DeviceFile> fileFor(HANDLE handle, PVOID report, ULONG length, Needs needs) {
    auto file = DeviceFileFromHandle(handle);
    if (!file)
        return nullptr;
    if (!report || length == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const HidAccess access = file->channel->access();
    if (needs == Needs::Reading ? !accessReads(access) : !accessWrites(access)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return file;
}

std::span<BYTE> bytes(PVOID report, ULONG length) {
    return {static_cast<BYTE*>(report), length};
}

BOOLEAN copyWords(const std::u16string& words, PVOID buffer, ULONG length) {
    const std::size_t needed = (words.size() + 1) * sizeof(char16_t);
    if (!buffer || length < needed)
        return fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(buffer, words.c_str(), needed);
    return TRUE;
}

BOOLEAN copyString(HANDLE handle, QString HidNodeInfo::*member, PVOID buffer, ULONG length) {
    const auto file = DeviceFileFromHandle(handle);
    if (!file)
        return FALSE;
    const QString& text = file->channel->node().*member;
    if (text.isEmpty())
        return fail(ERROR_NOT_FOUND);
    return copyWords(text.toStdU16String(), buffer, length);
}

BOOLEAN notSupported(HANDLE handle) {
    if (!DeviceFileFromHandle(handle))
        return FALSE;
    return fail(ERROR_NOT_SUPPORTED);
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
    const auto file = DeviceFileFromHandle(device);
    if (!file)
        return FALSE;
    if (!accessReads(file->channel->access()))
        return fail(ERROR_ACCESS_DENIED);
    return result(file->channel->flush());
}

BOOLEAN HidD_GetFeature(HANDLE device, PVOID report, ULONG length) {
    const auto file = fileFor(device, report, length, Needs::Reading);
    return file ? result(file->channel->getFeature(bytes(report, length))) : FALSE;
}

BOOLEAN HidD_SetFeature(HANDLE device, PVOID report, ULONG length) {
    const auto file = fileFor(device, report, length, Needs::Writing);
    return file ? result(file->channel->setFeature(bytes(report, length))) : FALSE;
}

BOOLEAN HidD_GetInputReport(HANDLE device, PVOID report, ULONG length) {
    const auto file = fileFor(device, report, length, Needs::Reading);
    return file ? result(file->channel->getInputReport(bytes(report, length))) : FALSE;
}

BOOLEAN HidD_SetOutputReport(HANDLE device, PVOID report, ULONG length) {
    const auto file = fileFor(device, report, length, Needs::Writing);
    return file ? result(file->channel->setOutputReport(bytes(report, length))) : FALSE;
}

BOOLEAN HidD_GetNumInputBuffers(HANDLE device, ULONG* numberBuffers) {
    const auto file = DeviceFileFromHandle(device);
    if (!file)
        return FALSE;
    if (!numberBuffers)
        return fail(ERROR_INVALID_PARAMETER);
    *numberBuffers = file->numInputBuffers;
    return TRUE;
}

BOOLEAN HidD_SetNumInputBuffers(HANDLE device, ULONG numberBuffers) {
    const auto file = DeviceFileFromHandle(device);
    if (!file)
        return FALSE;
    if (numberBuffers < kMinInputBuffers || numberBuffers > kMaxInputBuffers)
        return fail(ERROR_INVALID_PARAMETER);
    file->numInputBuffers = numberBuffers;
    return TRUE;
}

BOOLEAN HidD_GetManufacturerString(HANDLE device, PVOID buffer, ULONG length) {
    return copyString(device, &HidNodeInfo::manufacturer, buffer, length);
}

BOOLEAN HidD_GetProductString(HANDLE device, PVOID buffer, ULONG length) {
    return copyString(device, &HidNodeInfo::product, buffer, length);
}

BOOLEAN HidD_GetSerialNumberString(HANDLE device, PVOID buffer, ULONG length) {
    return copyString(device, &HidNodeInfo::serial, buffer, length);
}

BOOLEAN HidD_GetIndexedString(HANDLE device, ULONG stringIndex, PVOID buffer, ULONG length) {
    const auto file = DeviceFileFromHandle(device);
    if (!file)
        return FALSE;
    if (stringIndex != 0)
        return fail(ERROR_NOT_SUPPORTED);
    const std::vector<WORD>& languages = file->channel->node().languageIds;
    if (languages.empty())
        return fail(ERROR_NOT_FOUND);
    return copyWords(std::u16string(languages.begin(), languages.end()), buffer, length);
}
