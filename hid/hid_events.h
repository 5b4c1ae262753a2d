#pragma once
// Handler types of the HID layer. Every handler runs on the UI thread.

#include "components/base/method_event.h"
#include "platform/win32/types.h"

class TWkHidDevice;

// Offers one device during an enumeration; return true to go on with the next one.
using TWkHidEnumerateEvent = TWkMethod<bool(TWkHidDevice* hidDev, int idx)>;
using TWkHidPlugEvent = TWkMethod<void(TWkHidDevice* hidDev)>;
// One input report: its id apart, data points at the size bytes after the id.
using TWkHidDataEvent =
    TWkMethod<void(TWkHidDevice* hidDev, BYTE reportId, const BYTE* data, WORD size)>;
// A read could not be started; error is the Win32 code.
using TWkHidDataErrorEvent = TWkMethod<void(TWkHidDevice* hidDev, DWORD error)>;
// A plain routine that tells whether a device matches.
using TWkHidCheckCallback = bool (*)(TWkHidDevice* hidDev);
