#include "hid/hid_api.h"
#include "hid/setup_api.h"
#include "platform/modules/module_registry.h"
#include "platform/modules/module_version.h"
#include "platform/modules/standard_modules.h"
#include "tests/hid/hid_scenario.h"

namespace {

using ControllerScan = HidScenario;

TEST_F(ControllerScan, FirstMessageReportsAChangeAndAQuietBroadcastDoesNot) {
    EventLog log;
    controller = std::make_unique<TWkHidDeviceController>();
    controller->SetOnDeviceChange(TNotifyEvent(&log, &EventLog::DeviceChange));
    log.lines.clear(); // the setter rescans at once; no device, no change
    PumpPosted();
    EXPECT_EQ(log.lines, QStringList{QStringLiteral("change")});

    BroadcastDeviceChange();
    PumpPosted();
    EXPECT_EQ(log.lines, QStringList{QStringLiteral("change")});
    EXPECT_EQ(controller->Enumerate(), 0);
}

TEST_F(ControllerScan, NewChangeHandlerRescansUnlessLoading) {
    bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("First")));
    StartController();
    // The second device's change message stays queued: only a rescan can find it.
    bus.addDevice(JoystickSpec(0x1234, 0x0002, QStringLiteral("Second")));
    EventLog log;
    controller->SetLoading(true);
    controller->SetOnDeviceChange(TNotifyEvent(&log, &EventLog::DeviceChange));
    controller->SetLoading(false);
    EXPECT_EQ(Offered().size(), 1u);

    controller->SetOnDeviceChange(TNotifyEvent(&log, &EventLog::DeviceChange));
    EXPECT_EQ(Offered().size(), 1u) << "the same handler changes nothing";
    EXPECT_TRUE(log.lines.isEmpty());

    EventLog other;
    controller->SetOnDeviceChange(TNotifyEvent(&other, &EventLog::DeviceChange));
    EXPECT_EQ(Offered().size(), 1u) << "same method on another object: same code";
    controller->SetOnDeviceChange(
        TNotifyEvent::FromCallable([&](QObject*) { other.lines << QStringLiteral("new"); }));
    EXPECT_EQ(Offered().size(), 2u);
    EXPECT_EQ(other.lines, QStringList{QStringLiteral("new")});
}

TEST_F(ControllerScan, UnplugOfACheckedInDeviceRemovesIt) {
    const auto id = bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("Stick")));
    StartController();
    EventLog log;
    controller->SetOnRemoval(TWkHidPlugEvent(&log, &EventLog::Removal));
    Offered(); // reads and caches the product name
    ASSERT_EQ(controller->NumCheckedInDevices(), 1);

    bus.unplug(id);
    PumpPosted();
    EXPECT_EQ(log.lines, QStringList{QStringLiteral("removal Stick")});
    EXPECT_TRUE(Offered().empty());
    EXPECT_EQ(controller->NumCheckedInDevices(), 0);
    EXPECT_EQ(controller->NumUnpluggedDevices(), 0);
}

TEST_F(ControllerScan, UnplugOfACheckedOutDeviceKeepsItForTheBorrower) {
    const auto id = bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("Stick")));
    StartController();
    EventLog log;
    controller->SetOnDeviceUnplug(TWkHidPlugEvent(&log, &EventLog::Unplug));
    TWkHidDevice* old = nullptr;
    ASSERT_TRUE(controller->CheckOut(old));

    bus.unplug(id);
    PumpPosted();
    EXPECT_FALSE(old->IsPluggedIn());
    EXPECT_EQ(controller->NumUnpluggedDevices(), 1);
    EXPECT_EQ(controller->NumCheckedOutDevices(), 0);
    EXPECT_EQ(log.lines, QStringList{QStringLiteral("unplug")});
    // A refused operation tells why instead of leaving a success code behind.
    BYTE report[255] = {4};
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(old->GetFeature(report, sizeof report));
    EXPECT_EQ(GetLastError(), ERROR_DEVICE_NOT_CONNECTED);

    bus.replug(id);
    PumpPosted();
    const auto offered = Offered();
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_NE(offered[0], old);
    EXPECT_EQ(offered[0]->PnPInfo().DevicePath(), old->PnPInfo().DevicePath());
    EXPECT_EQ(log.lines, QStringList{QStringLiteral("unplug")}) << "fires once";

    controller->CheckIn(old);
    EXPECT_EQ(old, nullptr);
    EXPECT_EQ(controller->NumUnpluggedDevices(), 0);
    EXPECT_EQ(controller->NumCheckedInDevices(), 1);
}

