#pragma once
// The configuration interface one exchange sequence runs on. Pauses and message boxes run the
// event loop, so a device change may drop or replace the window's device meanwhile; the
// sequence checks Present() after each of them and never transfers on a dropped device.

#include <QString>
#include <cstdint>

class TWkHidDevice;
struct FormState;

// Outcome of one feature transfer: the result, and the platform's text for the calling thread's
// last error taken right after it (whether it failed or not).
struct TransferOutcome {
    bool ok = false;
    QString errorText;
};

class DeviceSession {
public:
    // Starts on the window's ConfigDevice (none when the window has none).
    explicit DeviceSession(const FormState& state);

    // True while the window still holds the same device and it is plugged in.
    bool Present() const;

    // Transfers on the device; length counts the report id in report[0]. The caller makes sure
    // the buffer holds length bytes.
    bool FlushQueue();
    TransferOutcome GetFeature(std::uint8_t* report, int length);
    TransferOutcome SetFeature(std::uint8_t* report, int length);

private:
    const FormState& state_;
    TWkHidDevice* device_;
};
