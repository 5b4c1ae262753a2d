#pragma once
// Start-up and shut-down of the drawing-utility unit (counted, see UnitLifetime): the first
// start-up installs the library's drag cursors in the screen's table, the last shut-down frees
// the graphic signature list with the formats added to it.

void WkUtilsInitialization();
void WkUtilsFinalization();
int WkUtilsCounter();
