// Reading and writing the configuration, and the device commands, against the simulated
// controller: each sequence is checked as one ordered log of pauses, transfers and messages.

#include "configurator/model/config_check.h"
#include "configurator/model/report_codec.h"
#include "tests/configurator/exchange/exchange_fixture.h"
#include "tests/configurator/expect_same_config.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {

const QStringList ReadLog = {"sleep: 250", "flush",       "get 4 (255)",
                             "flush",      "get 5 (247)", "get 6 (224)"};

const QStringList WriteLog = {
    "sleep: 1000", "sleep: 1000", "set 4 (255)", "sleep: 1000",
    "set 5 (247)", "sleep: 1000", "set 6 (224)", "messageBox: Confirm | Ok. Restart controller?"};

// A configuration far from the defaults in every part the images carry.
Config VariedConfig() {
    Config config;
    AxisRow& x = config.axes[0];
    x.source = 2;
    x.port = 41;
    x.channel = 1;
    x.usage = 1;
    x.filter = 3;
    x.invert = true;
    x.precision = 2;
    x.specialFunction = 1;
    x.deadZoneLow = 3;
    x.deadZoneCentre = 4;
    x.deadZoneHigh = 5;
    x.calibrationMin = 100;
    x.calibrationCentre = 500;
    x.calibrationMax = 1000;
    AxisRow& virtualAxis = config.axes[1];
    virtualAxis.source = SourceVirtual;
    virtualAxis.usage = 2;
    virtualAxis.step = 7;
    virtualAxis.buttonUp = 10;
    virtualAxis.buttonDown = 11;
    virtualAxis.buttonCentre = 12;
    config.specialFunctions[0].points = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    config.specialFunctions[0].delay = 20;
    config.specialFunctions[0].speed = 30;
    config.hats[0].on = true;
    config.hats[0].directions = {21, 22, 23, 24};
    config.matrixRows[0] = 2;
    config.matrixColumns[0] = 3;
    config.knpTable[0] = {5, 1, 0, 1, 1};
    config.knpTable[1] = {6, 0, 2, 0, 0};
    config.kbMsTable[0].type = 3;
    config.kbMsTable[0].number = 7;
    config.shiftButtons[0] = 30;
    config.buttonTimers = {10, 20, 30};
    config.encoders[0] = {40, 41};
    config.shiftRegisters[0] = {4, 2};
    config.axisButtonRanges[0] = {50, 1, 100, 200};
    config.pollInterval = 3;
    config.ledPort = 6;
    config.identity = {QStringLiteral("1234"), QStringLiteral("ABCD"), QStringLiteral("Stick")};
    return config;
}

} // namespace

TEST_F(ExchangeTest, ReadGetsTheThreeReportsAndShowsThem) {
    Connect();
    ReportImages stored = ConfigToReport(VariedConfig()).images;
    sim->with([&](SimController& c) {
        c.setFeature({stored.axis.data(), AxisReportLength});
        c.setFeature({stored.general.data(), GeneralReportLength});
        c.setFeature({stored.hid.data(), HidReportLength});
    });
    State().PollingEnabled = false;

    Exchange().Exchange().btnRead_MKClick();

    EXPECT_EQ(Log(), ReadLog);
    const ReportImages& read = Exchange().Exchange().Images();
    Config expected = ReportToConfig(read.axis, read.general, read.hid);
    ClampSlotTimings(expected); // the check after the read holds delays and speeds in range
    ExpectSameConfig(form->CurrentConfig(), expected);
    EXPECT_EQ(form->CurrentConfig().identity.name, QStringLiteral("Stick"));
    EXPECT_TRUE(State().PollingEnabled);
    EXPECT_FALSE(State().ConfigError);
}