TEST_F(ControllerScan, BorrowerMayCheckInFromTheUnplugHandler) {
    // The unplug handler frees the device it gives back; nothing may use it afterwards.
    struct Case {
        const char* name;
        bool destroyController; // the unplug comes from the controller going, not from the bus
    };
    const Case cases[] = {{"unplugged", false}, {"controller destroyed", true}};
    for (const auto& c : cases) {
        const auto id = bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("Stick")));
        TWkHidDeviceController* owner = &StartController();
        EventLog log;
        controller->SetOnRemoval(TWkHidPlugEvent(&log, &EventLog::Removal));
        TWkHidDevice* lent = nullptr;
        controller->SetOnDeviceUnplug(TWkHidPlugEvent::FromCallable([&](TWkHidDevice* d) {
            log.lines << QStringLiteral("unplug");
            if (d == lent)
                owner->CheckIn(lent);
        }));
        ASSERT_TRUE(controller->CheckOut(lent)) << c.name;
        lent->ProductName();

        if (c.destroyController) {
            controller.reset();
        } else {
            bus.unplug(id);
            PumpPosted();
            EXPECT_EQ(controller->NumUnpluggedDevices(), 0) << c.name;
            EXPECT_EQ(controller->NumCheckedOutDevices(), 0) << c.name;
            EXPECT_EQ(controller->NumCheckedInDevices(), 0) << c.name;
            controller.reset();
        }
        EXPECT_EQ(lent, nullptr) << c.name;
        EXPECT_EQ(log.lines, QStringList{QStringLiteral("unplug")})
            << c.name << ": a device already freed is not reported again";
        bus.unplug(id);
    }
}

TEST_F(ControllerScan, EnumerateStopsAtTheFirstRefusal) {
    bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("A")));
    bus.addDevice(JoystickSpec(0x1234, 0x0002, QStringLiteral("B")));
    bus.addDevice(JoystickSpec(0x1234, 0x0003, QStringLiteral("C")));
    StartController();
    struct Case {
        const char* name;
        bool answer;
        int expected;
    };
    const Case cases[] = {{"refuses", false, 1}, {"accepts", true, 3}};
    for (const auto& c : cases) {
        QStringList seen;
        controller->SetOnEnumerate(
            TWkHidEnumerateEvent::FromCallable([&](TWkHidDevice* d, int idx) {
                seen << QStringLiteral("%1 %2").arg(idx).arg(d->ProductName());
                return c.answer;
            }));
        EXPECT_EQ(controller->Enumerate(), c.expected) << c.name;
        EXPECT_EQ(seen.size(), c.expected) << c.name;
    }
    controller->SetOnEnumerate(nullptr);
    EXPECT_EQ(controller->Enumerate(), 1) << "no handler: the first offer ends it";
}

TEST_F(ControllerScan, CheckOutFamilyMatchesExactly) {
    bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("Config")));
    bus.addDevice(JoystickSpec(0x1234, 0x0002, QStringLiteral("Joystick")));
    bus.addDevice(JoystickSpec(0x5678, 0x0001, QStringLiteral("Other")));
    StartController();
    Offered(); // caches the names, which the family compares outside an enumeration

    struct Case {
        const char* name;
        std::function<bool(TWkHidDeviceController&, TWkHidDevice*&)> checkOut;
        QString expected; // product of the device lent, empty for none
    };
    const Case cases[] = {
        {"any", [](auto& c, auto*& d) { return c.CheckOut(d); }, "Config"},
        {"by id", [](auto& c, auto*& d) { return c.CheckOutByID(d, 0x1234, 2); }, "Joystick"},
        {"by vendor only", [](auto& c, auto*& d) { return c.CheckOutByID(d, 0x5678, -1); },
         "Other"},
        {"unknown id", [](auto& c, auto*& d) { return c.CheckOutByID(d, 0x9999, -1); }, ""},
        {"by index", [](auto& c, auto*& d) { return c.CheckOutByIndex(d, 1); }, "Joystick"},
        {"index past the end", [](auto& c, auto*& d) { return c.CheckOutByIndex(d, 3); }, ""},
        {"negative index", [](auto& c, auto*& d) { return c.CheckOutByIndex(d, -1); }, ""},
        {"by product", [](auto& c, auto*& d) { return c.CheckOutByProductName(d, "Other"); },
         "Other"},
        {"product case differs",
         [](auto& c, auto*& d) { return c.CheckOutByProductName(d, "other"); }, ""},
        {"empty product", [](auto& c, auto*& d) { return c.CheckOutByProductName(d, ""); }, ""},
        {"by vendor name", [](auto& c, auto*& d) { return c.CheckOutByVendorName(d, "Tavro"); },
         "Config"},
        {"empty class", [](auto& c, auto*& d) { return c.CheckOutByClass(d, ""); }, ""},
        {"by callback",
         [](auto& c, auto*& d) {
             return c.CheckOutByCallback(
                 d, [](TWkHidDevice* h) { return h->ProductName() == QStringLiteral("Other"); });
         },
         "Other"},
    };
    for (const auto& c : cases) {
        TWkHidDevice* device = reinterpret_cast<TWkHidDevice*>(1);
        const bool lent = c.checkOut(*controller, device);
        EXPECT_EQ(lent, !c.expected.isEmpty()) << c.name;
        if (!lent) {
            EXPECT_EQ(device, nullptr) << c.name;
            continue;
        }
        EXPECT_EQ(device->ProductName(), c.expected) << c.name;
        EXPECT_TRUE(device->IsCheckedOut()) << c.name;
        EXPECT_EQ(controller->NumCheckedOutDevices(), 1) << c.name;
        TWkHidDevice* again = nullptr;
        c.checkOut(*controller, again);
        EXPECT_NE(again, device) << c.name << ": a lent device is not lent twice";
        controller->CheckIn(again);
        controller->CheckIn(device);
        EXPECT_EQ(controller->NumCheckedInDevices(), 3) << c.name;
    }
    EXPECT_EQ(controller->CountByID(0x1234, -1), 2);
    EXPECT_EQ(controller->CountByProductName(QStringLiteral("Joystick")), 1);
    EXPECT_EQ(
        controller->CountByCallback([](TWkHidDevice* h) { return h->Attributes().ProductID == 1; }),
        2);
}

