#pragma once
// File handles on HID device paths, opened through the current HID bus. A path is a node path
// of the bus, with "&colNN" appended (NN from 01) when the node has more than one top-level
// collection; each interface of such a node is opened by its own path.

#include "platform/hidbus/hid_bus.h"
#include "platform/win32/handle_table.h"

#include <bitset>

constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD FILE_SHARE_WRITE = 0x2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD FILE_FLAG_OVERLAPPED = 0x40000000;
using LPDWORD = DWORD*;

// What a device handle holds.
struct DeviceFile final : KernelObject {
    std::shared_ptr<HidChannel> channel;
    int collection = 0;      // top-level collection of the node this interface stands for
    bool overlapped = false; // opened with FILE_FLAG_OVERLAPPED
    DWORD numInputBuffers = 32;
    // Set when the node has several top-level collections: the input report ids of this one.
    // The node's reports of the other collections belong to their own interfaces.
    bool sharesNode = false;
    std::bitset<256> ownInputIds;

    // Takes the oldest queued input report of this interface without blocking, as
    // HidChannel::readReport does, dropping those of the node's other collections.
    DWORD readReport(std::span<BYTE> buffer, DWORD& bytesRead);
};

// The path of collection (0-based) of a node with collectionCount top-level collections.
QString DeviceInterfacePath(const QString& nodePath, int collection, int collectionCount);

// What a device interface path names: its node and the collection (0-based; -1 for a "&col00"
// suffix, which names none).
struct InterfaceOfNode {
    QString nodePath;
    int collection = 0;
};
InterfaceOfNode SplitDeviceInterfacePath(const QString& path);

// The device file behind handle; nullptr with ERROR_INVALID_HANDLE as the last error.
std::shared_ptr<DeviceFile> DeviceFileFromHandle(HANDLE handle);

// Opens a device path. access: GENERIC_READ and/or GENERIC_WRITE, or 0 to query attributes and
// strings only; creation must be OPEN_EXISTING; flags: 0 or FILE_FLAG_OVERLAPPED. Share mode,
// security and template are accepted and not used. INVALID_HANDLE_VALUE on failure, with the
// last error set (ERROR_FILE_NOT_FOUND for an unknown path, ERROR_ACCESS_DENIED when the node
// refuses the access).
HANDLE CreateFileW(LPCWSTR path, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                   DWORD creation, DWORD flags, HANDLE templateFile);

// Closes the handle; pending overlapped operations on it end with ERROR_OPERATION_ABORTED.
BOOL CloseHandle(HANDLE handle);

// Reads one input report, waiting until one arrives. Overlapped reads go through ReadFileEx; a
// non-null overlapped is refused with ERROR_NOT_SUPPORTED.
BOOL ReadFile(HANDLE handle, LPVOID buffer, DWORD toRead, LPDWORD bytesRead,
              LPOVERLAPPED overlapped);
// Sends one output report (byte 0 the report id). Same rule for overlapped as ReadFile.
BOOL WriteFile(HANDLE handle, LPCVOID buffer, DWORD toWrite, LPDWORD bytesWritten,
               LPOVERLAPPED overlapped);
// Serves the HID class control codes of hid_control_codes.h that a hidraw node can serve (see
// device_control.cpp); any other code gives FALSE with ERROR_INVALID_FUNCTION. Report codes take
// the report, byte 0 its id, as the HidD_* calls do and need the same access; bytesReturned
// counts the bytes put into the output buffer (for a report, the length the device
// transferred). The collection codes answer on a handle of any access with the node's ids,
// version and whole report descriptor; an output buffer too small for the answer gives
// ERROR_INSUFFICIENT_BUFFER and is left as it was. The call completes before it returns, so an
// overlapped record is not used.
BOOL DeviceIoControl(HANDLE handle, DWORD ioControlCode, LPVOID inBuffer, DWORD inSize,
                     LPVOID outBuffer, DWORD outSize, LPDWORD bytesReturned,
                     LPOVERLAPPED overlapped);
