// DeviceIoControl on handles of hidraw nodes. FIFOs stand in for the nodes, and the hidraw
// ioctls made on the one registered as the device are answered here (the binary is linked with
// ioctl wrapped); every other descriptor gets the system's own answer, which a FIFO refuses.
#include "platform/hidbus/hidraw_bus.h"
#include "platform/win32/device_file.h"
#include "platform/win32/hid_control_codes.h"
#include "platform/win32/last_error.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <gtest/gtest.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FakeNode {
    int fd = -1;
    std::vector<unsigned long> requests;
    std::vector<BYTE> sent;
    int reportLength = 4;   // what a get ioctl transfers, the id counted
    int descriptorSize = 5; // what HIDIOCGRDESCSIZE answers
    std::vector<BYTE> descriptor{1, 2, 3, 4, 5, 6, 7, 8}; // HIDIOCGRDESC copies what is asked
};

FakeNode fakeNode;

} // namespace

extern "C" int __real_ioctl(int fd, unsigned long request, ...);

// Get ioctls fill a report of the node's report length, every byte after the id set to the
// ioctl's number; the set ioctls keep what they were given. Both answer with the length
// transferred, as hidraw does. The node's ids are 1234:5678.
extern "C" int __wrap_ioctl(int fd, unsigned long request, ...) {
    va_list args;
    va_start(args, request);
    void* argument = va_arg(args, void*);
    va_end(args);
    if (fd != fakeNode.fd || _IOC_TYPE(request) != 'H')
        return __real_ioctl(fd, request, argument);
    fakeNode.requests.push_back(request);
    auto* bytes = static_cast<BYTE*>(argument);
    const auto size = static_cast<int>(_IOC_SIZE(request));
    switch (_IOC_NR(request)) {
    case _IOC_NR(HIDIOCSFEATURE(0)):
    case _IOC_NR(HIDIOCSOUTPUT(0)):
        fakeNode.sent.assign(bytes, bytes + size);
        return size;
    case _IOC_NR(HIDIOCGFEATURE(0)):
    case _IOC_NR(HIDIOCGINPUT(0)):
    case _IOC_NR(HIDIOCGOUTPUT(0)): {
        const int length = std::min(size, fakeNode.reportLength);
        std::fill(bytes + 1, bytes + length, static_cast<BYTE>(_IOC_NR(request)));
        return length;
    }
    case _IOC_NR(HIDIOCGRAWINFO): {
        auto* info = static_cast<hidraw_devinfo*>(argument);
        *info = {3, 0x1234, 0x5678};
        return 0;
    }
    case _IOC_NR(HIDIOCGRDESCSIZE):
        *static_cast<int*>(argument) = fakeNode.descriptorSize;
        return 0;
    case _IOC_NR(HIDIOCGRDESC): {
        auto* answer = static_cast<hidraw_report_descriptor*>(argument);
        const auto count = std::min<std::size_t>(answer->size, fakeNode.descriptor.size());
        std::copy_n(fakeNode.descriptor.begin(), count, answer->value);
        return 0;
    }
    default:
        errno = ENOTTY;
        return -1;
    }
}

namespace {

class HidrawControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dev.isValid());
        for (const char* name : {"hidraw0", "hidraw2"})
            ASSERT_EQ(mkfifo((dev.path() + u'/' + QLatin1String(name)).toLocal8Bit(), 0600), 0);
    }

    void TearDown() override {
        fakeNode = FakeNode{};
        for (HANDLE handle : opened)
            CloseHandle(handle);
    }

    HANDLE open(const char* node, DWORD access) {
        const std::u16string path = (dev.path() + u'/' + QLatin1String(node)).toStdU16String();
        HANDLE handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_NE(handle, INVALID_HANDLE_VALUE) << node << ": " << GetLastError();
        opened.push_back(handle);
        return handle;
    }

    QTemporaryDir dev;
    HidrawBus bus{QStringLiteral(TAVRO_FIXTURES "/sysfs"), dev.path()};
    ScopedHidBus guard{bus};
    std::vector<HANDLE> opened;
};

