#pragma once
// Registers the modules the program loads by name: "HID.dll", "SetupApi.dll" and
// "kernel32.dll" (CancelIo). The program calls it once at start, before the HID controller is
// made; tests call it when they want the platform's own providers. Calling it again restores
// providers a test replaced.

void RegisterStandardModules();
