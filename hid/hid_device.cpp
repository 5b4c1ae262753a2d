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
    : fileHandle(INVALID_HANDLE_VALUE), overlappedWrite(INVALID_HANDLE_VALUE),
      overlappedRead(INVALID_HANDLE_VALUE) {
    throw EControllerError(
        QStringLiteral("Direct creation of a TWkHidDevice object is not allowed"));
}

TWkHidDevice::TWkHidDevice(FromPnPInfo, std::unique_ptr<TWkHidPnPInfo> info,
                           TWkHidDeviceController* owner)
    : controller(owner), fileHandle(INVALID_HANDLE_VALUE), overlappedWrite(INVALID_HANDLE_VALUE),
      pnpInfo(std::move(info)), overlappedRead(INVALID_HANDLE_VALUE) {
    if (controller != nullptr) {
        SetOnData(controller->OnDeviceData());
        dataErrorEvent = controller->OnDeviceDataError();
        unplugEvent = controller->OnDeviceUnplug();
    }
    if (!OpenSynchronous())
        throw EControllerError(QStringLiteral("Device cannot be opened"));
    attributes.Size = sizeof(HIDD_ATTRIBUTES);
    if (!HidApi.HidD_GetAttributes(fileHandle, &attributes)) {
        CloseAll();
        throw EControllerError(QStringLiteral("Device cannot be identified"));
    }
    CloseFile();
}

TWkHidDevice::~TWkHidDevice() {
    const TWkHidDataEvent data = dataEvent;
    const TWkHidPlugEvent unplug = unplugEvent;
    SetOnData(nullptr);
    unplugEvent = nullptr;
    CloseAll();
    FreePreparsedData();
    if (controller != nullptr)
        controller->ReplaceDevice(this, data, unplug);
}

bool TWkHidDevice::Refuse() const {
    SetLastError(pluggedIn ? ERROR_INVALID_HANDLE : ERROR_DEVICE_NOT_CONNECTED);
    return false;
}

bool TWkHidDevice::OpenSynchronous() {
    const QString& path = pnpInfo->DevicePath();
    fileHandle = OpenPath(path, GENERIC_READ | GENERIC_WRITE, 0);
    hasReadWriteAccess = fileHandle != INVALID_HANDLE_VALUE;
    readWriteOpenError = hasReadWriteAccess ? ERROR_SUCCESS : GetLastError();
    if (!hasReadWriteAccess)
        fileHandle = OpenPath(path, 0, 0);
    if (fileHandle == INVALID_HANDLE_VALUE)
        return false;
    if (numInputBuffers != 0)
        HidApi.HidD_SetNumInputBuffers(fileHandle, numInputBuffers);
    ULONG count = 0;
    if (HidApi.HidD_GetNumInputBuffers(fileHandle, &count))
        numInputBuffers = count;
    return true;
}

bool TWkHidDevice::OpenFile() {
    if (fileHandle != INVALID_HANDLE_VALUE)
        return true;
    if (!IsOpenAllowed())
        return Refuse();
    return OpenSynchronous();
}

void TWkHidDevice::CloseFile() {
    CloseIfOpen(fileHandle);
    numInputBuffers = 0;
}

bool TWkHidDevice::OpenFileEx(TWkHidOpenExMode mode) {
    if (!IsOpenAllowed())
        return Refuse();
    if (mode == omhWrite) {
        if (overlappedWrite == INVALID_HANDLE_VALUE)
            overlappedWrite = OpenPath(pnpInfo->DevicePath(), GENERIC_WRITE, FILE_FLAG_OVERLAPPED);
        return overlappedWrite != INVALID_HANDLE_VALUE;
    }
    std::lock_guard lock(overlappedReadLock);
    return OpenOverlappedReadLocked();
}

bool TWkHidDevice::OpenOverlappedReadLocked() {
    if (overlappedRead != INVALID_HANDLE_VALUE)
        return true;
    overlappedRead = OpenPath(pnpInfo->DevicePath(), GENERIC_READ, FILE_FLAG_OVERLAPPED);
    if (overlappedRead == INVALID_HANDLE_VALUE)
        return false;
    if (numOverlappedBuffers != 0)
        HidApi.HidD_SetNumInputBuffers(overlappedRead, numOverlappedBuffers);
    ULONG count = 0;
    if (HidApi.HidD_GetNumInputBuffers(overlappedRead, &count))
        numOverlappedBuffers = count;
    return true;
}

void TWkHidDevice::CloseFileEx(TWkHidOpenExMode mode) {
    if (mode == omhWrite) {
        CloseIfOpen(overlappedWrite);
        return;
    }
    std::lock_guard lock(overlappedReadLock);
    CloseIfOpen(overlappedRead);
    numOverlappedBuffers = 0;
}

void TWkHidDevice::CloseAll() {
    CloseFile();
    CloseFileEx(omhRead);
    CloseFileEx(omhWrite);
}

