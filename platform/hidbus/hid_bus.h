#pragma once
// The HID devices of the machine as the platform layers see them: a bus lists its nodes (one per
// device node, each with one report descriptor) and opens channels on them. Results are Win32
// error codes (ERROR_SUCCESS on success) so the layers above can store them as the last error.

#include "platform/win32/types.h"

#include <QString>
#include <functional>
#include <memory>
#include <span>
#include <vector>

// One device node as found by enumeration.
struct HidNodeInfo {
    QString nodePath;   // what a channel is opened on, e.g. "/dev/hidraw3"
    DWORD instance = 0; // differs with every plug of the same hardware; never 0
    WORD vendorId = 0;
    WORD productId = 0;
    WORD version = 0;     // release number (bcdDevice)
    QString manufacturer; // empty when the device has none
    QString product;
    QString serial;
    std::vector<WORD> languageIds; // the device's language-id list; empty when it has none
    std::vector<BYTE> reportDescriptor;
    QString driver;   // kernel driver bound to the node
    QString location; // physical location of the node on its bus
};

// The reports a channel gets from the device by control transfer.
enum class HidReportKind { Feature, Input, Output };

// How a channel is opened; the four forms device callers use.
enum class HidAccess {
    Query,     // attributes and strings only, no reports
    ReadWrite, // every transfer
    Read,      // input reports only
    Write,     // output reports only
};

inline bool accessReads(HidAccess access) {
    return access == HidAccess::ReadWrite || access == HidAccess::Read;
}

inline bool accessWrites(HidAccess access) {
    return access == HidAccess::ReadWrite || access == HidAccess::Write;
}

// An open connection to one node. The Win32 layer checks the access form before it calls a
// transfer; the base answers ERROR_INVALID_FUNCTION for what a channel does not support.
// Transfers take the report id in byte 0 of the buffer, as
// Windows callers pass it (0 for devices without report ids). Every call may come from any
// thread; an implementation serialises what needs it.
class HidChannel {
public:
    HidChannel(HidNodeInfo node, HidAccess access);
    virtual ~HidChannel() = default;
    HidChannel(const HidChannel&) = delete;
    HidChannel& operator=(const HidChannel&) = delete;

    const HidNodeInfo& node() const { return info; }
    HidAccess access() const { return mode; }

    // Vendor id, product id and version; the default answers from node().
    virtual DWORD readAttributes(WORD& vendorId, WORD& productId, WORD& version);
    // buffer[0] holds the report id on entry; on success the rest is filled.
    virtual DWORD getFeature(std::span<BYTE> buffer);
    virtual DWORD setFeature(std::span<const BYTE> buffer);
    virtual DWORD getInputReport(std::span<BYTE> buffer);
    virtual DWORD setOutputReport(std::span<const BYTE> buffer);
    // The output report the device holds now, by control transfer.
    virtual DWORD getOutputReport(std::span<BYTE> buffer);
    // Gets a report as getFeature, getInputReport and getOutputReport do, and tells how many
    // bytes of buffer the device filled, the id byte counted. The default calls those and
    // counts the whole buffer.
    virtual DWORD getReport(HidReportKind kind, std::span<BYTE> buffer, DWORD& transferred);
    // The node's report descriptor; the default answers with the one enumeration read.
    virtual DWORD readReportDescriptor(std::vector<BYTE>& descriptor);
    // Sends an output report over the interrupt pipe (a plain file write).
    virtual DWORD writeReport(std::span<const BYTE> buffer);
    // Takes the oldest queued input report without blocking: ERROR_SUCCESS with bytesRead 0
    // means none is waiting. The report starts with its id byte (0 without report ids).
    virtual DWORD readReport(std::span<BYTE> buffer, DWORD& bytesRead);
    // ERROR_SUCCESS while the device behind the channel is there, else the error every transfer
    // would fail with. The default knows of no way to lose it.
    virtual DWORD connectionError();
    // A descriptor that polls readable when readReport has a report or a fault to give; -1 for
    // channels that cannot read.
    virtual int pollFd() const;
    // Drops every queued input report.
    virtual DWORD flush();

private:
    HidNodeInfo info;
    HidAccess mode;
};

class HidBus {
public:
    virtual ~HidBus() = default;

    // The nodes present now, in a stable order.
    virtual std::vector<HidNodeInfo> nodes() = 0;
    // Opens nodePath; nullptr with error set when it cannot be opened.
    virtual std::shared_ptr<HidChannel> open(const QString& nodePath, HidAccess access,
                                             DWORD& error) = 0;

protected:
    // Tells the device-change listeners that nodes came or went, if this bus is the current one.
    void announceChange();
};

// The process's bus: a HidrawBus over the real system until another one is installed.
HidBus& currentHidBus();

// Installs bus as the current one for the guard's lifetime (tests, the demo).
class ScopedHidBus {
public:
    explicit ScopedHidBus(HidBus& bus);
    ~ScopedHidBus();
    ScopedHidBus(const ScopedHidBus&) = delete;
    ScopedHidBus& operator=(const ScopedHidBus&) = delete;

private:
    HidBus* previous;
};

// Called on the announcing thread after the current bus's nodes changed. Listeners stay for the
// process's life.
void addDeviceChangeListener(std::function<void()> listener);
