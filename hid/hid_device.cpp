#include "hid/hid_device.h"

#include "hid/controller_error.h"
#include "hid/hid_api.h"
#include "hid/hid_controller.h"
#include "hid/read_thread.h"
#include "platform/win32/last_error.h"
#include "platform/win32/overlapped_io.h"

#include <QCoreApplication>
#include <utility>

namespace {

LPCWSTR WidePath(const QString& path) {
    return reinterpret_cast<LPCWSTR>(path.utf16());
}

HANDLE OpenPath(const QString& path, DWORD access, DWORD flags) {
    return CreateFileW(WidePath(path), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, flags, nullptr);
}

void CloseIfOpen(HANDLE& handle) {
    if (handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
}

} // namespace

TWkHidDevice::TWkHidDevice()
    : FHidFileHandle(INVALID_HANDLE_VALUE), FHidOverlappedWrite(INVALID_HANDLE_VALUE),
      FHidOverlappedRead(INVALID_HANDLE_VALUE) {
    throw EControllerError(
        QStringLiteral("Direct creation of a TWkHidDevice object is not allowed"));
}

TWkHidDevice::TWkHidDevice(FromPnPInfo, std::unique_ptr<TWkHidPnPInfo> info,
                           TWkHidDeviceController* owner)
    : FMyController(owner), FHidFileHandle(INVALID_HANDLE_VALUE),
      FHidOverlappedWrite(INVALID_HANDLE_VALUE), FPnPInfo(std::move(info)),
      FHidOverlappedRead(INVALID_HANDLE_VALUE) {
    if (FMyController != nullptr) {
        SetOnData(FMyController->OnDeviceData());
        FDataError = FMyController->OnDeviceDataError();
        FUnplug = FMyController->OnDeviceUnplug();
    }
    if (!OpenSynchronous())
        throw EControllerError(QStringLiteral("Device cannot be opened"));
    FAttributes.Size = sizeof(HIDD_ATTRIBUTES);
    if (!HidApi.HidD_GetAttributes(FHidFileHandle, &FAttributes)) {
        CloseAll();
        throw EControllerError(QStringLiteral("Device cannot be identified"));
    }
    CloseFile();
}

TWkHidDevice::~TWkHidDevice() {
    const TWkHidDataEvent data = FData;
    const TWkHidPlugEvent unplug = FUnplug;
    SetOnData(nullptr);
    FUnplug = nullptr;
    CloseAll();
    FreePreparsedData();
    if (FMyController != nullptr)
        FMyController->ReplaceDevice(this, data, unplug);
}

bool TWkHidDevice::Refuse() const {
    SetLastError(FIsPluggedIn ? ERROR_INVALID_HANDLE : ERROR_DEVICE_NOT_CONNECTED);
    return false;
}

bool TWkHidDevice::OpenSynchronous() {
    const QString& path = FPnPInfo->DevicePath();
    FHidFileHandle = OpenPath(path, GENERIC_READ | GENERIC_WRITE, 0);
    FHasReadWriteAccess = FHidFileHandle != INVALID_HANDLE_VALUE;
    readWriteOpenError = FHasReadWriteAccess ? ERROR_SUCCESS : GetLastError();
    if (!FHasReadWriteAccess)
        FHidFileHandle = OpenPath(path, 0, 0);
    if (FHidFileHandle == INVALID_HANDLE_VALUE)
        return false;
    if (FNumInputBuffers != 0)
        HidApi.HidD_SetNumInputBuffers(FHidFileHandle, FNumInputBuffers);
    ULONG count = 0;
    if (HidApi.HidD_GetNumInputBuffers(FHidFileHandle, &count))
        FNumInputBuffers = count;
    return true;
}

bool TWkHidDevice::OpenFile() {
    if (FHidFileHandle != INVALID_HANDLE_VALUE)
        return true;
    if (!IsOpenAllowed())
        return Refuse();
    return OpenSynchronous();
}

void TWkHidDevice::CloseFile() {
    CloseIfOpen(FHidFileHandle);
    FNumInputBuffers = 0;
}

bool TWkHidDevice::OpenFileEx(TWkHidOpenExMode mode) {
    if (!IsOpenAllowed())
        return Refuse();
    if (mode == omhWrite) {
        if (FHidOverlappedWrite == INVALID_HANDLE_VALUE)
            FHidOverlappedWrite =
                OpenPath(FPnPInfo->DevicePath(), GENERIC_WRITE, FILE_FLAG_OVERLAPPED);
        return FHidOverlappedWrite != INVALID_HANDLE_VALUE;
    }
    std::lock_guard lock(overlappedReadLock);
    return OpenOverlappedReadLocked();
}

bool TWkHidDevice::OpenOverlappedReadLocked() {
    if (FHidOverlappedRead != INVALID_HANDLE_VALUE)
        return true;
    FHidOverlappedRead = OpenPath(FPnPInfo->DevicePath(), GENERIC_READ, FILE_FLAG_OVERLAPPED);
    if (FHidOverlappedRead == INVALID_HANDLE_VALUE)
        return false;
    if (FNumOverlappedBuffers != 0)
        HidApi.HidD_SetNumInputBuffers(FHidOverlappedRead, FNumOverlappedBuffers);
    ULONG count = 0;
    if (HidApi.HidD_GetNumInputBuffers(FHidOverlappedRead, &count))
        FNumOverlappedBuffers = count;
    return true;
}

void TWkHidDevice::CloseFileEx(TWkHidOpenExMode mode) {
    if (mode == omhWrite) {
        CloseIfOpen(FHidOverlappedWrite);
        return;
    }
    std::lock_guard lock(overlappedReadLock);
    CloseIfOpen(FHidOverlappedRead);
    FNumOverlappedBuffers = 0;
}

void TWkHidDevice::CloseAll() {
    CloseFile();
    CloseFileEx(omhRead);
    CloseFileEx(omhWrite);
}

HANDLE TWkHidDevice::HidOverlappedRead() const {
    std::lock_guard lock(overlappedReadLock);
    return FHidOverlappedRead;
}

DWORD TWkHidDevice::NumOverlappedBuffers() const {
    std::lock_guard lock(overlappedReadLock);
    return FNumOverlappedBuffers;
}

void TWkHidDevice::SetNumInputBuffers(DWORD count) {
    if (count == FNumInputBuffers || !OpenFile())
        return;
    HidApi.HidD_SetNumInputBuffers(FHidFileHandle, count);
    ULONG driverCount = 0;
    if (HidApi.HidD_GetNumInputBuffers(FHidFileHandle, &driverCount))
        FNumInputBuffers = driverCount;
}

void TWkHidDevice::SetNumOverlappedBuffers(DWORD count) {
    if (!IsOpenAllowed())
        return;
    std::lock_guard lock(overlappedReadLock);
    if (count == FNumOverlappedBuffers || !OpenOverlappedReadLocked())
        return;
    HidApi.HidD_SetNumInputBuffers(FHidOverlappedRead, count);
    ULONG driverCount = 0;
    if (HidApi.HidD_GetNumInputBuffers(FHidOverlappedRead, &driverCount))
        FNumOverlappedBuffers = driverCount;
}

void TWkHidDevice::SetThreadSleepTime(int milliseconds) {
    if (milliseconds >= 10 && milliseconds <= 10000)
        FThreadSleepTime = milliseconds;
}

bool TWkHidDevice::CheckOut() {
    if (FMyController == nullptr || !FIsPluggedIn || FIsCheckedOut)
        return false;
    MarkCheckedOut();
    return true;
}

void TWkHidDevice::MarkCheckedOut() {
    FIsCheckedOut = true;
    FMyController->FNumCheckedOutDevices++;
    FMyController->FNumCheckedInDevices--;
    StartReader();
}

void TWkHidDevice::MarkUnplugged() {
    CloseAll();
    FIsPluggedIn = false;
    // Fires once: the handler is cleared before it runs.
    const TWkHidPlugEvent unplug = std::exchange(FUnplug, nullptr);
    if (unplug)
        unplug(this);
}

void TWkHidDevice::SetOnData(const TWkHidDataEvent& handler) {
    if (!handler)
        StopReader();
    FData = handler;
    StartReader();
}

void TWkHidDevice::StartReader() {
    if (!FData || !FIsPluggedIn || !FIsCheckedOut || !FHasReadWriteAccess || FDataThread)
        return;
    // A report shorter than its id and one data byte carries nothing to hand over.
    const USHORT length = Caps().InputReportByteLength;
    if (length < 2)
        return;
    FDataThread = TWkHidDeviceReadThread::CreateForDevice(this, length);
}

void TWkHidDevice::StopReader() {
    TWkHidDeviceReadThread* thread = FDataThread.get();
    if (thread == nullptr)
        return;
    thread->Terminate();
    if (thread->InHandOver()) {
        // Stopped from one of its own handlers: the reader ends once that handler returns, and
        // touches the device no more. It is freed from the event loop then.
        std::shared_ptr<TWkHidDeviceReadThread> ending(FDataThread.release());
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [ending] { ending->WaitFor(); }, Qt::QueuedConnection);
        return;
    }
    thread->WaitFor();
    // A handler served during the wait may have stopped the reader itself.
    if (FDataThread.get() == thread)
        FDataThread.reset();
}