TEST_F(HidrawControlTest, ReportCodesMakeTheirHidrawIoctls) {
    HANDLE handle = open("hidraw0", GENERIC_READ | GENERIC_WRITE);
    fakeNode.fd = DeviceFileFromHandle(handle)->channel->pollFd();
    const struct {
        const char* name;
        DWORD code;
        unsigned long request;
        bool sets;
    } cases[] = {
        {"get feature", IOCTL_HID_GET_FEATURE, HIDIOCGFEATURE(6), false},
        {"set feature", IOCTL_HID_SET_FEATURE, HIDIOCSFEATURE(6), true},
        {"get input report", IOCTL_HID_GET_INPUT_REPORT, HIDIOCGINPUT(6), false},
        {"set output report", IOCTL_HID_SET_OUTPUT_REPORT, HIDIOCSOUTPUT(6), true},
        {"get output report", IOCTL_HID_GET_OUTPUT_REPORT, HIDIOCGOUTPUT(6), false},
    };
    for (const auto& c : cases) {
        fakeNode.requests.clear();
        fakeNode.sent.clear();
        BYTE report[6] = {3, 9, 9, 9, 9, 9};
        DWORD returned = 0;
        ASSERT_TRUE(DeviceIoControl(handle, c.code, c.sets ? report : nullptr, c.sets ? 6 : 0,
                                    c.sets ? nullptr : report, c.sets ? 0 : 6, &returned, nullptr))
            << c.name << ": " << GetLastError();
        EXPECT_EQ(fakeNode.requests, std::vector<unsigned long>{c.request}) << c.name;
        const std::vector<BYTE> after(report, report + 6);
        if (c.sets) {
            EXPECT_EQ(fakeNode.sent, after) << c.name;
            EXPECT_EQ(returned, 0u) << c.name;
        } else {
            const auto filled = static_cast<BYTE>(_IOC_NR(c.request));
            EXPECT_EQ(after, (std::vector<BYTE>{3, filled, filled, filled, 9, 9})) << c.name;
            EXPECT_EQ(returned, 4u) << c.name << ": the length transferred";
        }
    }
}

TEST_F(HidrawControlTest, CollectionComesFromTheNodeWhenItAnswers) {
    HANDLE handle = open("hidraw0", GENERIC_READ | GENERIC_WRITE);
    const HidNodeInfo& node = DeviceFileFromHandle(handle)->channel->node();
    fakeNode.fd = DeviceFileFromHandle(handle)->channel->pollFd();
    HID_COLLECTION_INFORMATION info{};
    DWORD returned = 0;
    ASSERT_TRUE(DeviceIoControl(handle, IOCTL_HID_GET_COLLECTION_INFORMATION, nullptr, 0, &info,
                                sizeof info, &returned, nullptr))
        << GetLastError();
    EXPECT_EQ(info.DescriptorSize, 5u);
    EXPECT_EQ(info.VendorID, 0x1234);
    EXPECT_EQ(info.ProductID, 0x5678);
    EXPECT_EQ(info.VersionNumber, node.version) << "hidraw does not tell the version";
    EXPECT_EQ(node.version, 0x0102);

    BYTE descriptor[8] = {};
    ASSERT_TRUE(DeviceIoControl(handle, IOCTL_HID_GET_COLLECTION_DESCRIPTOR, nullptr, 0, descriptor,
                                sizeof descriptor, &returned, nullptr))
        << GetLastError();
    EXPECT_EQ(returned, 5u);
    EXPECT_EQ(std::vector<BYTE>(descriptor, descriptor + 8),
              (std::vector<BYTE>{1, 2, 3, 4, 5, 0, 0, 0}));
}

TEST_F(HidrawControlTest, DescriptorSizeTheRecordCannotHoldIsRefused) {
    HANDLE handle = open("hidraw0", GENERIC_READ | GENERIC_WRITE);
    fakeNode.fd = DeviceFileFromHandle(handle)->channel->pollFd();
    fakeNode.descriptor.assign(HID_MAX_DESCRIPTOR_SIZE + 8, 0x55);
    const struct {
        const char* name;
        int size;
        bool served;
    } cases[] = {
        {"negative", -1, false},
        {"one past the largest", HID_MAX_DESCRIPTOR_SIZE + 1, false},
        {"far past the largest", 1 << 30, false},
        {"the largest", HID_MAX_DESCRIPTOR_SIZE, true},
        {"empty", 0, true},
    };
    for (const auto& c : cases) {
        fakeNode.descriptorSize = c.size;
        std::vector<BYTE> bytes(HID_MAX_DESCRIPTOR_SIZE + 8, 0);
        DWORD returned = 99;
        HID_COLLECTION_INFORMATION info{};
        const BOOL informed = DeviceIoControl(handle, IOCTL_HID_GET_COLLECTION_INFORMATION, nullptr,
                                              0, &info, sizeof info, &returned, nullptr);
        EXPECT_EQ(informed, c.served) << c.name;
        const BOOL copied = DeviceIoControl(handle, IOCTL_HID_GET_COLLECTION_DESCRIPTOR, nullptr, 0,
                                            bytes.data(), DWORD(bytes.size()), &returned, nullptr);
        EXPECT_EQ(copied, c.served) << c.name;
        if (!c.served) {
            EXPECT_EQ(GetLastError(), ERROR_INVALID_DATA) << c.name;
            EXPECT_EQ(returned, 0u) << c.name;
            continue;
        }
        EXPECT_EQ(info.DescriptorSize, DWORD(c.size)) << c.name;
        EXPECT_EQ(returned, DWORD(c.size)) << c.name;
        EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 0x55), c.size) << c.name;
    }
}

