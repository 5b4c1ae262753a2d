#include "platform/hidbus/sim_hid_bus.h"
#include "platform/win32/last_error.h"

#include <atomic>
#include <gtest/gtest.h>
#include <poll.h>

namespace {

std::atomic<int> announcedChanges{0};

class SimHidBusTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static const bool listening = (addDeviceChangeListener([] { ++announcedChanges; }), true);
        (void)listening;
    }

    SimHidDeviceSpec joystickSpec() {
        SimHidDeviceSpec spec;
        spec.vendorId = 0x16C0;
        spec.productId = 0x05DF;
        spec.version = 0x0102;
        spec.product = QStringLiteral("Stick");
        spec.getFeature = [this](std::span<BYTE> report) {
            lastGetLength = report.size();
            report[1] = static_cast<BYTE>(report[0] * 2);
            return ERROR_SUCCESS;
        };
        spec.setFeature = [this](std::span<const BYTE> report) {
            lastSet.assign(report.begin(), report.end());
            return report[0] == 7 ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
        };
        return spec;
    }

    std::shared_ptr<HidChannel> open(SimHidBus::DeviceId id, HidAccess access) {
        DWORD error = 0;
        auto channel = bus.open(bus.nodePath(id), access, error);
        EXPECT_EQ(error, channel ? ERROR_SUCCESS : error);
        return channel;
    }

    static bool readable(const HidChannel& channel) {
        pollfd fd{channel.pollFd(), POLLIN, 0};
        return poll(&fd, 1, 0) == 1;
    }

    SimHidBus bus;
    ScopedHidBus guard{bus};
    std::size_t lastGetLength = 0;
    std::vector<BYTE> lastSet;
};

