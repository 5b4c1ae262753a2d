#pragma once
// A HID bus in front of another that writes every feature transfer and queue flush to a log
// (the recording UI host's, so one log holds pauses, transfers and messages in order) and can
// make chosen reports fail before they reach the device.

#include "platform/hidbus/hid_bus.h"

#include <QStringList>
#include <set>
#include <utility>

class TransferLogBus final : public HidBus {
public:
    TransferLogBus(HidBus& inner, QStringList& log) : inner_(inner), log_(log) {}

    // Gets and sets of these report ids fail with ERROR_GEN_FAILURE.
    std::set<int> failingGets;
    std::set<int> failingSets;

    std::vector<HidNodeInfo> nodes() override { return inner_.nodes(); }
    std::shared_ptr<HidChannel> open(const QString& nodePath, HidAccess access,
                                     DWORD& error) override;

    // Log lines: "flush", "get 4 (255)", "set 7 (170) cmd 0", "set 8 [08 01 12 34 56 00]";
    // a failed transfer ends with " failed".
    void Write(const QString& line) { log_ << line; }

private:
    HidBus& inner_;
    QStringList& log_;
};
