// Scanning the present HID interfaces and reconciling the device list with them.
#include "hid/hid_api.h"
#include "hid/hid_controller.h"
#include "hid/setup_api.h"
#include "platform/win32/last_error.h"
#include "platform/win32/overlapped_io.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

// An interface detail larger than this is not a device path: the answer is skipped.
constexpr DWORD MaxDetailBytes = 64 * 1024;

class DeviceInfoList {
public:
    explicit DeviceInfoList(HDEVINFO set) : set(set) {}
    ~DeviceInfoList() { SetupApi.SetupDiDestroyDeviceInfoList(set); }
    DeviceInfoList(const DeviceInfoList&) = delete;
    DeviceInfoList& operator=(const DeviceInfoList&) = delete;

private:
    HDEVINFO set;
};

// The device path of an interface, read only from inside the detail buffer.
QString DevicePathOf(const std::vector<BYTE>& buffer) {
    constexpr std::size_t offset = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath);
    if (buffer.size() <= offset)
        return {};
    const auto* text = reinterpret_cast<const char16_t*>(buffer.data() + offset);
    const std::size_t room = (buffer.size() - offset) / sizeof(char16_t);
    std::size_t length = 0;
    while (length < room && text[length] != 0)
        ++length;
    return QString::fromUtf16(text, static_cast<qsizetype>(length));
}

bool ReadDevicePath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& iface, SP_DEVINFO_DATA& devData,
                    QString& path) {
    DWORD required = 0;
    devData = SP_DEVINFO_DATA{};
    devData.cbSize = sizeof(SP_DEVINFO_DATA);
    SetupApi.SetupDiGetDeviceInterfaceDetailW(set, &iface, nullptr, 0, &required, &devData);
    if (required == 0 || GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return false;
    if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W) || required > MaxDetailBytes)
        return false;
    std::vector<BYTE> buffer(required, 0);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!SetupApi.SetupDiGetDeviceInterfaceDetailW(set, &iface, detail, required, nullptr,
                                                   &devData))
        return false;
    path = DevicePathOf(buffer);
    return !path.isEmpty();
}

// Opens path read-write, else for queries only; INVALID_HANDLE_VALUE when neither works.
HANDLE TestOpen(const QString& path) {
    const auto* wide = reinterpret_cast<LPCWSTR>(path.utf16());
    HANDLE handle =
        CreateFileW(wide, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        handle = CreateFileW(wide, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                             nullptr);
    return handle;
}

} // namespace

TWkHidDeviceController::ScanResult TWkHidDeviceController::ScanPresentDevices() {
    ScanResult scan;
    if (!HidLibraryBound())
        return scan;
    HDEVINFO set = SetupApi.SetupDiGetClassDevsW(&FHidGuid, nullptr, nullptr,
                                                 DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE)
        return scan;
    DeviceInfoList release(set);
    const DeviceIds listed = PluggedDeviceIds();
    try {
        for (DWORD index = 0;; ++index) {
            SP_DEVICE_INTERFACE_DATA iface{};
            iface.cbSize = sizeof(SP_DEVICE_INTERFACE_DATA);
            if (!SetupApi.SetupDiEnumDeviceInterfaces(set, nullptr, &FHidGuid, index, &iface))
                break;
            SP_DEVINFO_DATA devData{};
            QString path;
            if (!ReadDevicePath(set, iface, devData, path))
                continue;
            // A listed device stays as it is: making a second object for it, only to drop it
            // again, would open the interface twice more and read its properties anew.
            if (listed.count(devData.DevInst))
                scan.present.insert(devData.DevInst);
            else
                AddScannedDevice(scan, set, devData, path);
        }
    } catch (...) {
        // The devices made so far are not listed: their destruction must not look for them.
        for (auto& device : scan.fresh)
            device->DetachFromController();
        throw;
    }
    return scan;
}

void TWkHidDeviceController::AddScannedDevice(ScanResult& scan, HDEVINFO set,
                                              const SP_DEVINFO_DATA& devData, const QString& path) {
    auto info = std::make_unique<TWkHidPnPInfo>(set, devData, path);
    HANDLE probe = TestOpen(path);
    if (probe == INVALID_HANDLE_VALUE)
        return;
    struct CloseProbe {
        HANDLE handle;
        ~CloseProbe() { CloseHandle(handle); }
    } closeProbe{probe};
    scan.fresh.push_back(std::unique_ptr<TWkHidDevice>(
        new TWkHidDevice(TWkHidDevice::FromPnPInfo{}, std::move(info), this)));
    scan.present.insert(devData.DevInst);
}

void TWkHidDeviceController::DeviceChange() {
    bool changed = FLParam == FirstScanParam;
    ScanResult scan = ScanPresentDevices();
    RemoveVanishedDevices(scan.present, changed);
    AddArrivedDevices(scan.fresh, changed);
    RecountDevices();
    if (changed && FDeviceChangeEvent)
        FDeviceChangeEvent(this);
}

bool TWkHidDeviceController::IsListed(const TWkHidDevice* device) const {
    return std::find(FList.begin(), FList.end(), device) != FList.end();
}

TWkHidDeviceController::DeviceIds TWkHidDeviceController::PluggedDeviceIds() const {
    DeviceIds ids;
    for (const TWkHidDevice* device : FList) {
        if (device->IsPluggedIn())
            ids.insert(device->PnPInfo().DeviceID());
    }
    return ids;
}

void TWkHidDeviceController::RemoveVanishedDevices(const DeviceIds& present, bool& changed) {
    for (std::size_t i = FList.size(); i-- > 0;) {
        if (i >= FList.size())
            continue;
        TWkHidDevice* device = FList[i];
        // Reported once: an unplugged device kept for its borrower is no news on later scans.
        if (!device->IsPluggedIn())
            continue;
        if (present.count(device->PnPInfo().DeviceID()))
            continue;
        changed = true;
        device->MarkUnplugged();
        // A borrower may check the device in from its handlers, which frees it.
        if (FRemovalEvent && IsListed(device)) {
            const TWkHidPlugEvent handler = FRemovalEvent;
            if (!WhileOffered(device, [&] { handler(device); }))
                continue;
        }
        if (IsListed(device) && !device->IsCheckedOut()) {
            FList.erase(std::find(FList.begin(), FList.end(), device));
            delete device;
        }
    }
}

void TWkHidDeviceController::AddArrivedDevices(FreshList& fresh, bool& changed) {
    // Devices already listed are dropped first, against the list as it was before this scan.
    const DeviceIds listed = PluggedDeviceIds();
    for (auto& candidate : fresh) {
        if (listed.count(candidate->PnPInfo().DeviceID())) {
            candidate->DetachFromController();
            candidate.reset();
        }
    }
    for (auto& candidate : fresh) {
        if (!candidate)
            continue;
        TWkHidDevice* device = candidate.release();
        FList.push_back(device);
        changed = true;
        if (FArrivalEvent) {
            const TWkHidPlugEvent handler = FArrivalEvent;
            WhileOffered(device, [&] { handler(device); });
        }
    }
}

void TWkHidDeviceController::RecountDevices() {
    FNumCheckedInDevices = 0;
    FNumUnpluggedDevices = 0;
    int checkedOut = 0;
    for (const TWkHidDevice* device : FList) {
        if (device->IsCheckedOut())
            ++checkedOut;
        else
            ++FNumCheckedInDevices;
        if (!device->IsPluggedIn())
            ++FNumUnpluggedDevices;
    }
    FNumCheckedOutDevices = checkedOut - FNumUnpluggedDevices;
}
