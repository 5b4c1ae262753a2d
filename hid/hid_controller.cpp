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
        FHidGuid = HidInterfaceClass;
        return;
    }
    HidApi.HidD_GetHidGuid(&FHidGuid);
    FHWnd = AllocateHWnd(
        [this](UINT msg, WPARAM wParam, LPARAM lParam) { DeviceWndProc(msg, wParam, lParam); });
    PostMessageW(FHWnd, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, FirstScanParam);
}

TWkHidDeviceController::~TWkHidDeviceController() {
    Destroying();
    FDeviceChangeEvent = nullptr;
    FDevUnplugEvent = nullptr;
    FEnumerateEvent = nullptr;
    if (FHWnd != nullptr)
        DeallocateHWnd(FHWnd);
    const auto devices = std::exchange(FList, {});
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
    if (FInDeviceChange) {
        if (!rescanPending || lParam == FirstScanParam)
            pendingLParam = lParam;
        rescanPending = true;
        return;
    }
    QPointer<TWkHidDeviceController> alive(this);
    FInDeviceChange = true;
    FLParam = lParam;
    for (;;) {
        HandleDeviceChange();
        // A handler may have freed the controller.
        if (alive.isNull())
            return;
        if (!rescanPending || IsDestroying())
            break;
        rescanPending = false;
        FLParam = pendingLParam;
    }
    FInDeviceChange = false;
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
    const auto at = std::find(FList.begin(), FList.end(), device);
    if (at == FList.end())
        return;
    if (!device->IsPluggedIn()) {
        FList.erase(at);
        --FNumUnpluggedDevices;
        return;
    }
    const bool wasCheckedOut = device->IsCheckedOut();
    try {
        auto* replacement =
            new TWkHidDevice(TWkHidDevice::FromPnPInfo{}, std::move(device->FPnPInfo), this);
        replacement->SetOnData(data);
        replacement->SetOnUnplug(unplug);
        replacement->SetThreadSleepTime(device->ThreadSleepTime());
        *at = replacement;
        if (wasCheckedOut) {
            --FNumCheckedOutDevices;
            ++FNumCheckedInDevices;
        }
    } catch (const EWkException&) {
        // The interface vanished or changed under us: it simply leaves the list.
        FList.erase(at);
        if (wasCheckedOut)
            --FNumCheckedOutDevices;
        else
            --FNumCheckedInDevices;
    }
}

void TWkHidDeviceController::SetDevThreadSleepTime(int milliseconds) {
    if (milliseconds == FDevThreadSleepTime)
        return;
    for (TWkHidDevice* device : FList) {
        if (device->ThreadSleepTime() == FDevThreadSleepTime)
            device->SetThreadSleepTime(milliseconds);
    }
    FDevThreadSleepTime = milliseconds;
}

void TWkHidDeviceController::SetOnDeviceChange(const TNotifyEvent& handler) {
    if (handler.SameCode(FDeviceChangeEvent))
        return;
    FDeviceChangeEvent = handler;
    if (!IsLoading())
        DeviceChange();
}

void TWkHidDeviceController::SetOnDeviceData(const TWkHidDataEvent& handler) {
    if (handler.SameCode(FDevDataEvent))
        return;
    for (TWkHidDevice* device : FList) {
        if (device->OnData().SameCode(FDevDataEvent))
            device->SetOnData(handler);
    }
    FDevDataEvent = handler;
}

void TWkHidDeviceController::SetOnDeviceDataError(const TWkHidDataErrorEvent& handler) {
    if (handler.SameCode(FDevDataErrorEvent))
        return;
    for (TWkHidDevice* device : FList) {
        if (device->OnDataError().SameCode(FDevDataErrorEvent))
            device->SetOnDataError(handler);
    }
    FDevDataErrorEvent = handler;
}

void TWkHidDeviceController::SetOnDeviceUnplug(const TWkHidPlugEvent& handler) {
    if (handler.SameCode(FDevUnplugEvent))
        return;
    for (TWkHidDevice* device : FList) {
        if (device->OnUnplug().SameCode(FDevUnplugEvent))
            device->SetOnUnplug(handler);
    }
    FDevUnplugEvent = handler;
}
