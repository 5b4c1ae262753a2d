#include "platform/hidbus/sim_hid_bus.h"
#include "platform/win32/device_file.h"
#include "platform/win32/last_error.h"
#include "platform/win32/overlapped_io.h"
#include "platform/win32/sleep.h"
#include "tests/support/recording_ui_host.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

class DeviceFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        SimHidDeviceSpec spec;
        spec.setOutput = [this](std::span<const BYTE> report) {
            written.assign(report.begin(), report.end());
            return ERROR_SUCCESS;
        };
        device = bus.addDevice(spec);
        path = bus.nodePath(device).toStdU16String();
    }

    HANDLE open(DWORD access, DWORD flags = 0, const std::u16string& at = {}) {
        return CreateFileW((at.empty() ? path : at).c_str(), access,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, flags,
                           nullptr);
    }

    SimHidBus bus;
    ScopedHidBus guard{bus};
    SimHidBus::DeviceId device = 0;
    std::u16string path;
    std::vector<BYTE> written;
};

TEST_F(DeviceFileTest, AccessFormsOpenMatchingChannels) {
    const struct {
        DWORD access;
        DWORD flags;
        HidAccess channel;
    } cases[] = {
        {GENERIC_READ | GENERIC_WRITE, 0, HidAccess::ReadWrite},
        {0, 0, HidAccess::Query},
        {GENERIC_READ, FILE_FLAG_OVERLAPPED, HidAccess::Read},
        {GENERIC_WRITE, FILE_FLAG_OVERLAPPED, HidAccess::Write},
    };
    for (const auto& c : cases) {
        HANDLE handle = open(c.access, c.flags);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE) << c.access;
        const auto file = DeviceFileFromHandle(handle);
        ASSERT_TRUE(file);
        EXPECT_EQ(file->channel->access(), c.channel);
        EXPECT_EQ(file->overlapped, c.flags == FILE_FLAG_OVERLAPPED);
        EXPECT_EQ(file->collection, 0);
        EXPECT_TRUE(CloseHandle(handle));
    }
    EXPECT_EQ(bus.openChannelCount(device), 0) << "closing releases the channel";
}

