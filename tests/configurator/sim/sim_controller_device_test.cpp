#include "configurator/sim/sim_controller_device.h"
#include "platform/win32/last_error.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<BYTE>;

std::shared_ptr<HidChannel> Open(SimHidBus& bus, SimHidBus::DeviceId id) {
    DWORD error = 0;
    auto channel = bus.open(bus.nodePath(id), HidAccess::ReadWrite, error);
    EXPECT_EQ(error, ERROR_SUCCESS);
    return channel;
}

Config JoystickConfig() {
    Config config;
    config.axes[0].source = 2;
    config.axes[0].usage = 1;
    config.knpTable[0].number = 2;
    config.identity =
        DeviceIdentity{QStringLiteral("04D8"), QStringLiteral("F00D"), QStringLiteral("My Stick")};
    return config;
}

void WriteAndRestart(HidChannel& channel, const Config& config) {
    EncodeResult encoded = ConfigToReport(config);
    ASSERT_TRUE(encoded.ok());
    ASSERT_EQ(channel.setFeature(std::span(encoded.images.axis.data(), 255)), ERROR_SUCCESS);
    ASSERT_EQ(channel.setFeature(std::span(encoded.images.general.data(), 247)), ERROR_SUCCESS);
    ASSERT_EQ(channel.setFeature(std::span(encoded.images.hid.data(), 224)), ERROR_SUCCESS);
    ASSERT_EQ(channel.setFeature(MakeCommandReport(ControllerCommand::Restart)), ERROR_SUCCESS);
}

class SimControllerDeviceTest : public testing::Test {
protected:
    SimHidBus bus;
    ScopedHidBus guard{bus};
};

TEST_F(SimControllerDeviceTest, DefaultControllerShowsItsConfigurationInterface) {
    SimControllerDevice controller(bus);
    const std::vector<HidNodeInfo> nodes = bus.nodes();
    ASSERT_EQ(nodes.size(), 1u);
    EXPECT_EQ(nodes[0].vendorId, 0x8888);
    EXPECT_EQ(nodes[0].productId, 0x8888);
    EXPECT_EQ(nodes[0].product, QStringLiteral("Tavro2"));
    EXPECT_EQ(nodes[0].serial, QStringLiteral("TAVRO-SIM-0001"));
    EXPECT_EQ(nodes[0].reportDescriptor, ConfigInterfaceDescriptor());
    EXPECT_FALSE(controller.joystickInterface());

    auto channel = Open(bus, *controller.configInterface());
    Bytes live(170, 0);
    live[0] = 7;
    ASSERT_EQ(channel->getFeature(live), ERROR_SUCCESS);
    EXPECT_EQ(live[1], 1); // board
    Bytes wrong(169, 0);
    wrong[0] = 7;
    EXPECT_EQ(channel->getFeature(wrong), ERROR_INVALID_PARAMETER);
}

TEST_F(SimControllerDeviceTest, RestartComesBackWithTheWrittenIdentity) {
    SimControllerDevice controller(bus);
    auto channel = Open(bus, *controller.configInterface());
    WriteAndRestart(*channel, JoystickConfig());

    Bytes axis(255, 0);
    axis[0] = 4;
    EXPECT_EQ(channel->getFeature(axis), ERROR_DEVICE_NOT_CONNECTED); // the old instance left
    const std::vector<HidNodeInfo> nodes = bus.nodes();
    ASSERT_EQ(nodes.size(), 2u);
    for (const HidNodeInfo& node : nodes) {
        EXPECT_EQ(node.vendorId, 0x04D8);
        EXPECT_EQ(node.productId, 0xF00D);
        EXPECT_EQ(node.product, QStringLiteral("My Stick"));
        EXPECT_EQ(node.serial, QStringLiteral("TAVRO-SIM-0001"));
    }
    ASSERT_TRUE(controller.joystickInterface());
    const HidNodeInfo joystick =
        nodes[0].nodePath == bus.nodePath(*controller.joystickInterface()) ? nodes[0] : nodes[1];
    EXPECT_EQ(joystick.reportDescriptor, BuildJoystickDescriptor(JoystickConfig()).bytes);

    auto fresh = Open(bus, *controller.configInterface());
    ASSERT_EQ(fresh->getFeature(axis), ERROR_SUCCESS);
    EXPECT_EQ(axis[1], 2); // axis 1 source as written
}

TEST_F(SimControllerDeviceTest, TickSendsTheInputReport) {
    SimControllerDevice controller(bus);
    WriteAndRestart(*Open(bus, *controller.configInterface()), JoystickConfig());
    auto joystick = Open(bus, *controller.joystickInterface());
    controller.with([](SimController& c) {
        c.live().axisValues[0] = 200;
        c.live().buttons[1] = true; // input 2, mapped to logical button 1
    });
    controller.tick(10);
    Bytes report(16, 0);
    DWORD read = 0;
    ASSERT_EQ(joystick->readReport(report, read), ERROR_SUCCESS);
    ASSERT_EQ(read, 3u);
    EXPECT_EQ(report[0], 1);
    EXPECT_EQ(report[1], 200);
    EXPECT_EQ(report[2], 1);
}

TEST_F(SimControllerDeviceTest, StartsWithGivenImages) {
    SimControllerDevice controller(bus, QStringLiteral("S2"),
                                   ConfigToReport(JoystickConfig()).images);
    const std::vector<HidNodeInfo> nodes = bus.nodes();
    ASSERT_EQ(nodes.size(), 2u);
    EXPECT_EQ(nodes[1].product, QStringLiteral("My Stick"));
    EXPECT_EQ(nodes[1].serial, QStringLiteral("S2"));
    EXPECT_TRUE(controller.joystickInterface());
}

TEST_F(SimControllerDeviceTest, BootloaderLeavesForGood) {
    SimControllerDevice controller(bus);
    auto channel = Open(bus, *controller.configInterface());
    ASSERT_EQ(channel->setFeature(MakeCommandReport(ControllerCommand::Bootloader)), ERROR_SUCCESS);
    EXPECT_TRUE(bus.nodes().empty());
    EXPECT_FALSE(controller.configInterface());
    controller.tick(1000); // nothing to send to
}

TEST_F(SimControllerDeviceTest, RemovedControllerUnplugs) {
    std::shared_ptr<HidChannel> channel;
    {
        SimControllerDevice controller(bus);
        channel = Open(bus, *controller.configInterface());
    }
    EXPECT_TRUE(bus.nodes().empty());
    Bytes axis(255, 0);
    axis[0] = 4;
    EXPECT_EQ(channel->getFeature(axis), ERROR_DEVICE_NOT_CONNECTED);
}

TEST_F(SimControllerDeviceTest, ReplugAfterTheControllerIsGoneAnswersNothing) {
    SimHidBus::DeviceId id;
    {
        SimControllerDevice controller(bus);
        id = *controller.configInterface();
    }
    bus.replug(id);
    auto channel = Open(bus, id);
    Bytes axis(255, 0);
    axis[0] = 4;
    EXPECT_EQ(channel->getFeature(axis), ERROR_DEVICE_NOT_CONNECTED);
    EXPECT_EQ(channel->setFeature(MakeCommandReport(ControllerCommand::Restart)),
              ERROR_DEVICE_NOT_CONNECTED);
}

} // namespace
