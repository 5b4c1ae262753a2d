#pragma once
// Reads the hidraw nodes of a sysfs tree: for each <sysfs>/class/hidraw/hidrawN the HID device's
// uevent and report_descriptor and, for USB devices, the strings and release number of the USB
// device above it. The roots are parameters so a test can hand in a tree of its own.

#include "platform/hidbus/hid_bus.h"

#include <QHash>
#include <optional>
#include <sys/types.h>
#include <unordered_map>

// A node as a scan found it, with the inode number of its class link. Sysfs gives every device it
// adds a class link of its own and never gives two links of one boot the same inode number, so an
// unchanged link inode means an unchanged device.
struct ScannedHidraw {
    HidNodeInfo info;
    ino_t link = 0;
};

// Nodes under sysfsRoot, named devRoot + "/hidrawN", ordered by N. A node whose files cannot be
// read is left out. A node of `previous` (by node path) whose class link is unchanged is moved
// from there instead of being read again, so a rescan of unchanged nodes reads only the class
// directory.
std::vector<ScannedHidraw>
scanSysfsHidraw(const QString& sysfsRoot, const QString& devRoot,
                std::unordered_map<QString, ScannedHidraw> previous = {});

// The one node called name ("hidrawN") under sysfsRoot; false when it is not there or its files
// cannot be read.
bool readSysfsHidraw(const QString& sysfsRoot, const QString& devRoot, const QString& name,
                     HidNodeInfo& node);
// The plug instance of the HID device behind node name, from its sysfs link alone (nothing is
// read); 0 when the node is gone.
DWORD sysfsHidrawInstance(const QString& sysfsRoot, const QString& name);
// The device number the kernel gives node name (its sysfs "dev" attribute), if it has one.
std::optional<dev_t> sysfsHidrawDeviceNumber(const QString& sysfsRoot, const QString& name);
