#pragma once
// Start-up and shut-down of the data provider framework (counted, see UnitLifetime): the first
// start-up registers its fifteen streamable classes in one call, the last shut-down takes them
// back.

void WkDataProviderInitialization();
void WkDataProviderFinalization();
