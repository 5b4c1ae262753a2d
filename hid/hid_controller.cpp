#include "hid/hid_controller.h"

#include "components/base/exception.h"
#include "hid/hid_api.h"
#include "hid/setup_api.h"
#include "platform/modules/module_version.h"
#include "platform/ui/ui_host.h"

#include <QPointer>
#include <exception>

namespace {

// The HID interface class, used when the HID library cannot tell it.
constexpr GUID HidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

} // namespace

TWkHidDeviceController::TWkHidDeviceController(QObject* owner) : TWkComponent(owner) {
    if (BindSetupApiLibrary()) {
        librariesBound = BindHidLibrary();
        if (!librariesBound)
            UnbindSetupApiLibrary();
    }
    if (!librariesBound) {
        hidGuid = HidInterfaceClass;
        return;
    }
    HidApi.HidD_GetHidGuid(&hidGuid);
    hWnd = AllocateHWnd(
        [this](UINT msg, WPARAM wParam, LPARAM lParam) { DeviceWndProc(msg, wParam, lParam); });
    PostMessageW(hWnd, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, FirstScanParam);
}

TWkHidDeviceController::~TWkHidDeviceController() {
    Destroying();
    deviceChangeEvent = nullptr;
    devUnplugEvent = nullptr;
    enumerateEvent = nullptr;
    if (hWnd != nullptr)
        DeallocateHWnd(hWnd);
    const auto devices = std::exchange(list, {});
    for (TWkHidDevice* device : devices) {
        device->DetachFromController();
        if (device->IsCheckedOut()) {
            // The borrower keeps the object, but no reader may outlive the libraries. Stopping
            // the reader serves its last hand-over, whose handler may check the device in: then
            // nobody holds it any more.
            device->StopReader();
        }
        if (device->IsCheckedOut()) {
            // Its unplug handler comes last: it may check the device in, which frees it.
            device->FreePreparsedData();
            device->MarkUnplugged();
        } else {
            delete device;
        }
    }
    if (librariesBound) {
        UnbindSetupApiLibrary();
        UnbindHidLibrary();
    }
}

QString TWkHidDeviceController::HidVersion() const {
    return ModuleFileVersion(QStringLiteral("HID.dll"));
}

void TWkHidDeviceController::DeviceWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (IsDestroying() || msg != WM_DEVICECHANGE || wParam != DBT_DEVNODES_CHANGED)
        return;
    if (inDeviceChange) {
        if (!rescanPending || lParam == FirstScanParam)
            pendingLParam = lParam;
        rescanPending = true;
        return;
    }
    QPointer<TWkHidDeviceController> alive(this);
    inDeviceChange = true;
    lastLParam = lParam;
    for (;;) {
        HandleDeviceChange();
        // A handler may have freed the controller.
        if (alive.isNull())
            return;
        if (!rescanPending || IsDestroying())
            break;
        rescanPending = false;
        lastLParam = pendingLParam;
    }
    inDeviceChange = false;
}

void TWkHidDeviceController::HandleDeviceChange() {
    try {
        DeviceChange();
    } catch (const EWkException& e) {
        uiHost().reportException(e.Message());
    } catch (const std::exception& e) {
        uiHost().reportException(QString::fromUtf8(e.what()));
    } catch (...) {
        uiHost().reportException(QStringLiteral("Unknown exception"));
    }
}

void TWkHidDeviceController::ReplaceDevice(TWkHidDevice* device, const TWkHidDataEvent& data,
                                           const TWkHidPlugEvent& unplug) {
    const auto at = std::find(list.begin(), list.end(), device);
    if (at == list.end())
        return;
    if (!device->IsPluggedIn()) {
        list.erase(at);
        --numUnpluggedDevices;
        return;
    }
    const bool wasCheckedOut = device->IsCheckedOut();
    try {
        auto* replacement =
            new TWkHidDevice(TWkHidDevice::FromPnPInfo{}, std::move(device->pnpInfo), this);
        replacement->SetOnData(data);
        replacement->SetOnUnplug(unplug);
        replacement->SetThreadSleepTime(device->ThreadSleepTime());
        *at = replacement;
        if (wasCheckedOut) {
            --numCheckedOutDevices;
            ++numCheckedInDevices;
        }
    } catch (const EWkException&) {
        // The interface vanished or changed under us: it simply leaves the list.
        list.erase(at);
        if (wasCheckedOut)
            --numCheckedOutDevices;
        else
            --numCheckedInDevices;
    }
}

void TWkHidDeviceController::SetDevThreadSleepTime(int milliseconds) {
    if (milliseconds == devThreadSleepTime)
        return;
    for (TWkHidDevice* device : list) {
        if (device->ThreadSleepTime() == devThreadSleepTime)
            device->SetThreadSleepTime(milliseconds);
    }
    devThreadSleepTime = milliseconds;
}

void TWkHidDeviceController::SetOnDeviceChange(const TNotifyEvent& handler) {
    if (handler.SameCode(deviceChangeEvent))
        return;
    deviceChangeEvent = handler;
    if (!IsLoading())
        DeviceChange();
}

void TWkHidDeviceController::SetOnDeviceData(const TWkHidDataEvent& handler) {
    if (handler.SameCode(devDataEvent))
        return;
    for (TWkHidDevice* device : list) {
        if (device->OnData().SameCode(devDataEvent))
            device->SetOnData(handler);
    }
    devDataEvent = handler;
}

void TWkHidDeviceController::SetOnDeviceDataError(const TWkHidDataErrorEvent& handler) {
    if (handler.SameCode(devDataErrorEvent))
        return;
    for (TWkHidDevice* device : list) {
        if (device->OnDataError().SameCode(devDataErrorEvent))
            device->SetOnDataError(handler);
    }
    devDataErrorEvent = handler;
}

void TWkHidDeviceController::SetOnDeviceUnplug(const TWkHidPlugEvent& handler) {
    if (handler.SameCode(devUnplugEvent))
        return;
    for (TWkHidDevice* device : list) {
        if (device->OnUnplug().SameCode(devUnplugEvent))
            device->SetOnUnplug(handler);
    }
    devUnplugEvent = handler;
}