TEST_F(HidrawControlTest, NodeThatAnswersNoIoctlRefusesReportsButFlushesAndNamesItself) {
    HANDLE handle = open("hidraw0", GENERIC_READ | GENERIC_WRITE);
    BYTE report[6] = {3};
    DWORD returned = 0;
    for (DWORD code :
         {IOCTL_HID_GET_FEATURE, IOCTL_HID_GET_INPUT_REPORT, IOCTL_HID_GET_OUTPUT_REPORT}) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(DeviceIoControl(handle, code, nullptr, 0, report, 6, &returned, nullptr))
            << code;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_FUNCTION) << code;
    }

    const int fd = DeviceFileFromHandle(handle)->channel->pollFd();
    const BYTE queued[] = {1, 0x7F};
    ASSERT_EQ(write(fd, queued, sizeof queued), static_cast<ssize_t>(sizeof queued));
    ASSERT_TRUE(
        DeviceIoControl(handle, IOCTL_HID_FLUSH_QUEUE, nullptr, 0, nullptr, 0, &returned, nullptr));
    DWORD got = 99;
    EXPECT_EQ(DeviceFileFromHandle(handle)->readReport(report, got), ERROR_SUCCESS);
    EXPECT_EQ(got, 0u) << "the flush read the node empty";

    const struct {
        DWORD code;
        std::u16string expected;
    } strings[] = {
        {IOCTL_HID_GET_MANUFACTURER_STRING, u"Hobby Works"},
        {IOCTL_HID_GET_PRODUCT_STRING, u"Tavro Stick"},
        {IOCTL_HID_GET_SERIALNUMBER_STRING, u"TS-0042"},
    };
    for (const auto& c : strings) {
        char16_t text[32] = {};
        ASSERT_TRUE(
            DeviceIoControl(handle, c.code, nullptr, 0, text, sizeof text, &returned, nullptr))
            << c.code;
        EXPECT_EQ(std::u16string(text), c.expected) << c.code;
    }
    HANDLE unnamed = open("hidraw2", 0);
    char16_t text[32] = {};
    EXPECT_FALSE(DeviceIoControl(unnamed, IOCTL_HID_GET_PRODUCT_STRING, nullptr, 0, text,
                                 sizeof text, &returned, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_NOT_FOUND) << "the node has no product string";

    // The collection then comes from what enumeration read.
    HID_COLLECTION_INFORMATION info{};
    ASSERT_TRUE(DeviceIoControl(handle, IOCTL_HID_GET_COLLECTION_INFORMATION, nullptr, 0, &info,
                                sizeof info, &returned, nullptr))
        << GetLastError();
    const HidNodeInfo& node = DeviceFileFromHandle(handle)->channel->node();
    ASSERT_FALSE(node.reportDescriptor.empty());
    EXPECT_EQ(info.DescriptorSize, node.reportDescriptor.size());
    EXPECT_EQ(info.VendorID, 0x16C0);
    EXPECT_EQ(info.ProductID, 0x05DF);
    EXPECT_EQ(info.VersionNumber, 0x0102);
    std::vector<BYTE> descriptor(info.DescriptorSize);
    ASSERT_TRUE(DeviceIoControl(handle, IOCTL_HID_GET_COLLECTION_DESCRIPTOR, nullptr, 0,
                                descriptor.data(), info.DescriptorSize, &returned, nullptr));
    EXPECT_EQ(descriptor, node.reportDescriptor);
    EXPECT_EQ(returned, info.DescriptorSize);
}

} // namespace
