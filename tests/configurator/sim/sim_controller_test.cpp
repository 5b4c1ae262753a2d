#include "configurator/sim/sim_controller.h"
#include "platform/win32/last_error.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

Bytes Request(BYTE id, int length) {
    Bytes report(length, 0);
    report[0] = id;
    return report;
}

TEST(SimController, TransfersCheckIdAndLength) {
    const struct {
        const char* name;
        BYTE id;
        int length;
        DWORD get;
        DWORD set;
    } cases[] = {
        {"Axis", 4, 255, ERROR_SUCCESS, ERROR_SUCCESS},
        {"General", 5, 247, ERROR_SUCCESS, ERROR_SUCCESS},
        {"Hid", 6, 224, ERROR_SUCCESS, ERROR_SUCCESS},
        {"LiveDataAndRestart", 7, 170, ERROR_SUCCESS, ERROR_SUCCESS},
        {"LedSelectorZero", 8, 6, ERROR_SUCCESS, ERROR_INVALID_PARAMETER},
        {"AxisTooShort", 4, 254, ERROR_INVALID_PARAMETER, ERROR_INVALID_PARAMETER},
        {"GeneralTooLong", 5, 248, ERROR_INVALID_PARAMETER, ERROR_INVALID_PARAMETER},
        {"LiveDataShort", 7, 169, ERROR_INVALID_PARAMETER, ERROR_INVALID_PARAMETER},
        {"UnknownId", 9, 6, ERROR_GEN_FAILURE, ERROR_GEN_FAILURE},
        {"InputReportIdIsNoFeature", 1, 4, ERROR_GEN_FAILURE, ERROR_GEN_FAILURE},
        {"Empty", 0, 0, ERROR_INVALID_PARAMETER, ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : cases) {
        SimController controller;
        Bytes get = c.length ? Request(c.id, c.length) : Bytes{};
        EXPECT_EQ(controller.getFeature(get), c.get) << c.name;
        Bytes set = c.length ? Request(c.id, c.length) : Bytes{};
        if (c.id == 4 || c.id == 5 || c.id == 6)
            set = get; // write back what was read
        EXPECT_EQ(controller.setFeature(set), c.set) << c.name;
    }
}

TEST(SimController, StartsWithTheDefaultImages) {
    SimController controller;
    const ReportImages defaults = DefaultControllerImages();
    Bytes axis = Request(4, 255);
    ASSERT_EQ(controller.getFeature(axis), ERROR_SUCCESS);
    EXPECT_TRUE(std::equal(axis.begin(), axis.end(), defaults.axis.begin()));
    EXPECT_EQ(axis[191], 2); // slot 1 delay after the check's clamp
    const SimControllerIdentity identity = controller.identity();
    EXPECT_EQ(identity.vendorId, 0x8888);
    EXPECT_EQ(identity.productId, 0x8888);
    EXPECT_EQ(identity.product, QStringLiteral("Tavro2"));
    EXPECT_TRUE(controller.joystickDescriptor().empty());
}

Config JoystickConfig() {
    Config config;
    config.axes[0].source = 2;
    config.axes[0].usage = 1;
    config.axes[0].precision = 2;
    config.knpTable[0].number = 5;
    config.identity =
        DeviceIdentity{QStringLiteral("1A2B"), QStringLiteral("00C4"), QStringLiteral("Stick")};
    return config;
}

void Write(SimController& controller, const ReportImages& images) {
    for (const auto& [image, length] :
         {std::pair{&images.axis, 255}, std::pair{&images.general, 247},
          std::pair{&images.hid, 224}})
        ASSERT_EQ(controller.setFeature(std::span(image->data(), length)), ERROR_SUCCESS);
}

TEST(SimController, WrittenImagesReadBackAndApplyOnRestart) {
    SimController controller;
    const EncodeResult encoded = ConfigToReport(JoystickConfig());
    ASSERT_TRUE(encoded.ok());
    Write(controller, encoded.images);
    Bytes general = Request(5, 247);
    ASSERT_EQ(controller.getFeature(general), ERROR_SUCCESS);
    EXPECT_TRUE(std::equal(general.begin(), general.end(), encoded.images.general.begin()));
    EXPECT_EQ(controller.identity().product, QStringLiteral("Tavro2")); // not started yet
    EXPECT_FALSE(controller.takeCommand());

    Bytes restart = Request(7, 170);
    ASSERT_EQ(controller.setFeature(restart), ERROR_SUCCESS);
    EXPECT_EQ(controller.takeCommand(), ControllerCommand::Restart);
    EXPECT_FALSE(controller.takeCommand());
    EXPECT_EQ(controller.identity(), (SimControllerIdentity{0x1A2B, 0x00C4, QStringLiteral("Stick"),
                                                            QStringLiteral("TAVRO-SIM-0001")}));
    EXPECT_EQ(controller.joystickDescriptor(), encoded.descriptor.bytes);
    EXPECT_EQ(controller.activeConfig().knpTable[0].number, 5);
}

TEST(SimController, ResetCommandRestoresDefaultsBootloaderIsReported) {
    SimController controller;
    Write(controller, ConfigToReport(JoystickConfig()).images);
    Bytes reset = Request(7, 170);
    reset[1] = 2;
    ASSERT_EQ(controller.setFeature(reset), ERROR_SUCCESS);
    EXPECT_EQ(controller.images(), DefaultControllerImages());
    EXPECT_FALSE(controller.takeCommand());
    Bytes bootloader = Request(7, 170);
    bootloader[1] = 1;
    ASSERT_EQ(controller.setFeature(bootloader), ERROR_SUCCESS);
    EXPECT_EQ(controller.takeCommand(), ControllerCommand::Bootloader);
    Bytes unknown = Request(7, 170);
    unknown[1] = 3;
    EXPECT_EQ(controller.setFeature(unknown), ERROR_INVALID_PARAMETER);
}

TEST(SimController, DescriptorLengthBeyondTheReportIsCut) {
    SimController controller;
    Bytes hid = Request(6, 224);
    hid[22] = 250;
    ASSERT_EQ(controller.setFeature(hid), ERROR_SUCCESS);
    ASSERT_EQ(controller.setFeature(MakeCommandReport(ControllerCommand::Restart)), ERROR_SUCCESS);
    EXPECT_EQ(controller.joystickDescriptor().size(), 224u - 23u);
    EXPECT_TRUE(controller.inputReport().empty()); // zeros declare no input
}

TEST(SimController, LedColoursSetSelectAndGet) {
    SimController controller;
    for (int k = 1; k <= LedCount; ++k)
        ASSERT_EQ(controller.setFeature(MakeLedSetReport(k, 0x010203u * k)), ERROR_SUCCESS);
    ASSERT_EQ(controller.setFeature(MakeLedSetReport(4, 0x563412)), ERROR_SUCCESS);
    EXPECT_EQ(controller.ledColor(4), 0x563412u);
    for (int k : {4, 10, 1}) {
        ASSERT_EQ(controller.setFeature(MakeLedSelectReport(k)), ERROR_SUCCESS);
        LedReport answer{LedReportId, BYTE(10 + k)};
        ASSERT_EQ(controller.getFeature(answer), ERROR_SUCCESS);
        EXPECT_EQ(LedColorOf(answer), controller.ledColor(k)) << k;
        EXPECT_EQ(answer[1], 10 + k);
    }
    EXPECT_EQ(controller.setFeature(LedReport{8, 21, 0, 0, 0, 0}), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(controller.setFeature(LedReport{8, 0, 0, 0, 0, 0}), ERROR_INVALID_PARAMETER);
}

TEST(SimController, LiveDataAndUptime) {
    SimController controller;
    controller.live().rawValues[0] = 4660;
    controller.live().buttons[95] = true;
    controller.tick(999);
    Bytes report = Request(7, 170);
    ASSERT_EQ(controller.getFeature(report), ERROR_SUCCESS);
    LiveData live = DecodeLiveData(report.data(), report.size());
    EXPECT_EQ(live.board, 1);
    EXPECT_EQ(UptimeText(live), QStringLiteral("0:0:0"));
    EXPECT_EQ(live.rawValues[0], 4660);
    EXPECT_TRUE(live.buttons[95]);
    controller.tick(1);
    controller.tick(3599 * 1000);
    ASSERT_EQ(controller.getFeature(report), ERROR_SUCCESS);
    live = DecodeLiveData(report.data(), report.size());
    EXPECT_EQ(UptimeText(live), QStringLiteral("1:0:0"));
}

} // namespace
