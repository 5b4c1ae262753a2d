#pragma once
// Reads the hidraw nodes of a sysfs tree: for each <sysfs>/class/hidraw/hidrawN the HID device's
// uevent and report_descriptor and, for USB devices, the strings and release number of the USB
// device above it. The roots are parameters so a test can hand in a tree of its own.

#include "platform/hidbus/hid_bus.h"

// Nodes under sysfsRoot, named devRoot + "/hidrawN", ordered by N. A node whose files cannot be
// read is left out.
std::vector<HidNodeInfo> scanSysfsHidraw(const QString& sysfsRoot, const QString& devRoot);
