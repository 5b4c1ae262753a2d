#pragma once
// The "HID.dll" module: registers the HidD_* and HidP_* exports with the module registry.

// Registers (again) the provider of "HID.dll"; safe to call more than once.
void RegisterHidModule();
