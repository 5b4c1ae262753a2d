#pragma once
// The component through which the program reaches HID hardware. It binds the device-setup and
// HID libraries, keeps the list of HID interfaces present (rescanned on every device-node
// change, which reaches its hidden window on the UI thread), offers the devices one by one and
// lends them out. Everything here runs on the UI thread; nothing but a scan throws.

#include "components/base/component.h"
#include "hid/hid_device.h"
#include "hid/hid_events.h"
#include "platform/setupapi/setupapi.h"
#include "platform/ui/message_window.h"
#include "platform/win32/types.h"

#include <QString>
#include <functional>
#include <memory>
#include <unordered_set>
#include <vector>

class TWkHidDeviceController : public TWkComponent {
    Q_OBJECT

public:
    explicit TWkHidDeviceController(QObject* owner = nullptr);
    // Stops every reader; devices still lent out stay alive for their borrower, marked unplugged.
    ~TWkHidDeviceController() override;

    // Rescans the present devices and reconciles the list. Throws EControllerError when a
    // device opens but cannot be identified; the list then keeps its state.
    void DeviceChange();
    // Offers each plugged-in device to OnEnumerate, in list order, until it returns false.
    // Returns the number of devices offered.
    int Enumerate();

    // Each sets hidDev to nil first, then lends out the first matching device that is not
    // lent out yet; true when one was lent.
    bool CheckOut(TWkHidDevice*& hidDev);
    bool CheckOutByClass(TWkHidDevice*& hidDev, const QString& className);
    bool CheckOutByID(TWkHidDevice*& hidDev, int vid, int pid);
    bool CheckOutByIndex(TWkHidDevice*& hidDev, int idx);
    bool CheckOutByProductName(TWkHidDevice*& hidDev, const QString& productName);
    bool CheckOutByVendorName(TWkHidDevice*& hidDev, const QString& vendorName);
    bool CheckOutByCallback(TWkHidDevice*& hidDev, TWkHidCheckCallback check);
    // Takes a device back (an unplugged one is freed); hidDev becomes nil.
    void CheckIn(TWkHidDevice*& hidDev);

    // Plugged-in devices that match.
    int CountByClass(const QString& className);
    int CountByID(int vid, int pid);
    int CountByProductName(const QString& productName);
    int CountByVendorName(const QString& vendorName);
    int CountByCallback(TWkHidCheckCallback check);

    const GUID& HidGuid() const { return FHidGuid; }
    int NumCheckedInDevices() const { return FNumCheckedInDevices; }
    int NumCheckedOutDevices() const { return FNumCheckedOutDevices; }
    int NumUnpluggedDevices() const { return FNumUnpluggedDevices; }
    QString Version() const { return QStringLiteral("1.0.35"); }
    // The "FileVersion" of "HID.dll" from its version record; empty when it has none.
    QString HidVersion() const;
    // Writes are accepted and change nothing.
    void SetVersion(const QString&) {}

    int DevThreadSleepTime() const { return FDevThreadSleepTime; }
    // Devices still on the old value follow (when they accept the new one).
    void SetDevThreadSleepTime(int milliseconds);

    const TNotifyEvent& OnDeviceChange() const { return FDeviceChangeEvent; }
    // A different handler rescans at once (throwing as DeviceChange does), unless the component
    // is loading.
    void SetOnDeviceChange(const TNotifyEvent& handler);
    const TWkHidEnumerateEvent& OnEnumerate() const { return FEnumerateEvent; }
    void SetOnEnumerate(const TWkHidEnumerateEvent& handler) { FEnumerateEvent = handler; }
    const TWkHidPlugEvent& OnArrival() const { return FArrivalEvent; }
    void SetOnArrival(const TWkHidPlugEvent& handler) { FArrivalEvent = handler; }
    const TWkHidPlugEvent& OnRemoval() const { return FRemovalEvent; }
    void SetOnRemoval(const TWkHidPlugEvent& handler) { FRemovalEvent = handler; }
    // The device handlers pass on to every listed device that still holds the old one.
    const TWkHidDataEvent& OnDeviceData() const { return FDevDataEvent; }
    void SetOnDeviceData(const TWkHidDataEvent& handler);
    const TWkHidDataErrorEvent& OnDeviceDataError() const { return FDevDataErrorEvent; }
    void SetOnDeviceDataError(const TWkHidDataErrorEvent& handler);
    const TWkHidPlugEvent& OnDeviceUnplug() const { return FDevUnplugEvent; }
    void SetOnDeviceUnplug(const TWkHidPlugEvent& handler);

private:
    friend class TWkHidDevice;

