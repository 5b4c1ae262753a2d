#pragma once
// Control codes of the HID class driver, as DeviceIoControl takes them on a HID device handle.
// A code packs the device type, the function number, the buffering method and the access.

#include "platform/win32/types.h"

namespace hid_control_detail {

constexpr DWORD FileDeviceKeyboard = 0x0B;
constexpr DWORD MethodBuffered = 0;
constexpr DWORD MethodInDirect = 1;
constexpr DWORD MethodOutDirect = 2;
constexpr DWORD MethodNeither = 3;

constexpr DWORD Code(DWORD function, DWORD method) {
    return (FileDeviceKeyboard << 16) | (function << 2) | method;
}

} // namespace hid_control_detail

// Buffered: a 32-bit count in the input or output buffer.
constexpr DWORD IOCTL_GET_NUM_DEVICE_INPUT_BUFFERS =
    hid_control_detail::Code(104, hid_control_detail::MethodBuffered);
constexpr DWORD IOCTL_SET_NUM_DEVICE_INPUT_BUFFERS =
    hid_control_detail::Code(105, hid_control_detail::MethodBuffered);

// Buffered: the node's ids, version and report descriptor length.
constexpr DWORD IOCTL_HID_GET_COLLECTION_INFORMATION =
    hid_control_detail::Code(106, hid_control_detail::MethodBuffered);

struct HID_COLLECTION_INFORMATION {
    ULONG DescriptorSize;
    BOOLEAN Polled;
    UCHAR Reserved1[1];
    USHORT VendorID;
    USHORT ProductID;
    USHORT VersionNumber;
};
static_assert(sizeof(HID_COLLECTION_INFORMATION) == 12);

// The node's report descriptor bytes, as many as the collection information says.
constexpr DWORD IOCTL_HID_GET_COLLECTION_DESCRIPTOR =
    hid_control_detail::Code(100, hid_control_detail::MethodNeither);

// No buffers.
constexpr DWORD IOCTL_HID_FLUSH_QUEUE =
    hid_control_detail::Code(101, hid_control_detail::MethodNeither);

// The report (byte 0 its id) goes to the device.
constexpr DWORD IOCTL_HID_SET_FEATURE =
    hid_control_detail::Code(100, hid_control_detail::MethodInDirect);
constexpr DWORD IOCTL_HID_SET_OUTPUT_REPORT =
    hid_control_detail::Code(101, hid_control_detail::MethodInDirect);

// The report (byte 0 its id on entry) comes back in the output buffer.
constexpr DWORD IOCTL_HID_GET_FEATURE =
    hid_control_detail::Code(100, hid_control_detail::MethodOutDirect);
// hidraw has nothing to answer this one with: DeviceIoControl refuses it.
constexpr DWORD IOCTL_GET_PHYSICAL_DESCRIPTOR =
    hid_control_detail::Code(102, hid_control_detail::MethodOutDirect);
constexpr DWORD IOCTL_HID_GET_INPUT_REPORT =
    hid_control_detail::Code(104, hid_control_detail::MethodOutDirect);
constexpr DWORD IOCTL_HID_GET_OUTPUT_REPORT =
    hid_control_detail::Code(105, hid_control_detail::MethodOutDirect);

// Strings as UTF-16 with a terminating NUL; the indexed one takes its string index as a 32-bit
// value in the input buffer.
constexpr DWORD IOCTL_HID_GET_MANUFACTURER_STRING =
    hid_control_detail::Code(110, hid_control_detail::MethodOutDirect);
constexpr DWORD IOCTL_HID_GET_PRODUCT_STRING =
    hid_control_detail::Code(111, hid_control_detail::MethodOutDirect);
constexpr DWORD IOCTL_HID_GET_SERIALNUMBER_STRING =
    hid_control_detail::Code(112, hid_control_detail::MethodOutDirect);
constexpr DWORD IOCTL_HID_GET_INDEXED_STRING =
    hid_control_detail::Code(120, hid_control_detail::MethodOutDirect);
