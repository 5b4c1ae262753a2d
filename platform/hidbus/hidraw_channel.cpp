#include "platform/hidbus/hidraw_channel.h"

#include "platform/hidparser/descriptor_parser.h"
#include "platform/win32/last_error.h"

#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <vector>

// Input and output report ioctls came with Linux 5.11.
#ifndef HIDIOCGINPUT
#define HIDIOCGINPUT(len) _IOC(_IOC_WRITE | _IOC_READ, 'H', 0x0A, len)
#define HIDIOCSOUTPUT(len) _IOC(_IOC_WRITE | _IOC_READ, 'H', 0x0B, len)
#define HIDIOCGOUTPUT(len) _IOC(_IOC_WRITE | _IOC_READ, 'H', 0x0C, len)
#endif

namespace {

// The ioctl length field has 14 bits.
constexpr std::size_t kMaxIoctlLength = (1u << 14) - 1;
// flush() reads at most this many reports, so a device that floods cannot keep it looping.
constexpr int kMaxFlushReads = 1024;

// What a node that is no hidraw node answers to a hidraw ioctl.
bool AnswersNoIoctl(int err) {
    return err == ENOTTY || err == EINVAL;
}

} // namespace

HidrawChannel::HidrawChannel(HidNodeInfo node, HidAccess access, int fd)
    : HidChannel(std::move(node), access), fd(fd),
      prefixZeroId(
          !descriptorUsesReportIds(this->node().reportDescriptor.data(),
                                   static_cast<ULONG>(this->node().reportDescriptor.size()))) {}

HidrawChannel::~HidrawChannel() {
    if (fd >= 0)
        close(fd);
}

DWORD HidrawChannel::errorFromErrno(int err) const {
    // A node that went away answers EIO or ENODEV; say so the way Windows does.
    if ((err == EIO || err == ENODEV) && !QFileInfo::exists(node().nodePath))
        return ERROR_DEVICE_NOT_CONNECTED;
    return Win32ErrorFromErrno(err);
}

DWORD HidrawChannel::request(unsigned long code, std::span<BYTE> buffer, DWORD* transferred) {
    if (fd < 0)
        return ERROR_INVALID_HANDLE;
    if (buffer.empty() || buffer.size() > kMaxIoctlLength)
        return ERROR_INVALID_PARAMETER;
    const int length = ioctl(fd, code, buffer.data());
    if (length < 0)
        return errorFromErrno(errno);
    if (transferred)
        *transferred =
            static_cast<DWORD>(std::min<std::size_t>(std::size_t(length), buffer.size()));
    return ERROR_SUCCESS;
}

DWORD HidrawChannel::getReport(HidReportKind kind, std::span<BYTE> buffer, DWORD& transferred) {
    transferred = 0;
    switch (kind) {
    case HidReportKind::Feature:
        return request(HIDIOCGFEATURE(buffer.size()), buffer, &transferred);
    case HidReportKind::Input:
        return request(HIDIOCGINPUT(buffer.size()), buffer, &transferred);
    case HidReportKind::Output:
        return request(HIDIOCGOUTPUT(buffer.size()), buffer, &transferred);
    }
    return ERROR_INVALID_FUNCTION;
}

DWORD HidrawChannel::readAttributes(WORD& vendorId, WORD& productId, WORD& version) {
    hidraw_devinfo info{};
    if (fd < 0 || ioctl(fd, HIDIOCGRAWINFO, &info) < 0) {
        if (fd >= 0 && !AnswersNoIoctl(errno))
            return errorFromErrno(errno);
        return HidChannel::readAttributes(vendorId, productId, version);
    }
    vendorId = static_cast<WORD>(info.vendor);
    productId = static_cast<WORD>(info.product);
    version = node().version;
    return ERROR_SUCCESS;
}

DWORD HidrawChannel::readReportDescriptor(std::vector<BYTE>& descriptor) {
    int size = 0;
    if (fd < 0 || ioctl(fd, HIDIOCGRDESCSIZE, &size) < 0) {
        if (fd >= 0 && !AnswersNoIoctl(errno))
            return errorFromErrno(errno);
        return HidChannel::readReportDescriptor(descriptor);
    }
    // The size is the device's word: one the descriptor record cannot hold is refused.
    if (size < 0 || size > HID_MAX_DESCRIPTOR_SIZE)
        return ERROR_INVALID_DATA;
    hidraw_report_descriptor answer{};
    answer.size = static_cast<__u32>(size);
    if (ioctl(fd, HIDIOCGRDESC, &answer) < 0)
        return errorFromErrno(errno);
    descriptor.assign(answer.value, answer.value + size);
    return ERROR_SUCCESS;
}

DWORD HidrawChannel::getFeature(std::span<BYTE> buffer) {
    DWORD transferred = 0;
    return getReport(HidReportKind::Feature, buffer, transferred);
}

DWORD HidrawChannel::setFeature(std::span<const BYTE> buffer) {
    std::vector<BYTE> copy(buffer.begin(), buffer.end());
    return request(HIDIOCSFEATURE(copy.size()), copy);
}

DWORD HidrawChannel::getInputReport(std::span<BYTE> buffer) {
    DWORD transferred = 0;
    return getReport(HidReportKind::Input, buffer, transferred);
}

DWORD HidrawChannel::setOutputReport(std::span<const BYTE> buffer) {
    std::vector<BYTE> copy(buffer.begin(), buffer.end());
    return request(HIDIOCSOUTPUT(copy.size()), copy);
}

DWORD HidrawChannel::getOutputReport(std::span<BYTE> buffer) {
    DWORD transferred = 0;
    return getReport(HidReportKind::Output, buffer, transferred);
}

DWORD HidrawChannel::writeReport(std::span<const BYTE> buffer) {
    if (fd < 0)
        return ERROR_INVALID_HANDLE;
    if (buffer.empty())
        return ERROR_INVALID_PARAMETER;
    if (write(fd, buffer.data(), buffer.size()) < 0)
        return errorFromErrno(errno);
    return ERROR_SUCCESS;
}

DWORD HidrawChannel::readReport(std::span<BYTE> buffer, DWORD& bytesRead) {
    bytesRead = 0;
    if (fd < 0)
        return ERROR_INVALID_HANDLE;
    const std::size_t offset = prefixZeroId ? 1 : 0;
    if (buffer.size() <= offset)
        return ERROR_INVALID_PARAMETER;
    const ssize_t got = read(fd, buffer.data() + offset, buffer.size() - offset);
    if (got < 0)
        return errno == EAGAIN ? ERROR_SUCCESS : errorFromErrno(errno);
    if (got == 0)
        return ERROR_SUCCESS;
    if (prefixZeroId)
        buffer[0] = 0;
    bytesRead = static_cast<DWORD>(got + offset);
    return ERROR_SUCCESS;
}

DWORD HidrawChannel::connectionError() {
    if (fd < 0)
        return ERROR_SUCCESS;
    // hidraw reports a node whose device went away as hung up.
    pollfd state{fd, 0, 0};
    if (poll(&state, 1, 0) > 0 && (state.revents & (POLLHUP | POLLERR)))
        return ERROR_DEVICE_NOT_CONNECTED;
    return ERROR_SUCCESS;
}

DWORD HidrawChannel::flush() {
    if (fd < 0)
        return ERROR_SUCCESS;
    BYTE scratch[kMaxIoctlLength + 1];
    for (int i = 0; i < kMaxFlushReads; ++i) {
        if (read(fd, scratch, sizeof scratch) < 0)
            return errno == EAGAIN ? ERROR_SUCCESS : errorFromErrno(errno);
    }
    return ERROR_SUCCESS;
}
