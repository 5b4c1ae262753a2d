// Offering devices to the application and lending them out.
#include "hid/hid_controller.h"

#include <algorithm>
#include <utility>

std::vector<TWkHidDeviceController::ListedDevice> TWkHidDeviceController::Snapshot() const {
    std::vector<ListedDevice> devices;
    devices.reserve(FList.size());
    for (TWkHidDevice* device : FList)
        devices.push_back({device, device->LifeToken()});
    return devices;
}

bool TWkHidDeviceController::WhileOffered(TWkHidDevice* device, const std::function<void()>& call) {
    const std::weak_ptr<void> alive = device->LifeToken();
    device->SetEnumerated(true);
    call();
    if (alive.expired())
        return false;
    device->SetEnumerated(false);
    return true;
}

int TWkHidDeviceController::Enumerate() {
    const unsigned enumeration = ++enumerations;
    int offered = 0;
    for (const ListedDevice& entry : Snapshot()) {
        if (entry.alive.expired() || !entry.device->IsPluggedIn())
            continue;
        ++offered;
        if (!OfferDevice(entry.device))
            break;
        // A handler enumerated anew (after a device change, say): that offered the rest.
        if (enumerations != enumeration)
            break;
    }
    return offered;
}

bool TWkHidDeviceController::OfferDevice(TWkHidDevice* device) {
    if (!FEnumerateEvent)
        return false;
    const TWkHidEnumerateEvent handler = FEnumerateEvent;
    const int idx = static_cast<int>(std::find(FList.begin(), FList.end(), device) - FList.begin());
    bool goOn = false;
    if (WhileOffered(device, [&] { goOn = handler(device, idx); }) && !device->IsCheckedOut())
        device->CloseAll();
    return goOn;
}

void TWkHidDeviceController::CheckIn(TWkHidDevice*& hidDev) {
    TWkHidDevice* device = std::exchange(hidDev, nullptr);
    if (device == nullptr)
        return;
    device->StopReader();
    device->CloseAll();
    if (!device->IsPluggedIn()) {
        delete device;
        return;
    }
    if (device->IsCheckedOut()) {
        device->FIsCheckedOut = false;
        --FNumCheckedOutDevices;
        ++FNumCheckedInDevices;
    }
}

bool TWkHidDeviceController::TryCheckOut(TWkHidDevice* device, TWkHidDevice*& hidDev) {
    device->MarkCheckedOut();
    hidDev = device;
    return true;
}

template <typename Match>
bool TWkHidDeviceController::CheckOutFirst(TWkHidDevice*& hidDev, Match match) {
    hidDev = nullptr;
    for (TWkHidDevice* device : FList) {
        if (!device->IsCheckedOut() && match(device))
            return TryCheckOut(device, hidDev);
    }
    return false;
}

template <typename Match> int TWkHidDeviceController::CountPlugged(Match match) {
    int count = 0;
    for (TWkHidDevice* device : FList) {
        if (device->IsPluggedIn() && match(device))
            ++count;
    }
    return count;
}

namespace {

auto ByClass(const QString& className) {
    return [&](TWkHidDevice* d) {
        return d->PnPInfo().ClassDescr() == className;
    };
}

auto ById(int vid, int pid) {
    return [=](TWkHidDevice* d) {
        const auto attributes = d->Attributes();
        return attributes.VendorID == vid && (attributes.ProductID == pid || pid == -1);
    };
}

auto ByProductName(const QString& name) {
    return [&](TWkHidDevice* d) {
        return d->ProductName() == name;
    };
}

auto ByVendorName(const QString& name) {
    return [&](TWkHidDevice* d) {
        return d->VendorName() == name;
    };
}

} // namespace

bool TWkHidDeviceController::CheckOut(TWkHidDevice*& hidDev) {
    return CheckOutFirst(hidDev, [](TWkHidDevice*) { return true; });
}

bool TWkHidDeviceController::CheckOutByClass(TWkHidDevice*& hidDev, const QString& className) {
    hidDev = nullptr;
    return !className.isEmpty() && CheckOutFirst(hidDev, ByClass(className));
}

bool TWkHidDeviceController::CheckOutByID(TWkHidDevice*& hidDev, int vid, int pid) {
    return CheckOutFirst(hidDev, ById(vid, pid));
}

bool TWkHidDeviceController::CheckOutByIndex(TWkHidDevice*& hidDev, int idx) {
    hidDev = nullptr;
    if (idx < 0 || static_cast<std::size_t>(idx) >= FList.size() || FList[idx]->IsCheckedOut())
        return false;
    return TryCheckOut(FList[idx], hidDev);
}

bool TWkHidDeviceController::CheckOutByProductName(TWkHidDevice*& hidDev,
                                                   const QString& productName) {
    hidDev = nullptr;
    return !productName.isEmpty() && CheckOutFirst(hidDev, ByProductName(productName));
}

bool TWkHidDeviceController::CheckOutByVendorName(TWkHidDevice*& hidDev,
                                                  const QString& vendorName) {
    hidDev = nullptr;
    return !vendorName.isEmpty() && CheckOutFirst(hidDev, ByVendorName(vendorName));
}

bool TWkHidDeviceController::CheckOutByCallback(TWkHidDevice*& hidDev, TWkHidCheckCallback check) {
    hidDev = nullptr;
    for (const ListedDevice& entry : Snapshot()) {
        TWkHidDevice* device = entry.device;
        if (entry.alive.expired() || device->IsCheckedOut())
            continue;
        bool matches = false;
        if (!WhileOffered(device, [&] { matches = check(device); }))
            continue;
        // The callback may have lent the device out itself, or seen it unplugged.
        if (matches && device->IsPluggedIn() && !device->IsCheckedOut())
            return TryCheckOut(device, hidDev);
        if (!device->IsCheckedOut())
            device->CloseAll();
    }
    return false;
}

int TWkHidDeviceController::CountByClass(const QString& className) {
    return CountPlugged(ByClass(className));
}

int TWkHidDeviceController::CountByID(int vid, int pid) {
    return CountPlugged(ById(vid, pid));
}

int TWkHidDeviceController::CountByProductName(const QString& productName) {
    return CountPlugged(ByProductName(productName));
}

int TWkHidDeviceController::CountByVendorName(const QString& vendorName) {
    return CountPlugged(ByVendorName(vendorName));
}

int TWkHidDeviceController::CountByCallback(TWkHidCheckCallback check) {
    int count = 0;
    for (const ListedDevice& entry : Snapshot()) {
        TWkHidDevice* device = entry.device;
        if (entry.alive.expired() || !device->IsPluggedIn())
            continue;
        bool matches = false;
        if (!WhileOffered(device, [&] { matches = check(device); }))
            continue;
        if (!device->IsCheckedOut())
            device->CloseAll();
        if (matches && device->IsPluggedIn())
            ++count;
    }
    return count;
}