TEST_F(ControllerScan, SleepTimeAndDataHandlerReachOnlyDevicesOnTheOldValue) {
    bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("A")));
    bus.addDevice(JoystickSpec(0x1234, 0x0002, QStringLiteral("B")));
    StartController();
    auto devices = Offered();
    ASSERT_EQ(devices.size(), 2u);
    devices[1]->SetThreadSleepTime(250);

    controller->SetDevThreadSleepTime(5);
    EXPECT_EQ(controller->DevThreadSleepTime(), 5);
    EXPECT_EQ(devices[0]->ThreadSleepTime(), 100) << "5 is below what a device accepts";
    controller->SetDevThreadSleepTime(40);
    EXPECT_EQ(devices[0]->ThreadSleepTime(), 100) << "no longer on the old value 5";
    EXPECT_EQ(devices[1]->ThreadSleepTime(), 250);

    struct Sink {
        void Data(TWkHidDevice*, BYTE, const BYTE*, WORD) {}
        void Other(TWkHidDevice*, BYTE, const BYTE*, WORD) {}
    } sink;
    controller->SetOnDeviceData(TWkHidDataEvent(&sink, &Sink::Data));
    devices[1]->SetOnData(TWkHidDataEvent(&sink, &Sink::Other));
    const TWkHidDataEvent next = TWkHidDataEvent::FromCallable([](auto*, BYTE, auto*, WORD) {});
    controller->SetOnDeviceData(next);
    EXPECT_TRUE(devices[0]->OnData().SameCode(next));
    EXPECT_TRUE(devices[1]->OnData().SameCode(TWkHidDataEvent(&sink, &Sink::Other)));
}

TEST_F(ControllerScan, UnidentifiableDeviceIsReportedAndTheListKeepsItsState) {
    bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("Good")));
    StartController();
    ASSERT_EQ(Offered().size(), 1u);

    const auto bad = bus.addDevice(JoystickSpec(0x1234, 0x0002, QStringLiteral("Bad")));
    bus.setFaults(bad, SimHidFaults{.attributesError = ERROR_GEN_FAILURE});
    PumpPosted();
    EXPECT_EQ(host.log, QStringList{QStringLiteral("exception: Device cannot be identified")});
    ASSERT_EQ(Offered().size(), 1u);
    EXPECT_EQ(bus.openChannelCount(bad), 0) << "nothing of the failed scan stays open";

    bus.setFaults(bad, SimHidFaults{});
    BroadcastDeviceChange();
    PumpPosted();
    EXPECT_EQ(Offered().size(), 2u) << "the next message scans again";
}

TEST_F(ControllerScan, MessageDuringAScanIsFollowedByAnotherScan) {
    bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("First")));
    controller = std::make_unique<TWkHidDeviceController>();
    bool plugged = false;
    controller->SetOnArrival(TWkHidPlugEvent::FromCallable([&](TWkHidDevice*) {
        if (std::exchange(plugged, true))
            return;
        bus.addDevice(JoystickSpec(0x1234, 0x0002, QStringLiteral("Second")));
        PumpPosted(); // the change message arrives while this scan runs
    }));
    PumpPosted();
    EXPECT_EQ(Offered().size(), 2u);
}

TEST_F(ControllerScan, MissingHidLibraryReleasesTheDeviceSetupBinding) {
    UnregisterModule(QStringLiteral("HID.dll"));
    StartController();
    EXPECT_FALSE(HidLibraryBound());
    EXPECT_EQ(SetupApiBindCount(), 0);
    EXPECT_EQ(ModuleLoadCount(QStringLiteral("SetupApi.dll")), 0);
    EXPECT_EQ(controller->Enumerate(), 0);
    EXPECT_EQ(controller->HidGuid(), GUID_DEVINTERFACE_HID);
}

} // namespace

namespace {

TEST_F(ControllerScan, HidVersionReadsTheModulesVersionRecord) {
    StartController();
    EXPECT_EQ(controller->HidVersion(), QStringLiteral("1.0.0.0"));
    SetModuleVersion(
        QStringLiteral("HID.dll"),
        {{QStringLiteral("\\StringFileInfo\\040904E4\\ProductName"), QStringLiteral("HID")}});
    EXPECT_EQ(controller->HidVersion(), QString()) << "a record without the value";
    RegisterStandardModules();
    EXPECT_EQ(controller->HidVersion(), QStringLiteral("1.0.0.0"));
}

} // namespace