TEST_F(DeviceFileTest, RefusedOpensSayWhy) {
    bus.setFaults(device, {.denyReadWrite = true});
    const struct {
        const char* what;
        std::u16string at;
        DWORD access;
        DWORD error;
    } cases[] = {
        {"read-write refused", path, GENERIC_READ | GENERIC_WRITE, ERROR_ACCESS_DENIED},
        {"overlapped read refused", path, GENERIC_READ, ERROR_ACCESS_DENIED},
        {"unknown path", u"/sim/hid99", 0, ERROR_FILE_NOT_FOUND},
        {"collection 00 does not exist", path + u"&col00", 0, ERROR_FILE_NOT_FOUND},
    };
    for (const auto& c : cases) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(open(c.access, 0, c.at), INVALID_HANDLE_VALUE) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
    HANDLE query = open(0);
    EXPECT_NE(query, INVALID_HANDLE_VALUE) << "access 0 still opens";
    CloseHandle(query);

    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(CreateFileW(path.c_str(), 0, 0, nullptr, 1 /* CREATE_NEW */, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(DeviceFileTest, CollectionSuffixSelectsTheInterface) {
    EXPECT_EQ(DeviceInterfacePath(QStringLiteral("/dev/hidraw2"), 0, 1),
              QStringLiteral("/dev/hidraw2"));
    const QString second = DeviceInterfacePath(bus.nodePath(device), 1, 2);
    EXPECT_EQ(second, bus.nodePath(device) + QStringLiteral("&col02"));
    HANDLE handle = open(0, 0, second.toStdU16String());
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(DeviceFileFromHandle(handle)->collection, 1);
    CloseHandle(handle);
}

TEST_F(DeviceFileTest, PlainReadsAndWritesNeedTheirAccess) {
    HANDLE both = open(GENERIC_READ | GENERIC_WRITE);
    HANDLE query = open(0);
    bus.queueInput(device, {1, 42});

    BYTE buffer[8] = {};
    DWORD count = 0;
    ASSERT_TRUE(ReadFile(both, buffer, sizeof buffer, &count, nullptr));
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(buffer[1], 42);

    const BYTE report[] = {2, 7, 9};
    ASSERT_TRUE(WriteFile(both, report, sizeof report, &count, nullptr));
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(written, (std::vector<BYTE>{2, 7, 9}));

    OVERLAPPED overlapped{};
    const struct {
        const char* what;
        std::function<BOOL()> call;
        DWORD error;
    } refused[] = {
        {"read on a query handle",
         [&] { return ReadFile(query, buffer, sizeof buffer, &count, nullptr); },
         ERROR_ACCESS_DENIED},
        {"write on a query handle",
         [&] { return WriteFile(query, report, sizeof report, &count, nullptr); },
         ERROR_ACCESS_DENIED},
        {"read with OVERLAPPED",
         [&] { return ReadFile(both, buffer, sizeof buffer, &count, &overlapped); },
         ERROR_NOT_SUPPORTED},
        {"a code that is no HID code",
         [&] {
             return DeviceIoControl(both, 0x00220000, nullptr, 0, buffer, sizeof buffer, &count,
                                    nullptr);
         },
         ERROR_INVALID_FUNCTION},
    };
    for (const auto& c : refused) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(c.call()) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }

    EXPECT_TRUE(CloseHandle(both));
    EXPECT_TRUE(CloseHandle(query));
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(CloseHandle(both));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(WriteFile(both, report, sizeof report, &count, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

// A node with two top-level collections: a joystick with input report 1 and a vendor
// collection with input report 2.
const std::vector<BYTE> kTwoCollections = {
    0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x85, 0x01, 0x75, 0x08, 0x95, 0x02, 0x15, 0x00,
    0x26, 0xFF, 0x00, 0x09, 0x30, 0x09, 0x31, 0x81, 0x02, 0xC0, 0x06, 0x00, 0xFF, 0x09,
    0x01, 0xA1, 0x01, 0x85, 0x02, 0x95, 0x04, 0x09, 0x01, 0x81, 0x02, 0xC0,
};

void ignoreCompletion(DWORD, DWORD, LPOVERLAPPED) {}

TEST(DeviceFileCollections, EachInterfaceReadsOnlyItsOwnInputReports) {
    SimHidBus bus;
    ScopedHidBus guard(bus);
    SimHidDeviceSpec spec;
    spec.reportDescriptor = kTwoCollections;
    const auto node = bus.addDevice(spec);
    const QString nodePath = bus.nodePath(node);

    const struct {
        const char* what;
        DWORD flags;
        std::function<BOOL(HANDLE, BYTE*, DWORD, DWORD&)> read;
    } paths[] = {
        {"plain read", 0,
         [](HANDLE h, BYTE* buffer, DWORD size, DWORD& count) {
             return ReadFile(h, buffer, size, &count, nullptr);
         }},
        {"overlapped read", FILE_FLAG_OVERLAPPED,
         [](HANDLE h, BYTE* buffer, DWORD size, DWORD& count) {
             OVERLAPPED overlapped{};
             if (!ReadFileEx(h, buffer, size, &overlapped, &ignoreCompletion) ||
                 SleepEx(10000, TRUE) != WAIT_IO_COMPLETION)
                 return FALSE;
             return GetOverlappedResult(h, &overlapped, &count, FALSE);
         }},
    };
    for (const auto& p : paths) {
        HANDLE first = CreateFileW(DeviceInterfacePath(nodePath, 0, 2).toStdU16String().c_str(),
                                   GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, p.flags, nullptr);
        HANDLE second = CreateFileW(DeviceInterfacePath(nodePath, 1, 2).toStdU16String().c_str(),
                                    GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, p.flags, nullptr);
        ASSERT_NE(first, INVALID_HANDLE_VALUE) << p.what;
        ASSERT_NE(second, INVALID_HANDLE_VALUE) << p.what;
        bus.queueInput(node, {2, 20, 21, 22, 23});
        bus.queueInput(node, {1, 10, 11});

        BYTE buffer[8] = {};
        DWORD count = 0;
        ASSERT_TRUE(p.read(first, buffer, sizeof buffer, count)) << p.what;
        EXPECT_EQ(std::vector<BYTE>(buffer, buffer + count), (std::vector<BYTE>{1, 10, 11}))
            << p.what;
        ASSERT_TRUE(p.read(second, buffer, sizeof buffer, count)) << p.what;
        EXPECT_EQ(std::vector<BYTE>(buffer, buffer + count), (std::vector<BYTE>{2, 20, 21, 22, 23}))
            << p.what;
        CloseHandle(first);
        CloseHandle(second);
    }

    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(CreateFileW(DeviceInterfacePath(nodePath, 2, 3).toStdU16String().c_str(), 0,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE)
        << "the node has no third collection";
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST(Sleep, GoesThroughTheUiHost) {
    RecordingUiHost host;
    ScopedUiHost guard(host);
    Sleep(250);
    EXPECT_EQ(host.log, QStringList{QStringLiteral("sleep: 250")});
}

} // namespace