HANDLE TWkHidDevice::HidOverlappedRead() const {
    std::lock_guard lock(overlappedReadLock);
    return overlappedRead;
}

DWORD TWkHidDevice::NumOverlappedBuffers() const {
    std::lock_guard lock(overlappedReadLock);
    return numOverlappedBuffers;
}

void TWkHidDevice::SetNumInputBuffers(DWORD count) {
    if (count == numInputBuffers || !OpenFile())
        return;
    HidApi.HidD_SetNumInputBuffers(fileHandle, count);
    ULONG driverCount = 0;
    if (HidApi.HidD_GetNumInputBuffers(fileHandle, &driverCount))
        numInputBuffers = driverCount;
}

void TWkHidDevice::SetNumOverlappedBuffers(DWORD count) {
    if (!IsOpenAllowed())
        return;
    std::lock_guard lock(overlappedReadLock);
    if (count == numOverlappedBuffers || !OpenOverlappedReadLocked())
        return;
    HidApi.HidD_SetNumInputBuffers(overlappedRead, count);
    ULONG driverCount = 0;
    if (HidApi.HidD_GetNumInputBuffers(overlappedRead, &driverCount))
        numOverlappedBuffers = driverCount;
}

void TWkHidDevice::SetThreadSleepTime(int milliseconds) {
    if (milliseconds >= 10 && milliseconds <= 10000)
        threadSleepTime = milliseconds;
}

bool TWkHidDevice::CheckOut() {
    if (controller == nullptr || !pluggedIn || checkedOut)
        return false;
    MarkCheckedOut();
    return true;
}

void TWkHidDevice::MarkCheckedOut() {
    checkedOut = true;
    controller->numCheckedOutDevices++;
    controller->numCheckedInDevices--;
    StartReader();
}

void TWkHidDevice::MarkUnplugged() {
    CloseAll();
    pluggedIn = false;
    // Fires once: the handler is cleared before it runs.
    const TWkHidPlugEvent unplug = std::exchange(unplugEvent, nullptr);
    if (unplug)
        unplug(this);
}

void TWkHidDevice::SetOnData(const TWkHidDataEvent& handler) {
    if (!handler)
        StopReader();
    dataEvent = handler;
    StartReader();
}

void TWkHidDevice::StartReader() {
    if (!dataEvent || !pluggedIn || !checkedOut || !hasReadWriteAccess || dataThread)
        return;
    // A report shorter than its id and one data byte carries nothing to hand over.
    const USHORT length = Caps().InputReportByteLength;
    if (length < 2)
        return;
    dataThread = TWkHidDeviceReadThread::CreateForDevice(this, length);
}

void TWkHidDevice::StopReader() {
    TWkHidDeviceReadThread* thread = dataThread.get();
    if (thread == nullptr)
        return;
    thread->Terminate();
    if (thread->InHandOver()) {
        // Stopped from one of its own handlers: the reader ends once that handler returns, and
        // touches the device no more. It is freed from the event loop then.
        std::shared_ptr<TWkHidDeviceReadThread> ending(dataThread.release());
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [ending] { ending->WaitFor(); }, Qt::QueuedConnection);
        return;
    }
    thread->WaitFor();
    // A handler served during the wait may have stopped the reader itself.
    if (dataThread.get() == thread)
        dataThread.reset();
}

HIDP_CAPS TWkHidDevice::Caps() {
    HIDP_CAPS caps{};
    if (PHIDP_PREPARSED_DATA data = PreparsedData(); data != nullptr)
        HidApi.HidP_GetCaps(data, &caps);
    return caps;
}

PHIDP_PREPARSED_DATA TWkHidDevice::PreparsedData() {
    if (preparsedData == nullptr && OpenFile()) {
        PHIDP_PREPARSED_DATA data = nullptr;
        if (HidApi.HidD_GetPreparsedData(fileHandle, &data))
            preparsedData = data;
        CloseFile();
    }
    return preparsedData;
}

void TWkHidDevice::FreePreparsedData() {
    // The library may be gone already when a borrower frees its device after the controller.
    if (preparsedData != nullptr && HidApi.HidD_FreePreparsedData != nullptr)
        HidApi.HidD_FreePreparsedData(preparsedData);
    preparsedData = nullptr;
}

HIDD_CONFIGURATION TWkHidDevice::Configuration() {
    HIDD_CONFIGURATION configuration{};
    if (OpenFile())
        HidApi.HidD_GetConfiguration(fileHandle, &configuration, sizeof configuration);
    return configuration;
}

void TWkHidDevice::SetConfiguration(const HIDD_CONFIGURATION& configuration) {
    HIDD_CONFIGURATION copy = configuration;
    if (OpenFile())
        HidApi.HidD_SetConfiguration(fileHandle, &copy, sizeof copy);
}
