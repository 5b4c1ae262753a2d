#include "tests/configurator/window/reader_listening.h"

#include "configurator/window/main_form.h"
#include "hid/hid_controller.h"
#include "hid/hid_device.h"

bool ReaderListening(TWkHidDevice* device) {
    return device != nullptr && device->HidOverlappedRead() != INVALID_HANDLE_VALUE;
}

void CountHandedReports(TMForm& window, int& count) {
    window.HID().SetOnDeviceData(TWkHidDataEvent::FromCallable(
        [&window, &count](TWkHidDevice* device, BYTE reportId, const BYTE* data, WORD size) {
            ++count;
            window.HIDDeviceData(device, reportId, data, size);
        }));
}
