#pragma once
// Whether a borrowed interface's reader has opened its read channel: a report sent before that
// is lost. Kept apart from the chart headers, whose notify-event name the HID layer also uses.

class TMForm;
class TWkHidDevice;

bool ReaderListening(TWkHidDevice* device);

// Has the window's controller count in count each report its readers hand to the window, then
// pass it on to the window as before.
void CountHandedReports(TMForm& window, int& count);
