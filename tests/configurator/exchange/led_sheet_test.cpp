// The LED page's colours sent to the simulated controller and read back from it.

#include "configurator/model/report_codec.h"
#include "configurator/window/color_combo.h"
#include "configurator/window/widget_factory.h"
#include "tests/configurator/exchange/exchange_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

TWkColorComboBox* LedBox(TMForm& form, int k) {
    return form.findChild<TWkColorComboBox*>(NumberName("led_color_%1", k, 2));
}

QString Hex(int value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

TColor LedColour(int k) {
    return k == 1 ? RGB(0x12, 0x34, 0x56) : RGB(k, 2 * k, 3 * k);
}

} // namespace

TEST_F(ExchangeTest, LedSetThenGetReturnsTheColours) {
    Connect();
    for (int k = 1; k <= LedCount; ++k) {
        LedBox(*form, k)->SetColorValue(LedColour(k));
    }

    Exchange().Leds().led_setClick();

    QStringList expected;
    expected << QStringLiteral("set 8 [08 01 12 34 56 00]");
    for (int k = 2; k <= LedCount; ++k) {
        expected << QStringLiteral("set 8 [08 %1 %2 %3 %4 00]")
                        .arg(Hex(k), Hex(k), Hex(2 * k), Hex(3 * k));
    }
    EXPECT_EQ(Log(), expected);

    for (int k = 1; k <= LedCount; ++k) {
        LedBox(*form, k)->SetColorValue(clBlack);
    }
    host.log.clear();

    Exchange().Leds().led_getClick();

    expected = QStringList{QStringLiteral("flush")};
    for (int k = 1; k <= LedCount; ++k) {
        expected << QStringLiteral("set 8 [08 %1 00 00 00 00]").arg(Hex(10 + k))
                 << QStringLiteral("sleep: 100") << QStringLiteral("get 8 (6)");
    }
    EXPECT_EQ(Log(), expected);
    for (int k = 1; k <= LedCount; ++k) {
        EXPECT_EQ(LedBox(*form, k)->ColorValue(), LedColour(k)) << k;
    }
}

TEST_F(ExchangeTest, AFailedFirstLedSetStopsWithItsMessage) {
    Connect();
    logBus.failingSets = {8};

    Exchange().Leds().led_setClick();

    EXPECT_EQ(Log(), QStringList({"set 8 [08 01 00 00 00 00] failed",
                                  "showMessage: Error [" + FailureText() + "]"}));
    EXPECT_FALSE(State().LastTransferOk);
}

TEST_F(ExchangeTest, AFailedLedGetShowsBlack) {
    Connect();
    sim->with([](SimController& c) {
        const LedReport set = MakeLedSetReport(1, RGB(1, 2, 3));
        c.setFeature(set);
    });
    LedBox(*form, 1)->SetColorValue(clWhite);
    logBus.failingGets = {8};

    Exchange().Leds().led_getClick();

    EXPECT_EQ(LedBox(*form, 1)->ColorValue(), clBlack);
}

TEST_F(ExchangeTest, LedButtonsWithoutADeviceShowTheNotConnectedState) {
    struct Case {
        const char* button;
        std::vector<const char*> disabled;
    };
    const Case cases[] = {
        {"led_set", {"btnRestart", "btnOpenBL", "btnResetCnf"}},
        {"led_get", {"btnRead_MK", "btnWrite_MK", "btnRestart"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        EnableDeviceButtons();
        host.log.clear();

        Button(c.button)->click();

        EXPECT_TRUE(Log().isEmpty());
        for (const char* disabled : c.disabled) {
            EXPECT_FALSE(Button(disabled)->isEnabled()) << disabled;
        }
        EXPECT_TRUE(Find<QLabel>("img_red")->isVisibleTo(form.get()));
    }
}

TEST_F(ExchangeTest, ADeviceThatLeavesWhileALedAnswerIsAwaitedIsNotAskedAgain) {
    Connect();
    host.onSleep = [this](unsigned) {
        Unplug();
    };

    Exchange().Leds().led_getClick();

    EXPECT_EQ(Log(), QStringList({"flush", "set 8 [08 0B 00 00 00 00]", "sleep: 100"}));
    EXPECT_FALSE(Button("btnRead_MK")->isEnabled());
}

TEST_F(ExchangeTest, TheLivePollWaitsWhileTheLedColoursAreRead) {
    Connect();
    Find<QTabWidget>(QStringLiteral("WkPageControl"))->setCurrentIndex(TMForm::TabLED);
    host.onSleep = [this](unsigned) {
        form->TmrGetRawDataTimer();
    };

    Button("led_get")->click();

    EXPECT_EQ(Log().filter(QStringLiteral("get 7")), QStringList());
    EXPECT_EQ(Log().filter(QStringLiteral("get 8")).size(), LedCount);
    EXPECT_TRUE(form->TmrGetRawData().isActive());
}

TEST_F(ExchangeTest, ALedColourPickedWithTheKeyboardGoesToTheController) {
    Connect();
    form->show();
    TWkColorComboBox* third = LedBox(*form, 3);
    third->setFocus();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(third, &down);
    QApplication::sendEvent(third, &down);
    EXPECT_EQ(third->ColorValue(), clGreen);
    EXPECT_EQ(third->currentText(), QStringLiteral("Green"));

    Button("led_set")->click();

    EXPECT_TRUE(Log().contains(QStringLiteral("set 8 [08 03 00 80 00 00]")));
}

TEST_F(ExchangeTest, AStartColourOutsideTheListIsAddedOnceAsACustomEntry) {
    Connect();
    Config config = DefaultConfig();
    config.ledColorInit = 0x00FF8000;
    const ReportImages stored = ConfigToReport(config).images;
    sim->with([&](SimController& c) {
        c.setFeature({stored.axis.data(), AxisReportLength});
        c.setFeature({stored.general.data(), GeneralReportLength});
        c.setFeature({stored.hid.data(), HidReportLength});
    });
    auto* start = form->findChild<TWkColorComboBox*>(QStringLiteral("led_color_init"));
    const int standard = start->count();

    for (int read = 1; read <= 2; ++read) {
        SCOPED_TRACE(read);
        Exchange().Exchange().btnRead_MKClick();
        EXPECT_EQ(start->count(), standard + 1) << "reselected, not added again";
        EXPECT_EQ(start->currentText(), QStringLiteral("Custom"));
        EXPECT_EQ(start->ColorValue(), 0x00FF8000);
        EXPECT_EQ(form->CurrentConfig().ledColorInit, 0x00FF8000u);
    }

    Button("btnClrConfig")->click();
    EXPECT_EQ(start->currentText(), QStringLiteral("Black"));
    EXPECT_EQ(form->CurrentConfig().ledColorInit, 0u) << "the cleared box also gives black";
}
