#pragma once
// Builds a sysfs tree of the shape the hidraw scan reads (class/hidraw/hidrawN links to USB HID
// devices with uevent, report_descriptor and the USB device's strings above them) and a dev
// folder of plain files standing in for the /dev/hidrawN nodes, so the real hidraw bus can be
// scanned and opened without hardware.

#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <vector>

struct FakeHidrawNode {
    int number = 0;        // N of hidrawN
    unsigned sequence = 1; // the kernel's HID device number (NNNN of BBBB:VVVV:PPPP.NNNN)
    std::uint16_t vendorId = 0x8888;
    std::uint16_t productId = 0x8888;
    QString product = QStringLiteral("Tavro Stick");
    std::vector<std::uint8_t> descriptor;
};

class FakeSysfsTree {
public:
    FakeSysfsTree();

    bool isValid() const { return dir.isValid(); }
    QString sysfsRoot() const { return dir.path() + QStringLiteral("/sys"); }
    QString devRoot() const { return dir.path() + QStringLiteral("/dev"); }

    // Adds a node; false when a file could not be written.
    bool add(const FakeHidrawNode& node);
    // Takes node N away (sysfs entry and dev file), as an unplug does.
    void remove(int number);

private:
    QTemporaryDir dir;
    int retiredLinks = 0;
};

// Report descriptor with two top-level collections, report ids 1 and 2, as a controller offers.
std::vector<std::uint8_t> TwoCollectionDescriptor();