TEST_F(ExchangeTest, WriteSendsTheImagesAndAsksForARestart) {
    struct Case {
        const char* name;
        int answer;
        QStringList tail;
    };
    const Case cases[] = {
        {"no", IDNO, {}},
        {"yes", IDYES, {"sleep: 250", "set 7 (170) cmd 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Connect();
        host.messageBoxAnswers = {c.answer};
        const ReportImages expected = ConfigToReport(form->CurrentConfig()).images;

        Exchange().Exchange().btnWrite_MKClick();

        EXPECT_EQ(Log(), WriteLog + c.tail);
        sim->with([&](SimController& controller) {
            EXPECT_EQ(controller.images().axis, expected.axis);
            EXPECT_EQ(controller.images().hid, expected.hid);
        });
    }
}

TEST_F(ExchangeTest, AWriteKeepsTheDescriptorDumpOfWhatItSent) {
    Exchange().ShowDeviceConfig(VariedConfig());
    Connect();
    host.messageBoxAnswers = {IDNO};
    const QStringList sent = ConfigToReport(form->CurrentConfig()).descriptor.debugLines;
    ASSERT_NE(State().HidDebugLines, sent);

    Exchange().Exchange().btnWrite_MKClick();

    EXPECT_EQ(Log(), WriteLog);
    EXPECT_EQ(State().HidDebugLines, sent);
}

TEST_F(ExchangeTest, AfterAWriteLivePollingStaysOffUntilTheNextRead) {
    Connect();
    host.messageBoxAnswers = {IDNO};
    Exchange().Exchange().btnWrite_MKClick();
    EXPECT_FALSE(State().PollingEnabled);
    host.log.clear();
    form->TmrGetRawDataTimer();
    EXPECT_TRUE(Log().isEmpty());

    Exchange().Exchange().btnRead_MKClick();

    EXPECT_TRUE(State().PollingEnabled);
}

TEST_F(ExchangeTest, WriteThenReadRestoresEveryControl) {
    Exchange().ShowDeviceConfig(VariedConfig());
    form->osi_Change();
    ASSERT_FALSE(State().ConfigError) << Find<QLineEdit>("chk_report_info")->text().toStdString();
    const Config written = form->CurrentConfig();
    Connect();
    host.messageBoxAnswers = {IDNO};
    Exchange().Exchange().btnWrite_MKClick();
    form->btnClrConfigClick();
    ASSERT_NE(form->CurrentConfig(), written);

    Exchange().Exchange().btnRead_MKClick();

    ExpectSameConfig(form->CurrentConfig(), written);
}

TEST_F(ExchangeTest, AFailedReadShowsItsMessageAndGoesOn) {
    struct Case {
        int report;
        const char* transfer;
        const char* message;
    };
    const Case cases[] = {
        {4, "get 4 (255)", "Error read config_axis(get).["},
        {5, "get 5 (247)", "Error read config(get).["},
        {6, "get 6 (224)", "Error read config_hid(get).["},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report);
        TearDown();
        SetUp();
        Connect();
        logBus.failingGets = {c.report};

        Exchange().Exchange().btnRead_MKClick();

        QStringList expected = ReadLog;
        const int at = expected.indexOf(QLatin1String(c.transfer));
        expected[at] += QStringLiteral(" failed");
        expected.insert(at + 1, QStringLiteral("showMessage: ") + QLatin1String(c.message) +
                                    FailureText() + QLatin1Char(']'));
        EXPECT_EQ(Log(), expected);
        EXPECT_TRUE(State().PollingEnabled);
        EXPECT_EQ(State().LastTransferOk, c.report != 6);
        const ReportImages& images = Exchange().Exchange().Images();
        const ReportImage& failed = c.report == 4   ? images.axis
                                    : c.report == 5 ? images.general
                                                    : images.hid;
        EXPECT_EQ(failed[0], c.report);
        EXPECT_TRUE(std::all_of(failed.begin() + 1, failed.end(), [](auto b) { return b == 0; }));
    }
}

TEST_F(ExchangeTest, AFailedWriteShowsItsMessageAndGoesOn) {
    struct Case {
        std::set<int> failing;
        QStringList expected;
    };
    const QString text = FailureText() + QLatin1Char(']');
    const Case cases[] = {
        {{5},
         {"sleep: 1000", "sleep: 1000", "set 4 (255)", "sleep: 1000", "set 5 (247) failed",
          "showMessage: Error write config.[" + text, "sleep: 1000", "set 6 (224)",
          "messageBox: Confirm | Ok. Restart controller?"}},
        {{4, 6},
         {"sleep: 1000", "sleep: 1000", "set 4 (255) failed",
          "showMessage: Error write config_axis.[" + text, "sleep: 1000", "set 5 (247)",
          "sleep: 1000", "set 6 (224) failed", "showMessage: Error write config_hid.[" + text,
          "messageBox: Confirm | Ok. Restart controller?"}},
        // Nothing reached the controller: no question as if it had worked.
        {{4, 5, 6},
         {"sleep: 1000", "sleep: 1000", "set 4 (255) failed",
          "showMessage: Error write config_axis.[" + text, "sleep: 1000", "set 5 (247) failed",
          "showMessage: Error write config.[" + text, "sleep: 1000", "set 6 (224) failed",
          "showMessage: Error write config_hid.[" + text}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.join(QLatin1Char('\n')).toStdString());
        TearDown();
        SetUp();
        Connect();
        logBus.failingSets = c.failing;
        host.messageBoxAnswers = {IDNO};

        Exchange().Exchange().btnWrite_MKClick();

        EXPECT_EQ(Log(), c.expected);
    }
}

TEST_F(ExchangeTest, AnInvalidConfigurationWritesNothing) {
    struct Case {
        const char* name;
        void (*spoil)(Config&);
    };
    const Case cases[] = {
        {"same sensor twice",
         [](Config& config) {
             config.axes[2] = config.axes[0];
             config.axes[2].usage = 3;
         }},
        {"vendor id without an encoding",
         [](Config& config) {
             config.identity.vendorId = QStringLiteral("12");
         }},
    };
    for (const Case& c : cases) {
        // Nothing was sent, so live polling goes on as it was before the click.
        for (const bool polling : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (polling ? ", polling on" : ", polling off"));
            TearDown();
            SetUp();
            Config config = VariedConfig();
            c.spoil(config);
            Exchange().ShowDeviceConfig(config);
            Connect();
            State().PollingEnabled = polling;

            Exchange().Exchange().btnWrite_MKClick();

            EXPECT_TRUE(State().ConfigError);
            const QString check = Find<QLineEdit>("chk_report_info")->text();
            EXPECT_FALSE(check.isEmpty());
            EXPECT_EQ(Log(), QStringList({"sleep: 1000", "showMessage: " + check}));
            EXPECT_EQ(State().PollingEnabled, polling);
            host.log.clear();
            form->TmrGetRawDataTimer();
            EXPECT_EQ(Log().contains("get 7 (170)"), polling) << Log().join(" / ").toStdString();
        }
    }
}

