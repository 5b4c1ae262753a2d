#pragma once
// A channel on a Linux hidraw node: feature and input/output reports through the hidraw ioctls,
// input reports by read(), output reports by write(). The node is opened non-blocking.

#include "platform/hidbus/hid_bus.h"

class HidrawChannel final : public HidChannel {
public:
    // Takes fd over (-1 for a query-only channel, which transfers nothing).
    HidrawChannel(HidNodeInfo node, HidAccess access, int fd);
    ~HidrawChannel() override;

    DWORD getFeature(std::span<BYTE> buffer) override;
    DWORD setFeature(std::span<const BYTE> buffer) override;
    DWORD getInputReport(std::span<BYTE> buffer) override;
    DWORD setOutputReport(std::span<const BYTE> buffer) override;
    DWORD getOutputReport(std::span<BYTE> buffer) override;
    DWORD getReport(HidReportKind kind, std::span<BYTE> buffer, DWORD& transferred) override;
    // Both ask the device, and answer from what enumeration read where the node answers no
    // hidraw ioctl; the version is always enumeration's, as hidraw does not tell it.
    DWORD readAttributes(WORD& vendorId, WORD& productId, WORD& version) override;
    DWORD readReportDescriptor(std::vector<BYTE>& descriptor) override;
    DWORD writeReport(std::span<const BYTE> buffer) override;
    DWORD readReport(std::span<BYTE> buffer, DWORD& bytesRead) override;
    DWORD connectionError() override;
    int pollFd() const override { return fd; }
    DWORD flush() override;

private:
    // transferred, when given, gets the length the ioctl answers, at most the buffer's.
    DWORD request(unsigned long code, std::span<BYTE> buffer, DWORD* transferred = nullptr);
    DWORD errorFromErrno(int err) const;

    int fd;
    // hidraw hands out reports of unnumbered devices without an id byte; Windows callers expect
    // a leading 0 there.
    bool prefixZeroId;
};
