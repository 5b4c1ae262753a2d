#include "hid/controller_error.h"
#include "hid/hid_device.h"
#include "platform/win32/hid_control_codes.h"
#include "tests/hid/hid_scenario.h"

#include <array>
#include <vector>

namespace {

using DeviceAccess = HidScenario;

TEST_F(DeviceAccess, DirectCreationThrows) {
    EXPECT_THROW(TWkHidDevice(), EControllerError);
}

TEST_F(DeviceAccess, FeatureReportsNeedTheDeviceLentOut) {
    bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("Stick")));
    StartController();
    TWkHidDevice* device = Offered().at(0);

    std::array<BYTE, 255> report{4};
    EXPECT_FALSE(device->GetFeature(report.data(), report.size())) << "checked in, not offered";
    EXPECT_EQ(report[1], 0);
    EXPECT_EQ(device->HidFileHandle(), INVALID_HANDLE_VALUE);

    ASSERT_TRUE(controller->CheckOut(device));
    ASSERT_TRUE(device->GetFeature(report.data(), report.size()));
    EXPECT_EQ(report[0], 4);
    EXPECT_EQ(report[1], 1);
    EXPECT_EQ(report[254], 254);
    EXPECT_NE(device->HidFileHandle(), INVALID_HANDLE_VALUE) << "left open";
}

TEST_F(DeviceAccess, ControlCodesReachTheDeviceOnlyWhileItMayBeOpened) {
    bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("Stick")));
    StartController();
    TWkHidDevice* device = Offered().at(0);

    std::array<BYTE, 255> report{4};
    DWORD returned = 99;
    EXPECT_FALSE(device->DeviceIoControl(IOCTL_HID_GET_FEATURE, nullptr, 0, report.data(),
                                         report.size(), returned))
        << "checked in, not offered";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(report[1], 0);

    ASSERT_TRUE(controller->CheckOut(device));
    ASSERT_TRUE(device->DeviceIoControl(IOCTL_HID_GET_FEATURE, nullptr, 0, report.data(),
                                        report.size(), returned));
    EXPECT_EQ(returned, 255u);
    EXPECT_EQ(report[1], 1);
    EXPECT_EQ(report[254], 254);
    char16_t product[16] = {};
    ASSERT_TRUE(device->DeviceIoControl(IOCTL_HID_GET_PRODUCT_STRING, nullptr, 0, product,
                                        sizeof product, returned));
    EXPECT_EQ(std::u16string(product), u"Stick");
    HID_COLLECTION_INFORMATION info{};
    ASSERT_TRUE(device->DeviceIoControl(IOCTL_HID_GET_COLLECTION_INFORMATION, nullptr, 0, &info,
                                        sizeof info, returned));
    const std::vector<BYTE> descriptor =
        JoystickSpec(0x1234, 0x0001, QStringLiteral("Stick")).reportDescriptor;
    EXPECT_EQ(info.VendorID, 0x1234);
    EXPECT_EQ(info.ProductID, 0x0001);
    EXPECT_EQ(info.DescriptorSize, descriptor.size());
    std::vector<BYTE> bytes(info.DescriptorSize);
    ASSERT_TRUE(device->DeviceIoControl(IOCTL_HID_GET_COLLECTION_DESCRIPTOR, nullptr, 0,
                                        bytes.data(), info.DescriptorSize, returned));
    EXPECT_EQ(bytes, descriptor);
    EXPECT_EQ(returned, descriptor.size());
    EXPECT_FALSE(device->DeviceIoControl(IOCTL_GET_PHYSICAL_DESCRIPTOR, nullptr, 0, report.data(),
                                         report.size(), returned));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_FUNCTION);
}

TEST_F(DeviceAccess, QueryOnlyAccessFailsTransfersAndGetsNoReader) {
    const auto id = bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("Stick")));
    bus.setFaults(id, SimHidFaults{.denyReadWrite = true});
    StartController();
    controller->SetOnDeviceData(TWkHidDataEvent::FromCallable([](auto*, BYTE, auto*, WORD) {}));
    TWkHidDevice* device = nullptr;
    ASSERT_TRUE(controller->CheckOut(device));
    EXPECT_FALSE(device->HasReadWriteAccess());
    std::array<BYTE, 255> report{4};
    EXPECT_FALSE(device->GetFeature(report.data(), report.size()));
    EXPECT_FALSE(device->HasReader());
    EXPECT_EQ(device->Attributes().VendorID, 0x1234) << "identity still readable";
}

