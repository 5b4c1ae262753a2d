#pragma once
// The background reader of one lent-out device: reads one input report at a time with an
// overlapped read and an alertable wait, and hands each report (or each refused read start) to
// the UI thread, where the device's OnData (OnDataError) handler runs while the reader waits.

#include "components/base/custom_thread.h"
#include "platform/win32/types.h"

#include <memory>
#include <vector>

class TWkHidDevice;

class TWkHidDeviceReadThread final : public TWkCustomThread {
public:
    // Readers are made only by their device: this always throws EControllerError.
    TWkHidDeviceReadThread();
    // Stops the thread (within about one ThreadSleepTime) before the object goes.
    ~TWkHidDeviceReadThread() override;

    // Starts a reader of device whose input reports are reportLength bytes long (id included).
    static std::unique_ptr<TWkHidDeviceReadThread> CreateForDevice(TWkHidDevice* device,
                                                                   USHORT reportLength);

protected:
    void Execute() override;

private:
    TWkHidDeviceReadThread(TWkHidDevice* device, USHORT reportLength);

    // Waits alertably until the read completes or the thread is told to stop; returns the last
    // wait result (WAIT_IO_COMPLETION when the read completed).
    DWORD AwaitRead();
    void DeliverReadError();
    void DeliverReport();

    DWORD FErr = 0;
    TWkHidDevice* Device = nullptr;
    DWORD NumBytesRead = 0;
    // Sized once; the pending read writes into it, so it lives as long as the thread.
    std::vector<BYTE> Report;
};
