#pragma once
// Reads the hidraw nodes of a sysfs tree: for each <sysfs>/class/hidraw/hidrawN the HID device's
// uevent and report_descriptor and, for USB devices, the strings and release number of the USB
// device above it. The roots are parameters so a test can hand in a tree of its own.

#include "platform/hidbus/hid_bus.h"

#include <map>
#include <optional>
#include <sys/types.h>

// Nodes under sysfsRoot, named devRoot + "/hidrawN", ordered by N. A node whose files cannot be
// read is left out. A node of `previous` (by node path) that is still the same plug instance is
// taken from there instead of being read again.
std::vector<HidNodeInfo> scanSysfsHidraw(const QString& sysfsRoot, const QString& devRoot,
                                         const std::map<QString, HidNodeInfo>& previous = {});

// The one node called name ("hidrawN") under sysfsRoot; false when it is not there or its files
// cannot be read.
bool readSysfsHidraw(const QString& sysfsRoot, const QString& devRoot, const QString& name,
                     HidNodeInfo& node);
// The plug instance of the HID device behind node name, from its sysfs link alone (nothing is
// read); 0 when the node is gone.
DWORD sysfsHidrawInstance(const QString& sysfsRoot, const QString& name);
// The device number the kernel gives node name (its sysfs "dev" attribute), if it has one.
std::optional<dev_t> sysfsHidrawDeviceNumber(const QString& sysfsRoot, const QString& name);
