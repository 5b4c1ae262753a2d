#include "platform/hidbus/hidraw_bus.h"
#include "platform/hidbus/sim_hid_bus.h"
#include "platform/hidclass/hidsdi.h"
#include "platform/setupapi/setupapi.h"
#include "platform/win32/device_file.h"
#include "platform/win32/last_error.h"
#include "tests/support/fake_sysfs_tree.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A joystick collection (usage 4) and a vendor collection (usage 1), as a Tavro controller has.
const std::vector<BYTE> kTwoCollections = {
    0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x85, 0x01, 0x09, 0x30, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75,
    0x08, 0x95, 0x01, 0x81, 0x02, 0xC0, 0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x04, 0x09,
    0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x96, 0xFE, 0x00, 0xB1, 0x02, 0xC0,
};

// A mouse without report ids.
const std::vector<BYTE> kMouse = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x05, 0x09, 0x19,
                                  0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01,
                                  0x95, 0x03, 0x81, 0x02, 0x95, 0x05, 0x81, 0x01, 0xC0};

struct Found {
    QString path;
    DWORD devInst;
};

SP_DEVICE_INTERFACE_DATA interfaceRecord() {
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    return data;
}

SP_DEVINFO_DATA deviceRecord() {
    SP_DEVINFO_DATA data{};
    data.cbSize = sizeof data;
    return data;
}

// The controller's scan: size query, detail, path.
std::vector<Found> scan() {
    HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVINTERFACE_HID, nullptr, nullptr,
                                        DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    EXPECT_NE(set, INVALID_HANDLE_VALUE);
    std::vector<Found> found;
    SP_DEVICE_INTERFACE_DATA data = interfaceRecord();
    for (DWORD index = 0;
         SetupDiEnumDeviceInterfaces(set, nullptr, &GUID_DEVINTERFACE_HID, index, &data); ++index) {
        SP_DEVINFO_DATA info = deviceRecord();
        DWORD required = 0;
        EXPECT_FALSE(SetupDiGetDeviceInterfaceDetailW(set, &data, nullptr, 0, &required, &info));
        EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
        std::vector<std::byte> buffer(required);
        auto* detail = reinterpret_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_W>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        EXPECT_TRUE(SetupDiGetDeviceInterfaceDetailW(set, &data, detail, required, nullptr, &info));
        found.push_back({QString::fromUtf16(detail->DevicePath), info.DevInst});
    }
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_ITEMS);
    EXPECT_TRUE(SetupDiDestroyDeviceInfoList(set));
    return found;
}

class SetupApiTest : public ::testing::Test {
protected:
    SimHidBus::DeviceId add(const std::vector<BYTE>& descriptor) {
        SimHidDeviceSpec spec;
        spec.vendorId = 0x16C0;
        spec.productId = 0x05DF;
        spec.version = 0x0101;
        spec.manufacturer = QStringLiteral("Maker");
        spec.reportDescriptor = descriptor;
        return bus.addDevice(spec);
    }

    SimHidBus bus;
    ScopedHidBus guard{bus};
};

TEST_F(SetupApiTest, SnapshotListsOneOpenableInterfacePerCollection) {
    add(kTwoCollections);
    add(kMouse);
    add({0x05, 0x01, 0xA1}); // descriptor cut short: no interface
    const std::vector<Found> found = scan();
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].path, QStringLiteral("/sim/hid1&col01"));
    EXPECT_EQ(found[1].path, QStringLiteral("/sim/hid1&col02"));
    EXPECT_EQ(found[2].path, QStringLiteral("/sim/hid2"));
    EXPECT_NE(found[0].devInst, found[1].devInst);
    EXPECT_NE(found[1].devInst, found[2].devInst);

    const USAGE expectedUsages[] = {0x04, 0x01, 0x02};
    for (std::size_t i = 0; i < found.size(); ++i) {
        const std::u16string path = found[i].path.toStdU16String();
        HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 3, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE) << i;
        PHIDP_PREPARSED_DATA data = nullptr;
        ASSERT_TRUE(HidD_GetPreparsedData(handle, &data));
        HIDP_CAPS caps{};
        HidP_GetCaps(data, &caps);
        EXPECT_EQ(caps.Usage, expectedUsages[i]) << found[i].path.toStdString();
        HidD_FreePreparsedData(data);
        CloseHandle(handle);
    }
    EXPECT_EQ(scan().size(), 3u) << "a new snapshot finds the same interfaces";
    EXPECT_EQ(scan()[0].devInst, found[0].devInst) << "device instances are stable";
}

TEST_F(SetupApiTest, ReplugMakesANewDeviceInstanceUnderTheSamePath) {
    const auto id = add(kMouse);
    const Found before = scan().at(0);
    bus.unplug(id);
    EXPECT_TRUE(scan().empty());
    bus.replug(id);
    const Found after = scan().at(0);
    EXPECT_EQ(after.path, before.path);
    EXPECT_NE(after.devInst, before.devInst);
}

TEST(SetupApiSnapshot, ANewDescriptorUnderAKnownPathIsParsedAgain) {
    FakeSysfsTree tree;
    FakeHidrawNode node;
    node.descriptor = kMouse;
    ASSERT_TRUE(tree.add(node));
    HidrawBus bus(tree.sysfsRoot(), tree.devRoot());
    ScopedHidBus guard(bus);
    EXPECT_EQ(scan().size(), 1u);

    tree.remove(0);
    node.sequence = 2;
    node.descriptor = kTwoCollections;
    ASSERT_TRUE(tree.add(node));
    const std::vector<Found> found = scan();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].path, tree.devRoot() + QStringLiteral("/hidraw0&col01"));
}

