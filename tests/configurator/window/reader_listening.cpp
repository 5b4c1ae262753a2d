#include "tests/configurator/window/reader_listening.h"

#include "hid/hid_device.h"

bool ReaderListening(TWkHidDevice* device) {
    return device != nullptr && device->HidOverlappedRead() != INVALID_HANDLE_VALUE;
}
