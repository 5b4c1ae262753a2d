#pragma once
// The "SetupApi.dll" module: registers the device-setup calls with the module registry.

// Registers (again) the provider of "SetupApi.dll"; safe to call more than once.
void RegisterSetupApiModule();
