#include "hid/read_thread.h"

#include "hid/controller_error.h"
#include "hid/hid_device.h"
#include "platform/win32/last_error.h"
#include "platform/win32/overlapped_io.h"

#include <algorithm>

namespace {

// The reader learns of a completed read from the wait's result; the routine has nothing to do.
void ReadCompletion(DWORD, DWORD, LPOVERLAPPED) {}

} // namespace

TWkHidDeviceReadThread::TWkHidDeviceReadThread() {
    throw EControllerError(
        QStringLiteral("Direct creation of a TWkDeviceReadThread object is not allowed"));
}

TWkHidDeviceReadThread::TWkHidDeviceReadThread(TWkHidDevice* device, USHORT reportLength)
    : Device(device), Report(reportLength, 0) {}

TWkHidDeviceReadThread::~TWkHidDeviceReadThread() {
    Terminate();
    WaitFor();
}

std::unique_ptr<TWkHidDeviceReadThread>
TWkHidDeviceReadThread::CreateForDevice(TWkHidDevice* device, USHORT reportLength) {
    std::unique_ptr<TWkHidDeviceReadThread> thread(
        new TWkHidDeviceReadThread(device, reportLength));
    thread->Start();
    return thread;
}

void TWkHidDeviceReadThread::Execute() {
    NameThread(GetThreadName());
    DWORD lastWait = WAIT_IO_COMPLETION;
    try {
        while (!Terminated()) {
            lastWait = WAIT_IO_COMPLETION;
            std::fill(Report.begin(), Report.end(), BYTE{0});
            if (!Device->ReadFileEx(Report.data(), static_cast<DWORD>(Report.size()),
                                    &ReadCompletion)) {
                FErr = GetLastError();
                DeliverReadError();
                // A handler that stopped the reader may have freed the device as well.
                if (!Terminated())
                    SleepEx(Device->ThreadSleepTime(), TRUE);
                continue;
            }
            lastWait = AwaitRead();
            if (Terminated())
                break;
            NumBytesRead = Device->HidOverlappedReadResult();
            if (NumBytesRead > 0)
                DeliverReport();
        }
    } catch (...) {
        if (lastWait != WAIT_IO_COMPLETION)
            Device->CancelIO(omhRead);
        throw;
    }
    if (lastWait != WAIT_IO_COMPLETION)
        Device->CancelIO(omhRead);
}

DWORD TWkHidDeviceReadThread::AwaitRead() {
    DWORD result;
    do {
        result = SleepEx(Device->ThreadSleepTime(), TRUE);
    } while (!Terminated() && result != WAIT_IO_COMPLETION);
    return result;
}

void TWkHidDeviceReadThread::DeliverReadError() {
    Synchronize([this] {
        if (const auto handler = Device->OnDataError())
            handler(Device, FErr);
    });
}

void TWkHidDeviceReadThread::DeliverReport() {
    // The count comes from the device: never hand over more than the buffer holds.
    const auto size = std::min<std::size_t>(NumBytesRead, Report.size());
    Synchronize([this, size] {
        if (const auto handler = Device->OnData())
            handler(Device, Report[0], Report.data() + 1, static_cast<WORD>(size - 1));
    });
}
