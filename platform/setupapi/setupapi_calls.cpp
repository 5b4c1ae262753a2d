#include "platform/hidclass/hidsdi.h"
#include "platform/setupapi/device_info_set.h"
#include "platform/setupapi/setupapi.h"
#include "platform/win32/last_error.h"

#include <cstddef>
#include <cstring>

namespace {

BOOL fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

std::shared_ptr<DeviceInfoSet> setFromHandle(HDEVINFO handle) {
    auto set = std::dynamic_pointer_cast<DeviceInfoSet>(LookupHandle(handle));
    if (!set)
        SetLastError(ERROR_INVALID_HANDLE);
    return set;
}

// Reserved of the records holds the interface's position in its set plus one.
const DeviceInterface* interfaceAt(const DeviceInfoSet& set, ULONG_PTR reserved) {
    if (reserved == 0 || reserved > set.interfaces.size())
        return nullptr;
    return &set.interfaces[reserved - 1];
}

constexpr DWORD kDetailPathOffset = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath);

} // namespace

HDEVINFO SetupDiGetClassDevsW(const GUID* classGuid, PCWSTR enumerator, HWND, DWORD flags) {
    const bool allClasses = flags & DIGCF_ALLCLASSES;
    if (!classGuid && !allClasses) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    auto set = std::make_shared<DeviceInfoSet>();
    const bool hidInterfaces =
        (flags & DIGCF_DEVICEINTERFACE) && (allClasses || *classGuid == GUID_DEVINTERFACE_HID);
    if (hidInterfaces && !enumerator)
        set->interfaces = SnapshotHidInterfaces(currentHidBus().nodes());
    return InsertHandle(std::move(set));
}

BOOL SetupDiEnumDeviceInterfaces(HDEVINFO handle, PSP_DEVINFO_DATA deviceInfo,
                                 const GUID* interfaceClassGuid, DWORD memberIndex,
                                 PSP_DEVICE_INTERFACE_DATA interfaceData) {
    const auto set = setFromHandle(handle);
    if (!set)
        return FALSE;
    if (!interfaceClassGuid || !interfaceData)
        return fail(ERROR_INVALID_PARAMETER);
    if (interfaceData->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA) ||
        (deviceInfo && deviceInfo->cbSize != sizeof(SP_DEVINFO_DATA)))
        return fail(ERROR_INVALID_USER_BUFFER);
    if (*interfaceClassGuid != GUID_DEVINTERFACE_HID)
        return fail(ERROR_NO_MORE_ITEMS);
    const auto found = [&](std::size_t position) {
        interfaceData->InterfaceClassGuid = GUID_DEVINTERFACE_HID;
        interfaceData->Flags = SPINT_ACTIVE;
        interfaceData->Reserved = position + 1;
        return TRUE;
    };
    // Without a device to filter by, the member index is the position: a caller walking every
    // interface does not rescan the list for each one.
    if (!deviceInfo)
        return memberIndex < set->interfaces.size() ? found(memberIndex)
                                                    : fail(ERROR_NO_MORE_ITEMS);
    DWORD seen = 0;
    for (std::size_t position = 0; position < set->interfaces.size(); ++position) {
        if (set->interfaces[position].devInst == deviceInfo->DevInst && seen++ == memberIndex)
            return found(position);
    }
    return fail(ERROR_NO_MORE_ITEMS);
}

BOOL SetupDiGetDeviceInterfaceDetailW(HDEVINFO handle, PSP_DEVICE_INTERFACE_DATA interfaceData,
                                      PSP_DEVICE_INTERFACE_DETAIL_DATA_W detail, DWORD detailSize,
                                      PDWORD requiredSize, PSP_DEVINFO_DATA deviceInfo) {
    const auto set = setFromHandle(handle);
    if (!set)
        return FALSE;
    if (!interfaceData)
        return fail(ERROR_INVALID_PARAMETER);
    if (interfaceData->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA) ||
        (deviceInfo && deviceInfo->cbSize != sizeof(SP_DEVINFO_DATA)) ||
        (detail && detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)))
        return fail(ERROR_INVALID_USER_BUFFER);
    const DeviceInterface* found = interfaceAt(*set, interfaceData->Reserved);
    if (!found || (!detail && detailSize != 0))
        return fail(ERROR_INVALID_PARAMETER);

    if (deviceInfo) {
        deviceInfo->ClassGuid = GUID_DEVCLASS_HIDCLASS;
        deviceInfo->DevInst = found->devInst;
        deviceInfo->Reserved = interfaceData->Reserved;
    }
    const std::u16string path = found->path.toStdU16String();
    const DWORD pathBytes = static_cast<DWORD>((path.size() + 1) * sizeof(char16_t));
    const DWORD needed = kDetailPathOffset + pathBytes;
    if (requiredSize)
        *requiredSize = needed;
    if (!detail || detailSize < needed)
        return fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(reinterpret_cast<BYTE*>(detail) + kDetailPathOffset, path.c_str(), pathBytes);
    return TRUE;
}

BOOL SetupDiGetDeviceRegistryPropertyW(HDEVINFO handle, PSP_DEVINFO_DATA deviceInfo, DWORD property,
                                       PDWORD propertyRegDataType, PBYTE buffer, DWORD size,
                                       PDWORD requiredSize) {
    const auto set = setFromHandle(handle);
    if (!set)
        return FALSE;
    if (!deviceInfo)
        return fail(ERROR_INVALID_PARAMETER);
    if (deviceInfo->cbSize != sizeof(SP_DEVINFO_DATA))
        return fail(ERROR_INVALID_USER_BUFFER);
    const DeviceInterface* found = interfaceAt(*set, deviceInfo->Reserved);
    if (!found || found->devInst != deviceInfo->DevInst)
        return fail(ERROR_INVALID_PARAMETER);
    const std::optional<RegistryValue> value = InterfaceProperty(*found, property);
    if (!value)
        return fail(ERROR_INVALID_DATA);
    const auto needed = static_cast<DWORD>(value->data.size());
    if (requiredSize)
        *requiredSize = needed;
    if (propertyRegDataType)
        *propertyRegDataType = value->type;
    if (!buffer || size < needed)
        return fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(buffer, value->data.data(), needed);
    return TRUE;
}

BOOL SetupDiDestroyDeviceInfoList(HDEVINFO handle) {
    if (!std::dynamic_pointer_cast<DeviceInfoSet>(LookupHandle(handle)))
        return fail(ERROR_INVALID_HANDLE);
    RemoveHandle(handle);
    return TRUE;
}