TEST_F(SetupApiTest, RegistryPropertiesOfTheInterfaceDevice) {
    add(kTwoCollections);
    HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVINTERFACE_HID, nullptr, nullptr, 0x12);
    SP_DEVICE_INTERFACE_DATA data = interfaceRecord();
    ASSERT_TRUE(SetupDiEnumDeviceInterfaces(set, nullptr, &GUID_DEVINTERFACE_HID, 0, &data));
    SP_DEVINFO_DATA info = deviceRecord();
    DWORD required = 0;
    SetupDiGetDeviceInterfaceDetailW(set, &data, nullptr, 0, &required, &info);
    EXPECT_EQ(info.ClassGuid, GUID_DEVCLASS_HIDCLASS);

    const auto read = [&](DWORD property, DWORD& type) {
        char16_t buffer[1024] = {};
        const BOOL ok = SetupDiGetDeviceRegistryPropertyW(
            set, &info, property, &type, reinterpret_cast<PBYTE>(buffer), sizeof buffer, nullptr);
        std::u16string all(buffer, 1024);
        return ok ? QString::fromStdU16String(all.substr(0, all.find(u"\0\0", 0, 2)))
                  : QStringLiteral("<none>");
    };
    const struct {
        DWORD property;
        DWORD type;
        QString value;
    } cases[] = {
        {SPDRP_CLASS, REG_SZ, QStringLiteral("HIDClass")},
        {SPDRP_DEVICEDESC, REG_SZ, QStringLiteral("HID-compliant game controller")},
        {SPDRP_MFG, REG_SZ, QStringLiteral("Maker")},
        {SPDRP_HARDWAREID, REG_MULTI_SZ,
         QStringLiteral("HID\\VID_16C0&PID_05DF&REV_0101") + QChar(0) +
             QStringLiteral("HID\\VID_16C0&PID_05DF")},
        {SPDRP_FRIENDLYNAME, 0, QStringLiteral("<none>")},
    };
    for (const auto& c : cases) {
        DWORD type = 0;
        EXPECT_EQ(read(c.property, type), c.value) << c.property;
        if (c.type)
            EXPECT_EQ(type, c.type) << c.property;
        else
            EXPECT_EQ(GetLastError(), ERROR_INVALID_DATA);
    }

    DWORD type = 0;
    BYTE small[4];
    EXPECT_FALSE(SetupDiGetDeviceRegistryPropertyW(set, &info, SPDRP_CLASS, &type, small,
                                                   sizeof small, &required));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(required, sizeof(u"HIDClass"));
    SetupDiDestroyDeviceInfoList(set);
}

TEST_F(SetupApiTest, MisuseIsRefusedWithAReason) {
    add(kMouse);
    HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVINTERFACE_HID, nullptr, nullptr, 0x12);
    SP_DEVICE_INTERFACE_DATA data = interfaceRecord();
    const GUID otherClass = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    const struct {
        const char* what;
        std::function<BOOL()> call;
        DWORD error;
    } cases[] = {
        {"interface record of another size",
         [&] {
             SP_DEVICE_INTERFACE_DATA wrong = interfaceRecord();
             wrong.cbSize = 28;
             return SetupDiEnumDeviceInterfaces(set, nullptr, &GUID_DEVINTERFACE_HID, 0, &wrong);
         },
         ERROR_INVALID_USER_BUFFER},
        {"another interface class",
         [&] { return SetupDiEnumDeviceInterfaces(set, nullptr, &otherClass, 0, &data); },
         ERROR_NO_MORE_ITEMS},
        {"interface record never filled",
         [&] {
             SP_DEVICE_INTERFACE_DATA blank = interfaceRecord();
             DWORD required = 0;
             return SetupDiGetDeviceInterfaceDetailW(set, &blank, nullptr, 0, &required, nullptr);
         },
         ERROR_INVALID_PARAMETER},
        {"device record of no device",
         [&] {
             SP_DEVINFO_DATA blank = deviceRecord();
             DWORD type = 0;
             BYTE buffer[64];
             return SetupDiGetDeviceRegistryPropertyW(set, &blank, SPDRP_CLASS, &type, buffer,
                                                      sizeof buffer, nullptr);
         },
         ERROR_INVALID_PARAMETER},
        {"set already destroyed",
         [&] {
             HDEVINFO gone = SetupDiGetClassDevsW(&GUID_DEVINTERFACE_HID, nullptr, nullptr, 0x12);
             SetupDiDestroyDeviceInfoList(gone);
             return SetupDiEnumDeviceInterfaces(gone, nullptr, &GUID_DEVINTERFACE_HID, 0, &data);
         },
         ERROR_INVALID_HANDLE},
    };
    for (const auto& c : cases) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(c.call()) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }

    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(SetupDiGetClassDevsW(nullptr, nullptr, nullptr, DIGCF_DEVICEINTERFACE),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    HDEVINFO others = SetupDiGetClassDevsW(&otherClass, nullptr, nullptr, 0x12);
    EXPECT_FALSE(SetupDiEnumDeviceInterfaces(others, nullptr, &GUID_DEVINTERFACE_HID, 0, &data))
        << "a set of another class is empty";
    SetupDiDestroyDeviceInfoList(others);
    SetupDiDestroyDeviceInfoList(set);
}

} // namespace
