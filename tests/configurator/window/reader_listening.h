#pragma once
// Whether a borrowed interface's reader has opened its read channel: a report sent before that
// is lost. Kept apart from the chart headers, whose notify-event name the HID layer also uses.

class TWkHidDevice;

bool ReaderListening(TWkHidDevice* device);
