#pragma once
// What a device-information set holds: the HID interfaces found when it was made, each with the
// registry properties the setup calls report for it.

#include "platform/hidbus/hid_bus.h"
#include "platform/win32/handle_table.h"

#include <optional>

struct DeviceInterface {
    QString path;
    DWORD devInst = 0;
    WORD usagePage = 0;
    WORD usage = 0;
    std::shared_ptr<const HidNodeInfo> node; // shared by the interfaces of one node
};

struct DeviceInfoSet final : KernelObject {
    std::vector<DeviceInterface> interfaces;
};

// One interface per top-level collection of each node, in node order. A node whose descriptor
// cannot be parsed has no interface (the class driver would not start on it). A descriptor the
// last snapshot parsed is not parsed again.
std::vector<DeviceInterface> SnapshotHidInterfaces(std::vector<HidNodeInfo> nodes);

struct RegistryValue {
    DWORD type;
    std::vector<BYTE> data;
};

// The value of an SPDRP_* property of the interface's device, or nothing when it has none.
std::optional<RegistryValue> InterfaceProperty(const DeviceInterface& deviceInterface,
                                               DWORD property);