HIDP_CAPS TWkHidDevice::Caps() {
    HIDP_CAPS caps{};
    if (PHIDP_PREPARSED_DATA data = PreparsedData(); data != nullptr)
        HidApi.HidP_GetCaps(data, &caps);
    return caps;
}

PHIDP_PREPARSED_DATA TWkHidDevice::PreparsedData() {
    if (FPreparsedData == nullptr && OpenFile()) {
        PHIDP_PREPARSED_DATA data = nullptr;
        if (HidApi.HidD_GetPreparsedData(FHidFileHandle, &data))
            FPreparsedData = data;
        CloseFile();
    }
    return FPreparsedData;
}

void TWkHidDevice::FreePreparsedData() {
    // The library may be gone already when a borrower frees its device after the controller.
    if (FPreparsedData != nullptr && HidApi.HidD_FreePreparsedData != nullptr)
        HidApi.HidD_FreePreparsedData(FPreparsedData);
    FPreparsedData = nullptr;
}

HIDD_CONFIGURATION TWkHidDevice::Configuration() {
    HIDD_CONFIGURATION configuration{};
    if (OpenFile())
        HidApi.HidD_GetConfiguration(FHidFileHandle, &configuration, sizeof configuration);
    return configuration;
}

void TWkHidDevice::SetConfiguration(const HIDD_CONFIGURATION& configuration) {
    HIDD_CONFIGURATION copy = configuration;
    if (OpenFile())
        HidApi.HidD_SetConfiguration(FHidFileHandle, &copy, sizeof copy);
}
