// Handlers and check callbacks that pump messages while the device they were handed goes away.
// The controller must not touch a device freed meanwhile (run under ASan to see it).
#include "tests/hid/hid_scenario.h"

namespace {

// Check callbacks are plain routines: they reach the test through these.
SimHidBus* pumpBus = nullptr;
SimHidBus::DeviceId pumpDevice = 0;
int callbackCalls = 0;

// Unplugs the device and delivers the device-change message, which rescans and frees it.
void UnplugAndPump() {
    pumpBus->unplug(pumpDevice);
    PumpPosted();
}

// Matches every device; the first one it is handed leaves while it looks.
bool UnplugInCallback(TWkHidDevice* device) {
    ++callbackCalls;
    if (device->Attributes().ProductID == 1)
        UnplugAndPump();
    return true;
}

class ControllerPump : public HidScenario {
protected:
    ControllerPump() {
        pumpBus = &bus;
        callbackCalls = 0;
    }
    ~ControllerPump() override { pumpBus = nullptr; }

    void PlugTwo() {
        pumpDevice = bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("Leaves")));
        stays = bus.addDevice(JoystickSpec(0x1234, 0x0002, QStringLiteral("Stays")));
        StartController();
    }

    SimHidBus::DeviceId stays = 0;
};

TEST_F(ControllerPump, DeviceThatLeavesDuringItsOfferIsNotTouchedAfterwards) {
    struct Case {
        const char* name;
        // Runs the controller call whose handler or callback unplugs and pumps; returns its
        // result.
        std::function<int(TWkHidDeviceController&)> run;
        int expected;
        int expectedCalls; // handler or callback calls
    };
    int enumerateCalls = 0;
    const auto unplugInHandler = TWkHidEnumerateEvent::FromCallable([&](TWkHidDevice* d, int) {
        ++enumerateCalls;
        if (d->Attributes().ProductID == 1)
            UnplugAndPump();
        return true;
    });
    const Case cases[] = {
        {"enumerate handler",
         [&](TWkHidDeviceController& c) {
             c.SetOnEnumerate(unplugInHandler);
             return c.Enumerate();
         },
         2, 2},
        {"count callback",
         [](TWkHidDeviceController& c) { return c.CountByCallback(&UnplugInCallback); }, 1, 2},
        {"check-out callback",
         [](TWkHidDeviceController& c) {
             TWkHidDevice* lent = nullptr;
             const bool found = c.CheckOutByCallback(lent, &UnplugInCallback);
             EXPECT_EQ(found, lent != nullptr);
             const int product = found ? lent->Attributes().ProductID : 0;
             c.CheckIn(lent);
             return product;
         },
         2, 2},
    };
    for (const auto& c : cases) {
        PlugTwo();
        enumerateCalls = 0;
        callbackCalls = 0;
        EXPECT_EQ(c.run(*controller), c.expected) << c.name;
        EXPECT_EQ(enumerateCalls + callbackCalls, c.expectedCalls) << c.name;
        controller->SetOnEnumerate(nullptr);
        const auto left = Offered();
        ASSERT_EQ(left.size(), 1u) << c.name;
        EXPECT_EQ(left[0]->ProductName(), QStringLiteral("Stays")) << c.name;
        EXPECT_EQ(controller->NumCheckedInDevices(), 1) << c.name;
        EXPECT_EQ(bus.openChannelCount(pumpDevice), 0) << c.name;
        controller.reset();
        bus.unplug(stays);
    }
}

TEST_F(ControllerPump, DeviceCheckedOutAndBackInDuringItsOfferIsNotTouchedAfterwards) {
    // The handler keeps the device, sees it unplugged while it pumps, and gives it back, which
    // frees it.
    PlugTwo();
    QStringList seen;
    controller->SetOnEnumerate(TWkHidEnumerateEvent::FromCallable([&](TWkHidDevice* d, int) {
        seen << d->ProductName();
        if (d->Attributes().ProductID != 1)
            return true;
        EXPECT_TRUE(d->CheckOut());
        UnplugAndPump();
        EXPECT_FALSE(d->IsPluggedIn());
        controller->CheckIn(d);
        return true;
    }));
    EXPECT_EQ(controller->Enumerate(), 2);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Leaves"), QStringLiteral("Stays")}));
    EXPECT_EQ(controller->NumUnpluggedDevices(), 0);
    EXPECT_EQ(controller->NumCheckedOutDevices(), 0);
    EXPECT_EQ(controller->NumCheckedInDevices(), 1);
}

TEST_F(ControllerPump, BorrowerThatGivesBackAnUnpluggedDeviceOnItsRemoval) {
    PlugTwo();
    TWkHidDevice* lent = nullptr;
    ASSERT_TRUE(controller->CheckOutByID(lent, 0x1234, 1));
    int removals = 0;
    controller->SetOnRemoval(TWkHidPlugEvent::FromCallable([&](TWkHidDevice* d) {
        ++removals;
        if (d == lent)
            controller->CheckIn(lent);
    }));
    bus.unplug(pumpDevice);
    PumpPosted();
    EXPECT_EQ(removals, 1);
    EXPECT_EQ(lent, nullptr);
    EXPECT_EQ(controller->NumUnpluggedDevices(), 0);
    EXPECT_EQ(Offered().size(), 1u);
}

TEST_F(ControllerPump, EnumerationBegunByAChangeHandlerEndsTheOneItInterrupted) {
    // As the main window does: every device change clears the list and enumerates anew.
    PlugTwo();
    QStringList seen;
    int inner = -1;
    controller->SetOnDeviceChange(TNotifyEvent::FromCallable([&](QObject*) {
        seen.clear();
        inner = controller->Enumerate();
    }));
    bool first = true;
    controller->SetOnEnumerate(TWkHidEnumerateEvent::FromCallable([&](TWkHidDevice* d, int idx) {
        seen << QStringLiteral("%1 %2").arg(idx).arg(d->ProductName());
        if (std::exchange(first, false))
            UnplugAndPump();
        return true;
    }));
    EXPECT_EQ(controller->Enumerate(), 1);
    EXPECT_EQ(inner, 1);
    EXPECT_EQ(seen, QStringList{QStringLiteral("0 Stays")}) << "offered once, at its new index";
}

} // namespace
