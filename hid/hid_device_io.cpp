// Transfers on the synchronous handle and the overlapped reads and writes of a device.
#include "hid/hid_api.h"
#include "hid/hid_device.h"
#include "hid/module_loader.h"
#include "platform/win32/last_error.h"
#include "platform/win32/overlapped_io.h"

bool TWkHidDevice::GetFeature(void* report, ULONG size) {
    return OpenFile() && HidApi.HidD_GetFeature(FHidFileHandle, report, size);
}

bool TWkHidDevice::SetFeature(void* report, ULONG size) {
    return OpenFile() && HidApi.HidD_SetFeature(FHidFileHandle, report, size);
}

bool TWkHidDevice::FlushQueue() {
    return OpenFile() && HidApi.HidD_FlushQueue(FHidFileHandle);
}

bool TWkHidDevice::GetInputReport(void* report, ULONG size) {
    if (HidApi.HidD_GetInputReport == nullptr) {
        SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return false;
    }
    return OpenFile() && HidApi.HidD_GetInputReport(FHidFileHandle, report, size);
}

bool TWkHidDevice::SetOutputReport(void* report, ULONG size) {
    if (HidApi.HidD_SetOutputReport == nullptr) {
        SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return false;
    }
    return OpenFile() && HidApi.HidD_SetOutputReport(FHidFileHandle, report, size);
}

bool TWkHidDevice::ReadFile(void* report, DWORD toRead, DWORD& bytesRead) {
    return OpenFile() && ::ReadFile(FHidFileHandle, report, toRead, &bytesRead, nullptr);
}

bool TWkHidDevice::WriteFile(const void* report, DWORD toWrite, DWORD& bytesWritten) {
    return OpenFile() && ::WriteFile(FHidFileHandle, report, toWrite, &bytesWritten, nullptr);
}

bool TWkHidDevice::DeviceIoControl(DWORD ioControlCode, void* inBuffer, DWORD inSize,
                                   void* outBuffer, DWORD outSize, DWORD& bytesReturned) {
    return OpenFile() && ::DeviceIoControl(FHidFileHandle, ioControlCode, inBuffer, inSize,
                                           outBuffer, outSize, &bytesReturned, nullptr);
}

bool TWkHidDevice::ReadFileEx(void* report, DWORD toRead,
                              LPOVERLAPPED_COMPLETION_ROUTINE callBack) {
    if (!IsOpenAllowed())
        return Refuse();
    std::lock_guard lock(overlappedReadLock);
    if (!OpenOverlappedReadLocked())
        return false;
    FOvlRead = OVERLAPPED{};
    FOvlRead.hEvent = this;
    return ::ReadFileEx(FHidOverlappedRead, report, toRead, &FOvlRead, callBack);
}

bool TWkHidDevice::WriteFileEx(const void* report, DWORD toWrite,
                               LPOVERLAPPED_COMPLETION_ROUTINE callBack) {
    if (!OpenFileEx(omhWrite))
        return false;
    FOvlWrite = OVERLAPPED{};
    FOvlWrite.hEvent = this;
    return ::WriteFileEx(FHidOverlappedWrite, report, toWrite, &FOvlWrite, callBack);
}

DWORD TWkHidDevice::HidOverlappedReadResult() {
    std::lock_guard lock(overlappedReadLock);
    DWORD bytes = 0;
    if (FHidOverlappedRead == INVALID_HANDLE_VALUE ||
        !GetOverlappedResult(FHidOverlappedRead, &FOvlRead, &bytes, FALSE))
        return 0;
    return bytes;
}

DWORD TWkHidDevice::HidOverlappedWriteResult() {
    DWORD bytes = 0;
    if (FHidOverlappedWrite == INVALID_HANDLE_VALUE ||
        !GetOverlappedResult(FHidOverlappedWrite, &FOvlWrite, &bytes, FALSE))
        return 0;
    return bytes;
}

namespace {

// CancelIo is looked up at run time, as systems without it exist; false when it is missing.
bool CancelPendingIo(HANDLE handle) {
    HMODULE kernel = nullptr;
    if (!OpenModule(kernel, QStringLiteral("kernel32.dll")))
        return false;
    bool found = true;
    const auto cancel =
        reinterpret_cast<decltype(&::CancelIo)>(BindModuleSymbol(kernel, "CancelIo", found));
    const bool cancelled = found && cancel(handle);
    CloseModule(kernel);
    return cancelled;
}

} // namespace

bool TWkHidDevice::CancelIO(TWkHidOpenExMode mode) {
    if (mode == omhWrite)
        return FHidOverlappedWrite != INVALID_HANDLE_VALUE && CancelPendingIo(FHidOverlappedWrite);
    std::lock_guard lock(overlappedReadLock);
    return FHidOverlappedRead != INVALID_HANDLE_VALUE && CancelPendingIo(FHidOverlappedRead);
}