    using FreshList = std::vector<std::unique_ptr<TWkHidDevice>>;
    using DeviceIds = std::unordered_set<DWORD>;

    // What a scan found: devices made for interfaces new to the list, and the ids of every
    // interface present (listed ones included).
    struct ScanResult {
        FreshList fresh;
        DeviceIds present;
    };

    // The parameter of the controller's own first message: its scan always reports a change.
    static constexpr LPARAM FirstScanParam = -1;

    void DeviceWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Runs DeviceChange for a message; reports an exception instead of passing it on.
    void HandleDeviceChange();
    ScanResult ScanPresentDevices();
    void AddScannedDevice(ScanResult& scan, HDEVINFO set, const SP_DEVINFO_DATA& devData,
                          const QString& path);
    void RemoveVanishedDevices(const DeviceIds& present, bool& changed);
    void AddArrivedDevices(FreshList& fresh, bool& changed);
    void RecountDevices();
    DeviceIds PluggedDeviceIds() const;
    bool IsListed(const TWkHidDevice* device) const;
    // A listed device as it was when a walk over the list began, and whether it still lives.
    struct ListedDevice {
        TWkHidDevice* device;
        std::weak_ptr<void> alive;
    };
    // Walks that call handlers go over this copy: a handler may pump messages, and a scan run
    // meanwhile changes the list and frees devices.
    std::vector<ListedDevice> Snapshot() const;
    // Runs call with the device open-able (as during an enumeration). False when the device was
    // freed before call returned; nothing of it is touched then.
    static bool WhileOffered(TWkHidDevice* device, const std::function<void()>& call);
    bool OfferDevice(TWkHidDevice* device);
    bool TryCheckOut(TWkHidDevice* device, TWkHidDevice*& hidDev);
    template <typename Match> bool CheckOutFirst(TWkHidDevice*& hidDev, Match match);
    template <typename Match> int CountPlugged(Match match);
    // Called by a device's destructor: puts a fresh device in its place or drops it.
    void ReplaceDevice(TWkHidDevice* device, const TWkHidDataEvent& data,
                       const TWkHidPlugEvent& unplug);

    GUID FHidGuid{};
    TWkHidPlugEvent FArrivalEvent;
    TNotifyEvent FDeviceChangeEvent;
    TWkHidEnumerateEvent FEnumerateEvent;
    TWkHidDataEvent FDevDataEvent;
    TWkHidDataErrorEvent FDevDataErrorEvent;
    TWkHidPlugEvent FDevUnplugEvent;
    TWkHidPlugEvent FRemovalEvent;
    int FDevThreadSleepTime = 100;
    std::vector<TWkHidDevice*> FList; // owned
    int FNumCheckedInDevices = 0;
    int FNumCheckedOutDevices = 0;
    int FNumUnpluggedDevices = 0;
    bool FInDeviceChange = false;
    // Counts the enumerations begun: one begun by a handler offers again what is left.
    unsigned enumerations = 0;
    // A change message that came while a scan ran: one more scan follows.
    bool rescanPending = false;
    LPARAM pendingLParam = 0;
    LPARAM FLParam = 0;
    bool librariesBound = false;
    HWND FHWnd = nullptr;
};