TEST_F(SimHidBusTest, FeatureReportsReachTheHandlersWithTheWholeBuffer) {
    const auto id = bus.addDevice(joystickSpec());
    auto channel = open(id, HidAccess::ReadWrite);
    ASSERT_TRUE(channel);

    std::vector<BYTE> report(255, 0);
    report[0] = 4;
    EXPECT_EQ(channel->getFeature(report), ERROR_SUCCESS);
    EXPECT_EQ(lastGetLength, 255u);
    EXPECT_EQ(report[1], 8);

    const std::vector<BYTE> command = {7, 1, 2};
    EXPECT_EQ(channel->setFeature(command), ERROR_SUCCESS);
    EXPECT_EQ(lastSet, command);
    EXPECT_EQ(channel->setFeature(std::vector<BYTE>{9, 0}), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(channel->getInputReport(report), ERROR_INVALID_FUNCTION) << "no input handler";
}

TEST_F(SimHidBusTest, FaultsShowInTheMatchingOperation) {
    const auto id = bus.addDevice(joystickSpec());
    auto channel = open(id, HidAccess::ReadWrite);
    ASSERT_TRUE(channel);
    std::vector<BYTE> report(8, 0);
    WORD vid = 0, pid = 0, version = 0;

    bus.setFaults(id, {.transferError = ERROR_GEN_FAILURE});
    EXPECT_EQ(channel->getFeature(report), ERROR_GEN_FAILURE);
    EXPECT_EQ(channel->readAttributes(vid, pid, version), ERROR_SUCCESS);
    EXPECT_EQ(vid, 0x16C0);
    EXPECT_EQ(version, 0x0102);

    bus.setFaults(id, {.attributesError = ERROR_SEM_TIMEOUT});
    EXPECT_EQ(channel->readAttributes(vid, pid, version), ERROR_SEM_TIMEOUT);
    EXPECT_EQ(channel->getFeature(report), ERROR_SUCCESS);

    bus.setFaults(id, {.denyReadWrite = true});
    DWORD error = 0;
    EXPECT_FALSE(bus.open(bus.nodePath(id), HidAccess::ReadWrite, error));
    EXPECT_EQ(error, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(bus.open(bus.nodePath(id), HidAccess::Read, error));
    EXPECT_TRUE(bus.open(bus.nodePath(id), HidAccess::Query, error));
}

TEST_F(SimHidBusTest, InputReportsQueuePerReadingChannel) {
    const auto id = bus.addDevice(joystickSpec());
    auto reader = open(id, HidAccess::Read);
    auto other = open(id, HidAccess::ReadWrite);
    auto writer = open(id, HidAccess::Write);
    ASSERT_TRUE(reader && other && writer);
    EXPECT_FALSE(readable(*reader));

    bus.queueInput(id, {1, 0x10, 0x20});
    bus.queueInput(id, {1, 0x11});
    EXPECT_TRUE(readable(*reader));
    EXPECT_EQ(writer->pollFd(), -1) << "a write-only channel has nothing to read";

    BYTE buffer[4] = {};
    DWORD got = 0;
    EXPECT_EQ(reader->readReport(buffer, got), ERROR_SUCCESS);
    EXPECT_EQ(got, 3u);
    EXPECT_EQ(buffer[2], 0x20);
    EXPECT_EQ(reader->readReport(buffer, got), ERROR_SUCCESS);
    EXPECT_EQ(got, 2u);
    EXPECT_EQ(reader->readReport(buffer, got), ERROR_SUCCESS);
    EXPECT_EQ(got, 0u) << "an empty queue is not an error";
    EXPECT_FALSE(readable(*reader));

    EXPECT_TRUE(readable(*other)) << "each channel has its own queue";
    EXPECT_EQ(other->flush(), ERROR_SUCCESS);
    EXPECT_FALSE(readable(*other));
    EXPECT_EQ(other->readReport(buffer, got), ERROR_SUCCESS);
    EXPECT_EQ(got, 0u);
}

TEST_F(SimHidBusTest, ShortBufferTakesOnlyWhatFits) {
    const auto id = bus.addDevice(joystickSpec());
    auto reader = open(id, HidAccess::Read);
    bus.queueInput(id, {1, 2, 3, 4, 5, 6});
    BYTE buffer[3] = {};
    DWORD got = 0;
    EXPECT_EQ(reader->readReport(std::span<BYTE>(buffer, 2), got), ERROR_SUCCESS);
    EXPECT_EQ(got, 2u);
    EXPECT_EQ(buffer[2], 0) << "nothing written past the span";
}

TEST_F(SimHidBusTest, FullQueueLosesTheReportsThatArriveLater) {
    const auto id = bus.addDevice(joystickSpec());
    auto reader = open(id, HidAccess::Read);
    ASSERT_TRUE(reader);
    constexpr int RingDepth = 64;
    for (int n = 0; n < RingDepth + 6; ++n)
        bus.queueInput(id, {1, static_cast<BYTE>(n)});

    BYTE buffer[2] = {};
    DWORD got = 0;
    std::vector<int> read;
    while (reader->readReport(buffer, got) == ERROR_SUCCESS && got > 0)
        read.push_back(buffer[1]);
    ASSERT_EQ(read.size(), std::size_t(RingDepth));
    EXPECT_EQ(read.front(), 0) << "the oldest reports are kept";
    EXPECT_EQ(read.back(), RingDepth - 1);

    bus.queueInput(id, {1, 0xAA});
    ASSERT_EQ(reader->readReport(buffer, got), ERROR_SUCCESS);
    EXPECT_EQ(buffer[1], 0xAA) << "a read makes room again";
}

TEST_F(SimHidBusTest, UnplugFailsOpenChannelsAndReplugIsANewInstance) {
    const auto id = bus.addDevice(joystickSpec());
    const int before = announcedChanges;
    const DWORD firstInstance = bus.nodes().at(0).instance;
    auto channel = open(id, HidAccess::ReadWrite);

    bus.unplug(id);
    EXPECT_EQ(announcedChanges, before + 1);
    EXPECT_TRUE(bus.nodes().empty());
    EXPECT_TRUE(readable(*channel)) << "a waiting reader must wake up to see the unplug";
    std::vector<BYTE> report(4, 0);
    DWORD got = 0;
    EXPECT_EQ(channel->readReport(report, got), ERROR_DEVICE_NOT_CONNECTED);
    EXPECT_EQ(channel->getFeature(report), ERROR_DEVICE_NOT_CONNECTED);
    DWORD error = 0;
    EXPECT_FALSE(bus.open(bus.nodePath(id), HidAccess::Query, error));
    EXPECT_EQ(error, ERROR_FILE_NOT_FOUND);

    bus.replug(id);
    EXPECT_EQ(announcedChanges, before + 2);
    ASSERT_EQ(bus.nodes().size(), 1u);
    EXPECT_NE(bus.nodes().at(0).instance, firstInstance);
    EXPECT_EQ(bus.nodes().at(0).nodePath, bus.nodePath(id));
    EXPECT_EQ(channel->getFeature(report), ERROR_DEVICE_NOT_CONNECTED)
        << "a channel of the old instance stays dead";
    auto fresh = open(id, HidAccess::ReadWrite);
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->getFeature(report), ERROR_SUCCESS);
}

TEST_F(SimHidBusTest, ChangesOfABusNotInstalledAreNotAnnounced) {
    SimHidBus other;
    const int before = announcedChanges;
    other.addDevice(joystickSpec());
    EXPECT_EQ(announcedChanges, before);
    EXPECT_EQ(&currentHidBus(), &bus);
}

TEST_F(SimHidBusTest, ClosedChannelsLeaveTheDevice) {
    const auto id = bus.addDevice(joystickSpec());
    auto a = open(id, HidAccess::Read);
    auto b = open(id, HidAccess::Query);
    EXPECT_EQ(bus.openChannelCount(id), 2);
    a.reset();
    EXPECT_EQ(bus.openChannelCount(id), 1);
    bus.queueInput(id, {1});
    b.reset();
    EXPECT_EQ(bus.openChannelCount(id), 0);
}

} // namespace
