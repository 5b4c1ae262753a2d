#include "hid/controller_error.h"
#include "hid/read_thread.h"
#include "tests/hid/hid_scenario.h"

#include <atomic>
#include <chrono>
#include <thread>
#include <utility>

namespace {

struct Received {
    BYTE reportId = 0;
    std::vector<BYTE> data;
};

class ReaderScenario : public HidScenario {
protected:
    void SetUp() override {
        deviceId = bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("Stick")));
        StartController();
        controller->SetDevThreadSleepTime(10);
        controller->SetOnDeviceData(TWkHidDataEvent::FromCallable(
            [this](TWkHidDevice*, BYTE id, const BYTE* data, WORD size) {
                received.push_back({id, std::vector<BYTE>(data, data + size)});
            }));
        controller->SetOnDeviceDataError(TWkHidDataErrorEvent::FromCallable(
            [this](TWkHidDevice*, DWORD error) { errors.push_back(error); }));
        ASSERT_TRUE(controller->CheckOut(device));
        // Reports reach only handles already open: wait for the reader's first read.
        ASSERT_TRUE(PumpUntil([&] { return device->HidOverlappedRead() != INVALID_HANDLE_VALUE; }));
    }

    // Before the members go: a stop serves the hand-overs still pending, whose handlers use them.
    void TearDown() override {
        if (controller && device)
            controller->CheckIn(device);
    }

    SimHidBus::DeviceId deviceId = 0;
    TWkHidDevice* device = nullptr;
    std::vector<Received> received;
    std::vector<DWORD> errors;
};

TEST(ReadThread, DirectCreationThrows) {
    EXPECT_THROW(TWkHidDeviceReadThread(), EControllerError);
}

TEST_F(ReaderScenario, InputReportArrivesWithItsIdApart) {
    ASSERT_TRUE(device->HasReader());
    bus.queueInput(deviceId, {1, 10, 11, 12, 13, 14, 15, 16, 17});
    ASSERT_TRUE(PumpUntil([&] { return !received.empty(); }));
    EXPECT_EQ(received[0].reportId, 1);
    EXPECT_EQ(received[0].data, (std::vector<BYTE>{10, 11, 12, 13, 14, 15, 16, 17}));
}

TEST_F(ReaderScenario, ClearingTheDataHandlerStopsTheReaderAtOnce) {
    ASSERT_TRUE(device->HasReader());
    device->SetOnData(nullptr);
    EXPECT_FALSE(device->HasReader());
    bus.queueInput(deviceId, {1, 1, 2, 3, 4, 5, 6, 7, 8});
    PumpPosted();
    EXPECT_TRUE(received.empty());

    device->SetOnData(controller->OnDeviceData());
    EXPECT_TRUE(device->HasReader());
}

TEST_F(ReaderScenario, StoppingWhileAReportIsHandedOverDoesNotDeadlock) {
    // Reports wait for the UI thread; the stop must serve the pending hand-over itself.
    for (BYTE i = 0; i < 4; ++i)
        bus.queueInput(deviceId, {1, i, 0, 0, 0, 0, 0, 0, 0});
    TWkHidDevice* lent = device;
    controller->CheckIn(lent);
    EXPECT_FALSE(device->HasReader());
    EXPECT_LE(received.size(), 4u);
}

TEST_F(ReaderScenario, HandlersMayStopTheirOwnReader) {
    // The reader waits for its handler to return, so the stop cannot wait for the reader.
    device->SetOnData(TWkHidDataEvent::FromCallable([this](TWkHidDevice* d, BYTE id, auto*, WORD) {
        received.push_back({id, {}});
        d->SetOnData(nullptr);
    }));
    bus.queueInput(deviceId, {1, 1, 2, 3, 4, 5, 6, 7, 8});
    ASSERT_TRUE(PumpUntil([&] { return !received.empty(); }));
    EXPECT_FALSE(device->HasReader());
    bus.queueInput(deviceId, {1, 1, 2, 3, 4, 5, 6, 7, 8});
    PumpPosted();
    EXPECT_EQ(received.size(), 1u);

    device->SetOnDataError(TWkHidDataErrorEvent::FromCallable([this](TWkHidDevice*, DWORD error) {
        errors.push_back(error);
        controller->CheckIn(device); // unplugged: this frees it
    }));
    device->SetOnData(controller->OnDeviceData());
    ASSERT_TRUE(device->HasReader());
    bus.unplug(deviceId);
    ASSERT_TRUE(PumpUntil([&] { return device == nullptr; }));
    PumpPosted(); // frees the stopped reader once it has ended
    EXPECT_EQ(errors.size(), 1u) << "the reader ended with its device";
    EXPECT_EQ(controller->NumUnpluggedDevices(), 0);
}

TEST_F(ReaderScenario, UnpluggedLentDeviceReportsReadErrors) {
    bus.unplug(deviceId);
    PumpPosted();
    ASSERT_FALSE(device->IsPluggedIn());
    // A read started before the scan noticed may still fail with the bus's own error.
    errors.clear();
    ASSERT_TRUE(PumpUntil([&] { return errors.size() >= 2; }));
    EXPECT_EQ(errors.back(), ERROR_DEVICE_NOT_CONNECTED);
    EXPECT_TRUE(device->HasReader()) << "kept until the device is checked in";
    controller->CheckIn(device);
}

TEST_F(ReaderScenario, DestroyingTheControllerStopsTheReaderOfALentDevice) {
    ASSERT_TRUE(device->HasReader());
    controller.reset();
    EXPECT_FALSE(device->HasReader());
    EXPECT_FALSE(device->IsPluggedIn());
    delete std::exchange(device, nullptr); // the borrower frees what it kept
}

} // namespace

namespace {

// The simulated bus, telling when an open for reading was refused.
class RefusalWatchBus final : public HidBus {
public:
    explicit RefusalWatchBus(SimHidBus& inner) : inner(inner) {}

    std::vector<HidNodeInfo> nodes() override { return inner.nodes(); }
    std::shared_ptr<HidChannel> open(const QString& nodePath, HidAccess access,
                                     DWORD& error) override {
        auto channel = inner.open(nodePath, access, error);
        if (!channel && accessReads(access))
            refused = true;
        return channel;
    }

    std::atomic<bool> refused{false};

private:
    SimHidBus& inner;
};

TEST_F(ReaderScenario, DestroyingTheControllerFreesADeviceItsHandlerChecksIn) {
    TWkHidDeviceController* owner = controller.get();
    device->SetOnDataError(
        TWkHidDataErrorEvent::FromCallable([this, owner](TWkHidDevice* d, DWORD) {
            TWkHidDevice* lent = d;
            owner->CheckIn(lent);
            device = nullptr;
        }));
    RefusalWatchBus watch(bus);
    ScopedHidBus watching(watch);
    bus.setFaults(deviceId, {.denyReadWrite = true});
    // The reader's next read start is refused; from there it goes straight into handing the
    // error over, which waits for the UI thread.
    device->CloseFileEx(omhRead);
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!watch.refused && std::chrono::steady_clock::now() < limit)
        std::this_thread::yield();
    ASSERT_TRUE(watch.refused);

    controller.reset();
    EXPECT_EQ(device, nullptr) << "the error handler ran during the destruction";
    EXPECT_EQ(bus.openChannelCount(deviceId), 0);
    PumpPosted(); // frees the stopped reader
    // Leak detection (scripts/test.sh) tells whether the checked-in device was freed.
}

} // namespace
