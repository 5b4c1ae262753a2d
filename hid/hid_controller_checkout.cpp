// Offering devices to the application and lending them out.
#include "hid/hid_controller.h"

#include <utility>

int TWkHidDeviceController::Enumerate() {
    int offered = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!list[i]->IsPluggedIn())
            continue;
        ++offered;
        if (!OfferDevice(static_cast<int>(i)))
            break;
    }
    return offered;
}

template <typename Call> auto TWkHidDeviceController::Offered(TWkHidDevice* device, Call call) {
    device->SetEnumerated(true);
    const auto result = call();
    device->SetEnumerated(false);
    if (!device->IsCheckedOut())
        device->CloseAll();
    return result;
}

bool TWkHidDeviceController::OfferDevice(int idx) {
    if (!enumerateEvent)
        return false;
    TWkHidDevice* device = list[idx];
    const TWkHidEnumerateEvent handler = enumerateEvent;
    return Offered(device, [&] { return handler(device, idx); });
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
        device->checkedOut = false;
        --numCheckedOutDevices;
        ++numCheckedInDevices;
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
    for (TWkHidDevice* device : list) {
        if (!device->IsCheckedOut() && match(device))
            return TryCheckOut(device, hidDev);
    }
    return false;
}

template <typename Match> int TWkHidDeviceController::CountPlugged(Match match) {
    int count = 0;
    for (TWkHidDevice* device : list) {
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
    if (idx < 0 || static_cast<std::size_t>(idx) >= list.size() || list[idx]->IsCheckedOut())
        return false;
    return TryCheckOut(list[idx], hidDev);
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
    for (TWkHidDevice* device : list) {
        if (device->IsCheckedOut())
            continue;
        device->SetEnumerated(true);
        const bool matches = check(device);
        device->SetEnumerated(false);
        if (matches)
            return TryCheckOut(device, hidDev);
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
    return CountPlugged(
        [this, check](TWkHidDevice* d) { return Offered(d, [&] { return check(d); }); });
}
