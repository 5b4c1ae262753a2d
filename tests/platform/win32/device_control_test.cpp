#include "platform/hidbus/sim_hid_bus.h"
#include "platform/win32/device_file.h"
#include "platform/win32/hid_control_codes.h"
#include "platform/win32/last_error.h"
#include "tests/support/opened_handles.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

const std::vector<BYTE> Descriptor = {0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0xC0};

// A device that fills each kind of report it is asked for with its own byte and keeps what it
// is sent.
class DeviceControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        SimHidDeviceSpec spec;
        spec.vendorId = 0x16C0;
        spec.productId = 0x05DF;
        spec.version = 0x0102;
        spec.reportDescriptor = Descriptor;
        spec.manufacturer = QStringLiteral("Tavro");
        spec.product = QStringLiteral("Stick");
        spec.languageIds = {0x0409, 0x0419};
        spec.getFeature = filler(0xF0);
        spec.getInput = filler(0x10);
        spec.getOutput = filler(0x20);
        spec.setFeature = [this](std::span<const BYTE> report) {
            sent = "feature " + std::to_string(report.size()) + " id " + std::to_string(report[0]);
            return ERROR_SUCCESS;
        };
        spec.setOutput = [this](std::span<const BYTE> report) {
            sent = "output " + std::to_string(report.size()) + " id " + std::to_string(report[0]);
            return ERROR_SUCCESS;
        };
        device = bus.addDevice(spec);
    }

    static SimGetReportHandler filler(BYTE value) {
        return [value](std::span<BYTE> report) {
            std::fill(report.begin() + 1, report.end(), value);
            return ERROR_SUCCESS;
        };
    }

    HANDLE open(DWORD access) {
        HANDLE handle = opened.open(bus.nodePath(device).toStdU16String(), access);
        EXPECT_NE(handle, INVALID_HANDLE_VALUE);
        return handle;
    }

    SimHidBus bus;
    ScopedHidBus guard{bus};
    SimHidBus::DeviceId device = 0;
    std::string sent;
    OpenedHandles opened;
};

TEST_F(DeviceControlTest, ReportCodesReachTheDevice) {
    HANDLE handle = open(GENERIC_READ | GENERIC_WRITE);
    const struct {
        const char* name;
        DWORD code;
        bool reportIn;  // the report goes in the input buffer
        bool reportOut; // ... in the output buffer
        DWORD returned;
        BYTE filled;      // what the device put behind the id byte, 0 for nothing
        std::string sent; // what the device was sent
    } cases[] = {
        {"get feature", IOCTL_HID_GET_FEATURE, false, true, 8, 0xF0, ""},
        {"get input report", IOCTL_HID_GET_INPUT_REPORT, false, true, 8, 0x10, ""},
        {"get output report", IOCTL_HID_GET_OUTPUT_REPORT, false, true, 8, 0x20, ""},
        {"get feature, report given both ways", IOCTL_HID_GET_FEATURE, true, true, 8, 0xF0, ""},
        {"set feature", IOCTL_HID_SET_FEATURE, true, false, 0, 0, "feature 8 id 4"},
        {"set feature, direct buffer", IOCTL_HID_SET_FEATURE, false, true, 0, 0, "feature 8 id 4"},
        {"set output report", IOCTL_HID_SET_OUTPUT_REPORT, true, false, 0, 0, "output 8 id 4"},
    };
    for (const auto& c : cases) {
        sent.clear();
        BYTE report[8] = {4};
        DWORD returned = 99;
        SetLastError(ERROR_SUCCESS);
        ASSERT_TRUE(DeviceIoControl(handle, c.code, c.reportIn ? report : nullptr,
                                    c.reportIn ? sizeof report : 0, c.reportOut ? report : nullptr,
                                    c.reportOut ? sizeof report : 0, &returned, nullptr))
            << c.name << ": " << GetLastError();
        EXPECT_EQ(returned, c.returned) << c.name;
        EXPECT_EQ(report[0], 4) << c.name;
        for (std::size_t i = 1; i < sizeof report; ++i)
            EXPECT_EQ(report[i], c.filled) << c.name << " byte " << i;
        EXPECT_EQ(sent, c.sent) << c.name;
    }
}

