// DeviceIoControl on device handles: the HID class codes that a hidraw node can serve, each on
// the channel call behind it (feature reports: HIDIOCGFEATURE/HIDIOCSFEATURE; input and output
// reports: HIDIOCGINPUT/HIDIOCSOUTPUT/HIDIOCGOUTPUT; the collection: HIDIOCGRAWINFO and
// HIDIOCGRDESC), with the queue, the input buffer count and the strings the class layer keeps
// for a handle.
#include "platform/win32/device_file.h"
#include "platform/win32/hid_control_codes.h"
#include "platform/win32/last_error.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Input buffer counts a handle accepts, as the class driver allows them.
constexpr ULONG MinInputBuffers = 2;
constexpr ULONG MaxInputBuffers = 512;

BOOL fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

struct Request {
    DeviceFile& file;
    LPVOID in;
    DWORD inSize;
    LPVOID out;
    DWORD outSize;
    DWORD returned = 0;
};

BOOL finish(Request& request, DWORD error, DWORD returned) {
    if (error)
        return fail(error);
    request.returned = returned;
    return TRUE;
}

BOOL getReport(Request& r, HidReportKind kind) {
    if (!r.out || r.outSize == 0)
        return fail(ERROR_INVALID_PARAMETER);
    if (!accessReads(r.file.channel->access()))
        return fail(ERROR_ACCESS_DENIED);
    DWORD transferred = 0;
    const DWORD error =
        r.file.channel->getReport(kind, {static_cast<BYTE*>(r.out), r.outSize}, transferred);
    return finish(r, error, transferred);
}

BOOL setReport(Request& r, DWORD (HidChannel::*set)(std::span<const BYTE>)) {
    // The report is the input buffer; callers of the direct-buffer form hand it over as the
    // output buffer instead.
    const bool inInput = r.in != nullptr;
    const auto* report = static_cast<const BYTE*>(inInput ? r.in : r.out);
    const DWORD size = inInput ? r.inSize : r.outSize;
    if (!report || size == 0)
        return fail(ERROR_INVALID_PARAMETER);
    if (!accessWrites(r.file.channel->access()))
        return fail(ERROR_ACCESS_DENIED);
    return finish(r, (*r.file.channel.*set)({report, size}), 0);
}

BOOL flushQueue(Request& r) {
    if (!accessReads(r.file.channel->access()))
        return fail(ERROR_ACCESS_DENIED);
    return finish(r, r.file.channel->flush(), 0);
}

BOOL getBufferCount(Request& r) {
    if (!r.out || r.outSize < sizeof(ULONG))
        return fail(ERROR_INVALID_PARAMETER);
    const ULONG count = r.file.numInputBuffers;
    std::memcpy(r.out, &count, sizeof count);
    return finish(r, ERROR_SUCCESS, sizeof count);
}

BOOL setBufferCount(Request& r) {
    if (!r.in || r.inSize < sizeof(ULONG))
        return fail(ERROR_INVALID_PARAMETER);
    ULONG count = 0;
    std::memcpy(&count, r.in, sizeof count);
    if (count < MinInputBuffers || count > MaxInputBuffers)
        return fail(ERROR_INVALID_PARAMETER);
    r.file.numInputBuffers = count;
    return finish(r, ERROR_SUCCESS, 0);
}

BOOL copyWords(Request& r, const std::u16string& words) {
    const std::size_t needed = (words.size() + 1) * sizeof(char16_t);
    if (!r.out || r.outSize < needed)
        return fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(r.out, words.c_str(), needed);
    return finish(r, ERROR_SUCCESS, static_cast<DWORD>(needed));
}

BOOL nodeString(Request& r, QString HidNodeInfo::*member) {
    const QString& text = r.file.channel->node().*member;
    if (text.isEmpty())
        return fail(ERROR_NOT_FOUND);
    return copyWords(r, text.toStdU16String());
}

