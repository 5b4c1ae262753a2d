#pragma once
// In-memory HID devices for tests and the demo. A device answers its reports through the
// handlers of its spec; input reports are queued to every channel open for reading, 64 at most
// per channel as in the kernel's ring (later ones are lost until the channel is read). Every plug
// change announces a device change. Install the bus with ScopedHidBus.
//
//   SimHidBus bus;
//   ScopedHidBus guard(bus);
//   SimHidDeviceSpec spec;           // ids, strings, descriptor, handlers
//   auto id = bus.addDevice(spec);   // plugged in
//   bus.queueInput(id, {1, 0x10, 0x20});
//   bus.unplug(id); bus.replug(id);  // a replug is a new instance of the node
//
// Handlers run on the thread of the transfer, outside the bus's lock, so they may call back into
// the bus (queueInput from a set-feature handler, for example).

#include "platform/hidbus/hid_bus.h"

#include <map>
#include <mutex>

// A report handler gets the whole caller buffer, byte 0 being the report id, and returns
// ERROR_SUCCESS or the Win32 error code the transfer fails with.
using SimGetReportHandler = std::function<DWORD(std::span<BYTE> report)>;
using SimSetReportHandler = std::function<DWORD(std::span<const BYTE> report)>;

struct SimHidDeviceSpec {
    WORD vendorId = 0;
    WORD productId = 0;
    WORD version = 0;
    QString manufacturer;
    QString product;
    QString serial;
    std::vector<WORD> languageIds{0x0409};
    std::vector<BYTE> reportDescriptor;
    SimGetReportHandler getFeature; // unset: the transfer fails with ERROR_INVALID_FUNCTION
    SimSetReportHandler setFeature;
    SimGetReportHandler getInput;
    SimSetReportHandler setOutput; // output reports, both by control transfer and by write
    SimGetReportHandler getOutput; // the output report read back by control transfer
};

// Faults a device shows until they are changed again.
struct SimHidFaults {
    bool denyReadWrite = false; // opens for reading or writing fail with ERROR_ACCESS_DENIED
    DWORD attributesError = 0;  // non-zero: reading the attributes fails with this code
    DWORD transferError = 0;    // non-zero: every report transfer fails with this code
};

class SimHidBus final : public HidBus {
public:
    using DeviceId = int;

    SimHidBus();
    ~SimHidBus() override;

    // Plugs a new device in; ids count from 1.
    DeviceId addDevice(SimHidDeviceSpec spec);
    // Unplugs the device: its channels fail from now on with ERROR_DEVICE_NOT_CONNECTED.
    void unplug(DeviceId id);
    // Plugs an unplugged device in again as a new instance under its old node path.
    void replug(DeviceId id);
    void setFaults(DeviceId id, SimHidFaults faults);
    // Queues report (id byte first) to every channel of the device open for reading.
    void queueInput(DeviceId id, std::vector<BYTE> report);
    // The node path of the device, e.g. "/sim/hid1".
    QString nodePath(DeviceId id) const;
    // Channels of the device open now.
    int openChannelCount(DeviceId id) const;

    std::vector<HidNodeInfo> nodes() override;
    std::shared_ptr<HidChannel> open(const QString& nodePath, HidAccess access,
                                     DWORD& error) override;

private:
    struct Device;
    class Channel;

    std::shared_ptr<Device> find(DeviceId id) const;

    mutable std::mutex mutex;
    std::map<DeviceId, std::shared_ptr<Device>> devices;
    DeviceId nextId = 1;
    DWORD nextInstance = 1;
};