TEST_F(DeviceControlTest, RefusedRequestsSayWhy) {
    HANDLE both = open(GENERIC_READ | GENERIC_WRITE);
    HANDLE query = open(0);
    BYTE report[8] = {4};
    ULONG count = 1;
    const struct {
        const char* name;
        HANDLE handle;
        DWORD code;
        LPVOID in;
        DWORD inSize;
        LPVOID out;
        DWORD outSize;
        DWORD error;
    } cases[] = {
        {"get feature on a query handle", query, IOCTL_HID_GET_FEATURE, nullptr, 0, report, 8,
         ERROR_ACCESS_DENIED},
        {"set output on a query handle", query, IOCTL_HID_SET_OUTPUT_REPORT, report, 8, nullptr, 0,
         ERROR_ACCESS_DENIED},
        {"flush on a query handle", query, IOCTL_HID_FLUSH_QUEUE, nullptr, 0, nullptr, 0,
         ERROR_ACCESS_DENIED},
        {"get feature without a buffer", both, IOCTL_HID_GET_FEATURE, nullptr, 0, nullptr, 0,
         ERROR_INVALID_PARAMETER},
        {"set feature without a report", both, IOCTL_HID_SET_FEATURE, nullptr, 0, nullptr, 0,
         ERROR_INVALID_PARAMETER},
        {"buffer count too small", both, IOCTL_SET_NUM_DEVICE_INPUT_BUFFERS, &count, 4, nullptr, 0,
         ERROR_INVALID_PARAMETER},
        {"buffer count read into nothing", both, IOCTL_GET_NUM_DEVICE_INPUT_BUFFERS, nullptr, 0,
         &count, 2, ERROR_INVALID_PARAMETER},
        {"string longer than the buffer", both, IOCTL_HID_GET_PRODUCT_STRING, nullptr, 0, report, 8,
         ERROR_INSUFFICIENT_BUFFER},
        {"string the device lacks", both, IOCTL_HID_GET_SERIALNUMBER_STRING, nullptr, 0, report, 8,
         ERROR_NOT_FOUND},
        {"indexed string past the language list", both, IOCTL_HID_GET_INDEXED_STRING, &count, 4,
         report, 8, ERROR_NOT_SUPPORTED},
        {"code without a hidraw counterpart", both, IOCTL_GET_PHYSICAL_DESCRIPTOR, nullptr, 0,
         report, 8, ERROR_INVALID_FUNCTION},
        {"no HID code at all", both, 0x00220000, nullptr, 0, nullptr, 0, ERROR_INVALID_FUNCTION},
        {"closed handle", INVALID_HANDLE_VALUE, IOCTL_HID_GET_FEATURE, nullptr, 0, report, 8,
         ERROR_INVALID_HANDLE},
    };
    for (const auto& c : cases) {
        DWORD returned = 99;
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(
            DeviceIoControl(c.handle, c.code, c.in, c.inSize, c.out, c.outSize, &returned, nullptr))
            << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
        if (c.handle != INVALID_HANDLE_VALUE) {
            EXPECT_EQ(returned, 0u) << c.name;
        }
    }

    bus.unplug(device);
    DWORD returned = 0;
    EXPECT_FALSE(
        DeviceIoControl(both, IOCTL_HID_GET_FEATURE, nullptr, 0, report, 8, &returned, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_DEVICE_NOT_CONNECTED);
}

TEST_F(DeviceControlTest, CollectionInformationAndDescriptorOnEveryAccess) {
    for (DWORD access : {DWORD(GENERIC_READ | GENERIC_WRITE), DWORD(0)}) {
        HANDLE handle = open(access);
        HID_COLLECTION_INFORMATION info;
        std::memset(&info, 0xEE, sizeof info);
        DWORD returned = 0;
        ASSERT_TRUE(DeviceIoControl(handle, IOCTL_HID_GET_COLLECTION_INFORMATION, nullptr, 0, &info,
                                    sizeof info, &returned, nullptr))
            << access << ": " << GetLastError();
        EXPECT_EQ(returned, sizeof info) << access;
        EXPECT_EQ(info.DescriptorSize, Descriptor.size()) << access;
        EXPECT_EQ(info.Polled, 0) << access;
        EXPECT_EQ(info.VendorID, 0x16C0) << access;
        EXPECT_EQ(info.ProductID, 0x05DF) << access;
        EXPECT_EQ(info.VersionNumber, 0x0102) << access;

        std::vector<BYTE> bytes(Descriptor.size() + 2, 0xEE);
        ASSERT_TRUE(DeviceIoControl(handle, IOCTL_HID_GET_COLLECTION_DESCRIPTOR, nullptr, 0,
                                    bytes.data(), DWORD(bytes.size()), &returned, nullptr))
            << access << ": " << GetLastError();
        EXPECT_EQ(returned, Descriptor.size()) << access;
        std::vector<BYTE> expected = Descriptor;
        expected.insert(expected.end(), {0xEE, 0xEE});
        EXPECT_EQ(bytes, expected) << access;
    }
}

TEST_F(DeviceControlTest, CollectionRequestsThatCannotBeServed) {
    HANDLE handle = open(GENERIC_READ | GENERIC_WRITE);
    const DWORD infoSize = sizeof(HID_COLLECTION_INFORMATION);
    const auto descriptorSize = DWORD(Descriptor.size());
    const struct {
        const char* name;
        DWORD code;
        DWORD outSize;
        bool noBuffer;
        SimHidFaults faults;
        bool unplugged;
        DWORD error;
    } cases[] = {
        {"information one byte short",
         IOCTL_HID_GET_COLLECTION_INFORMATION,
         infoSize - 1,
         false,
         {},
         false,
         ERROR_INSUFFICIENT_BUFFER},
        {"information into nothing",
         IOCTL_HID_GET_COLLECTION_INFORMATION,
         infoSize,
         true,
         {},
         false,
         ERROR_INSUFFICIENT_BUFFER},
        {"descriptor one byte short",
         IOCTL_HID_GET_COLLECTION_DESCRIPTOR,
         descriptorSize - 1,
         false,
         {},
         false,
         ERROR_INSUFFICIENT_BUFFER},
        {"descriptor into nothing",
         IOCTL_HID_GET_COLLECTION_DESCRIPTOR,
         descriptorSize,
         true,
         {},
         false,
         ERROR_INSUFFICIENT_BUFFER},
        {"ids that cannot be read",
         IOCTL_HID_GET_COLLECTION_INFORMATION,
         infoSize,
         false,
         {.attributesError = ERROR_SEM_TIMEOUT},
         false,
         ERROR_SEM_TIMEOUT},
        {"information of an unplugged device",
         IOCTL_HID_GET_COLLECTION_INFORMATION,
         infoSize,
         false,
         {},
         true,
         ERROR_DEVICE_NOT_CONNECTED},
        {"descriptor of an unplugged device",
         IOCTL_HID_GET_COLLECTION_DESCRIPTOR,
         descriptorSize,
         false,
         {},
         true,
         ERROR_DEVICE_NOT_CONNECTED},
    };
    for (const auto& c : cases) {
        bus.setFaults(device, c.faults);
        if (c.unplugged)
            bus.unplug(device);
        std::vector<BYTE> buffer(64, 0xEE);
        DWORD returned = 99;
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(DeviceIoControl(handle, c.code, nullptr, 0,
                                     c.noBuffer ? nullptr : buffer.data(), c.outSize, &returned,
                                     nullptr))
            << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
        EXPECT_EQ(returned, 0u) << c.name;
        EXPECT_EQ(buffer, std::vector<BYTE>(64, 0xEE)) << c.name << ": nothing written";
        if (c.unplugged)
            bus.replug(device);
    }
}

TEST_F(DeviceControlTest, QueueBufferCountAndStrings) {
    HANDLE handle = open(GENERIC_READ | GENERIC_WRITE);
    DWORD returned = 0;

    bus.queueInput(device, {1, 2});
    ASSERT_TRUE(
        DeviceIoControl(handle, IOCTL_HID_FLUSH_QUEUE, nullptr, 0, nullptr, 0, &returned, nullptr));
    BYTE input[4] = {};
    DWORD got = 0;
    EXPECT_EQ(DeviceFileFromHandle(handle)->readReport(input, got), ERROR_SUCCESS);
    EXPECT_EQ(got, 0u) << "the flush dropped the queued report";

    ULONG count = 64;
    ASSERT_TRUE(DeviceIoControl(handle, IOCTL_SET_NUM_DEVICE_INPUT_BUFFERS, &count, sizeof count,
                                nullptr, 0, &returned, nullptr));
    count = 0;
    ASSERT_TRUE(DeviceIoControl(handle, IOCTL_GET_NUM_DEVICE_INPUT_BUFFERS, nullptr, 0, &count,
                                sizeof count, &returned, nullptr));
    EXPECT_EQ(count, 64u);
    EXPECT_EQ(returned, sizeof count);

    const struct {
        DWORD code;
        ULONG index;
        std::u16string expected;
    } strings[] = {
        {IOCTL_HID_GET_MANUFACTURER_STRING, 0, u"Tavro"},
        {IOCTL_HID_GET_PRODUCT_STRING, 0, u"Stick"},
        {IOCTL_HID_GET_INDEXED_STRING, 0, u"\u0409\u0419"},
    };
    for (const auto& c : strings) {
        char16_t text[16];
        std::fill(std::begin(text), std::end(text), u'#');
        ULONG index = c.index;
        ASSERT_TRUE(DeviceIoControl(handle, c.code, &index, sizeof index, text, sizeof text,
                                    &returned, nullptr))
            << c.code;
        EXPECT_EQ(std::u16string(text), c.expected) << c.code;
        EXPECT_EQ(returned, (c.expected.size() + 1) * sizeof(char16_t)) << c.code;
    }
}

} // namespace