TEST_F(ExchangeTest, ADeviceThatLeavesDuringAMessageStopsTheSequence) {
    struct Case {
        const char* name;
        void (ControllerExchange::*handler)();
        QStringList expected;
    };
    const QString text = FailureText() + QLatin1Char(']');
    const Case cases[] = {
        {"read",
         &ControllerExchange::btnRead_MKClick,
         {"sleep: 250", "flush", "get 4 (255) failed",
          "showMessage: Error read config_axis(get).[" + text}},
        {"write",
         &ControllerExchange::btnWrite_MKClick,
         {"sleep: 1000", "sleep: 1000", "set 4 (255) failed",
          "showMessage: Error write config_axis.[" + text}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Connect();
        EnableDeviceButtons();
        logBus.failingGets = {4};
        logBus.failingSets = {4};
        host.onMessageBox = [this](const QString&) {
            Unplug();
        };

        (Exchange().Exchange().*c.handler)();

        EXPECT_EQ(Log(), c.expected);
        EXPECT_FALSE(Button("btnRead_MK")->isEnabled());
        EXPECT_TRUE(Find<QLabel>("img_red")->isVisibleTo(form.get()));
        host.onMessageBox = nullptr;
    }
}

TEST_F(ExchangeTest, ADeviceThatLeavesDuringTheRestartQuestionGetsNoCommand) {
    Connect();
    host.onMessageBox = [this](const QString&) {
        Unplug();
    };

    Exchange().Exchange().btnWrite_MKClick();

    EXPECT_EQ(Log(), WriteLog);
    EXPECT_FALSE(Button("btnWrite_MK")->isEnabled());
}

TEST_F(ExchangeTest, CommandsWithAndWithoutADevice) {
    struct Case {
        const char* button;
        int command;
        // A restart lets go of the controller and enumerates at once, which finds it still
        // listed and connects it again; the bootloader lets go for good.
        bool connectedAfter;
        std::vector<const char*> disabledWithoutDevice;
    };
    const Case cases[] = {
        {"btnRestart", 0, true, {"btnRead_MK", "btnWrite_MK", "btnRestart"}},
        {"btnOpenBL", 1, false, {"btnRestart", "btnOpenBL", "btnResetCnf"}},
        {"btnResetCnf", 2, true, {"btnRestart", "btnOpenBL", "btnResetCnf"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        TearDown();
        SetUp();
        Connect();
        EnableDeviceButtons();

        Button(c.button)->click();

        EXPECT_EQ(Log(),
                  QStringList({"sleep: 250", QStringLiteral("set 7 (170) cmd %1").arg(c.command)}));
        EXPECT_TRUE(State().LastTransferOk);
        EXPECT_EQ(State().ConfigDevice != nullptr, c.connectedAfter);
        EXPECT_EQ(State().PollingEnabled, c.command == 0);

        Exchange().DropDevices();
        EnableDeviceButtons();
        host.log.clear();

        Button(c.button)->click();

        EXPECT_EQ(Log(), QStringList({"sleep: 250"}));
        EXPECT_FALSE(State().PollingEnabled);
        for (const char* disabled : c.disabledWithoutDevice) {
            EXPECT_FALSE(Button(disabled)->isEnabled()) << disabled;
        }
    }
}

TEST_F(ExchangeTest, ReadAndWriteWithoutADeviceShowTheNotConnectedState) {
    struct Case {
        const char* button;
        QStringList expected;
    };
    const Case cases[] = {
        {"btnRead_MK", {"sleep: 250"}},
        {"btnWrite_MK", {"sleep: 1000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        host.log.clear();
        EnableDeviceButtons();

        Button(c.button)->click();

        EXPECT_EQ(Log(), c.expected);
        EXPECT_FALSE(Button("btnRead_MK")->isEnabled());
        EXPECT_FALSE(Button("btnWrite_MK")->isEnabled());
        EXPECT_FALSE(Button("btnRestart")->isEnabled());
    }
}

TEST_F(ExchangeTest, AClickDuringARunningSequenceStartsNoSecondOne) {
    struct Case {
        const char* during;
    };
    const Case cases[] = {{"btnRead_MK"}, {"btnRestart"}, {"led_get"}, {"led_set"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.during);
        TearDown();
        SetUp();
        Connect();
        EnableDeviceButtons();
        host.messageBoxAnswers = {IDNO};
        bool clicked = false;
        host.onSleep = [&](unsigned) {
            if (!clicked) {
                clicked = true;
                Button(c.during)->click();
            }
        };

        Button("btnWrite_MK")->click();

        EXPECT_EQ(Log(), WriteLog);
        host.onSleep = nullptr;
    }
}