// String index 0 is the device's language-id list; the node keeps no other string by index.
BOOL indexedString(Request& r) {
    if (!r.in || r.inSize < sizeof(ULONG))
        return fail(ERROR_INVALID_PARAMETER);
    ULONG index = 0;
    std::memcpy(&index, r.in, sizeof index);
    if (index != 0)
        return fail(ERROR_NOT_SUPPORTED);
    const std::vector<WORD>& languages = r.file.channel->node().languageIds;
    if (languages.empty())
        return fail(ERROR_NOT_FOUND);
    return copyWords(r, std::u16string(languages.begin(), languages.end()));
}

// Both answer on a handle of any access, as attribute queries do.
BOOL collectionInformation(Request& r) {
    if (!r.out || r.outSize < sizeof(HID_COLLECTION_INFORMATION))
        return fail(ERROR_INSUFFICIENT_BUFFER);
    std::vector<BYTE> descriptor;
    HID_COLLECTION_INFORMATION info{};
    if (const DWORD error = r.file.channel->readReportDescriptor(descriptor))
        return fail(error);
    if (const DWORD error =
            r.file.channel->readAttributes(info.VendorID, info.ProductID, info.VersionNumber))
        return fail(error);
    info.DescriptorSize = static_cast<ULONG>(descriptor.size());
    std::memcpy(r.out, &info, sizeof info);
    return finish(r, ERROR_SUCCESS, sizeof info);
}

BOOL collectionDescriptor(Request& r) {
    std::vector<BYTE> descriptor;
    if (const DWORD error = r.file.channel->readReportDescriptor(descriptor))
        return fail(error);
    if (!r.out || r.outSize < descriptor.size())
        return fail(ERROR_INSUFFICIENT_BUFFER);
    std::copy(descriptor.begin(), descriptor.end(), static_cast<BYTE*>(r.out));
    return finish(r, ERROR_SUCCESS, static_cast<DWORD>(descriptor.size()));
}

BOOL serve(DWORD code, Request& r) {
    switch (code) {
    case IOCTL_HID_GET_FEATURE:
        return getReport(r, HidReportKind::Feature);
    case IOCTL_HID_SET_FEATURE:
        return setReport(r, &HidChannel::setFeature);
    case IOCTL_HID_GET_INPUT_REPORT:
        return getReport(r, HidReportKind::Input);
    case IOCTL_HID_SET_OUTPUT_REPORT:
        return setReport(r, &HidChannel::setOutputReport);
    case IOCTL_HID_GET_OUTPUT_REPORT:
        return getReport(r, HidReportKind::Output);
    case IOCTL_HID_GET_COLLECTION_INFORMATION:
        return collectionInformation(r);
    case IOCTL_HID_GET_COLLECTION_DESCRIPTOR:
        return collectionDescriptor(r);
    case IOCTL_HID_FLUSH_QUEUE:
        return flushQueue(r);
    case IOCTL_GET_NUM_DEVICE_INPUT_BUFFERS:
        return getBufferCount(r);
    case IOCTL_SET_NUM_DEVICE_INPUT_BUFFERS:
        return setBufferCount(r);
    case IOCTL_HID_GET_MANUFACTURER_STRING:
        return nodeString(r, &HidNodeInfo::manufacturer);
    case IOCTL_HID_GET_PRODUCT_STRING:
        return nodeString(r, &HidNodeInfo::product);
    case IOCTL_HID_GET_SERIALNUMBER_STRING:
        return nodeString(r, &HidNodeInfo::serial);
    case IOCTL_HID_GET_INDEXED_STRING:
        return indexedString(r);
    default:
        return fail(ERROR_INVALID_FUNCTION);
    }
}

} // namespace

BOOL DeviceIoControl(HANDLE handle, DWORD ioControlCode, LPVOID inBuffer, DWORD inSize,
                     LPVOID outBuffer, DWORD outSize, LPDWORD bytesReturned, LPOVERLAPPED) {
    const auto file = DeviceFileFromHandle(handle);
    if (!file)
        return FALSE;
    if (bytesReturned)
        *bytesReturned = 0;
    Request request{*file, inBuffer, inSize, outBuffer, outSize};
    if (!serve(ioControlCode, request))
        return FALSE;
    if (bytesReturned)
        *bytesReturned = request.returned;
    return TRUE;
}