TEST_F(DeviceAccess, ThreadSleepTimeAcceptsOnlyItsRange) {
    bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("Stick")));
    StartController();
    TWkHidDevice* device = Offered().at(0);
    struct Case {
        int value;
        int expected;
    };
    const Case cases[] = {{9, 100}, {10, 10}, {10000, 10000}, {10001, 10000}, {-5, 10000}};
    for (const auto& c : cases) {
        device->SetThreadSleepTime(c.value);
        EXPECT_EQ(device->ThreadSleepTime(), c.expected) << c.value;
    }
}

TEST_F(DeviceAccess, SerialNumberEqualToTheLanguageListIsNone) {
    struct Case {
        const char* name;
        QString serial;
        std::vector<WORD> languages;
        QString expected;
    };
    const Case cases[] = {
        {"real serial", QStringLiteral("A1B2"), {0x0409}, QStringLiteral("A1B2")},
        {"language list as serial", QString(QChar(0x0409)), {0x0409}, QString()},
        {"no language list", QStringLiteral("A1B2"), {}, QString()},
    };
    for (const auto& c : cases) {
        auto spec = JoystickSpec(0x1234, 0x0001, QStringLiteral("Stick"));
        spec.serial = c.serial;
        spec.languageIds = c.languages;
        const auto id = bus.addDevice(spec);
        StartController();
        TWkHidDevice* device = nullptr;
        ASSERT_TRUE(controller->CheckOut(device)) << c.name;
        EXPECT_EQ(device->SerialNumber(), c.expected) << c.name;
        controller->CheckIn(device);
        controller.reset();
        bus.unplug(id);
    }
}

TEST_F(DeviceAccess, FirstNameReadClosesTheHandleLaterReadsLeaveIt) {
    bus.addDevice(JoystickSpec(0x1234, 0x0001, QStringLiteral("Stick")));
    StartController();
    TWkHidDevice* device = nullptr;
    ASSERT_TRUE(controller->CheckOut(device));
    std::array<BYTE, 255> report{4};
    ASSERT_TRUE(device->GetFeature(report.data(), report.size()));
    EXPECT_EQ(device->ProductName(), QStringLiteral("Stick"));
    EXPECT_EQ(device->HidFileHandle(), INVALID_HANDLE_VALUE);
    ASSERT_TRUE(device->GetFeature(report.data(), report.size()));
    EXPECT_EQ(device->ProductName(), QStringLiteral("Stick"));
    EXPECT_NE(device->HidFileHandle(), INVALID_HANDLE_VALUE);
}

TEST_F(DeviceAccess, LanguageNamesAndParserCalls) {
    auto spec = JoystickSpec(0x1234, 0x0001, QStringLiteral("Stick"));
    spec.languageIds = {0x0409, 0x7FFF};
    bus.addDevice(spec);
    StartController();
    TWkHidDevice* device = Offered().at(0);

    USAGE usages[8] = {};
    ULONG length = 8;
    std::array<BYTE, 9> input{1};
    EXPECT_EQ(device->GetUsages(usages, length, input.data(), input.size()), HIDP_STATUS_NULL);
    EXPECT_EQ(length, 8u);
    EXPECT_EQ(device->MaxDataListLength(), 0u);

    ASSERT_TRUE(controller->CheckOut(device));
    EXPECT_EQ(device->LanguageStrings(), QStringList({QStringLiteral("English (United States)"),
                                                      QStringLiteral("Unknown Locale ID $7fff")}));
    EXPECT_EQ(device->Caps().InputReportByteLength, 9);
    ULONG a = 8;
    ULONG b = 8;
    USAGE viaUsages[8] = {};
    USAGE viaButtons[8] = {};
    EXPECT_EQ(device->GetUsages(viaUsages, a, input.data(), input.size()),
              device->GetButtons(viaButtons, b, input.data(), input.size()));
    EXPECT_EQ(a, b);
    device->SetReportTypeParam(HidP_Input);
    EXPECT_GT(device->MaxDataListLength(), 0u);
}

} // namespace
