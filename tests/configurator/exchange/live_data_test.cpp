// The live-data poll: when it reads report 7, and how a report shows in the window.

#include "platform/ui/color.h"
#include "tests/configurator/exchange/exchange_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QStringList PollLog = {"get 7 (170)"};

LiveData SampleLiveData() {
    LiveData data;
    data.board = 2;
    data.uptime = {1, 2, 3};
    data.rawValues[0] = 0x1234;
    data.rawValues[1] = 77;
    data.axisValues[0] = 512;
    data.axisValues[1] = 99;
    data.buttons[0] = true;
    data.buttons[95] = true;
    data.debugWords = {5, 0, 0xFFFF, 1};
    data.errorCounters[0] = 9;
    data.errorCounters[9] = 255;
    return data;
}

QColor Indicator(TMForm& form, const char* name) {
    return form.findChild<QLabel*>(QString::fromLatin1(name))->palette().color(QPalette::Window);
}

} // namespace

TEST_F(ExchangeTest, ThePollReadsOnlyWhenPollingOnAConfigurationPageWithADevice) {
    struct Case {
        bool polling;
        int page;
        bool device;
        bool reads;
        bool showsNoDevice;
    };
    const Case cases[] = {
        {true, TMForm::TabOSI, true, true, false},
        {true, TMForm::TabOSI_SF, true, true, false},
        {true, TMForm::TabKNP, true, true, false},
        {true, TMForm::TabLED, true, true, false},
        {true, TMForm::TabFMW, true, false, false},
        {true, TMForm::TabJoyStat, true, false, false},
        {false, TMForm::TabOSI, true, false, false},
        {false, TMForm::TabLED, false, false, false},
        {true, TMForm::TabOSI, false, false, true},
        {true, TMForm::TabJoyStat, false, false, false},
    };
    Connect();
    auto* pages = Find<QTabWidget>(QStringLiteral("WkPageControl"));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "polling " << c.polling << " page " << c.page << " device " << c.device);
        EnableDeviceButtons();
        pages->setCurrentIndex(c.page);
        State().PollingEnabled = c.polling;
        State().ConfigDevice = c.device ? device : nullptr;
        host.log.clear();

        form->TmrGetRawDataTimer();

        EXPECT_EQ(Log(), c.reads ? PollLog : QStringList());
        EXPECT_EQ(Button("btnRead_MK")->isEnabled(), !c.showsNoDevice);
        EXPECT_TRUE(form->TmrGetRawData().isActive());
    }
    State().ConfigDevice = device; // handed back with the window
}

TEST_F(ExchangeTest, LiveDataShowsInTheControls) {
    Connect();
    form->btnClrConfigClick();
    form->Arrays().OsiSrc[1]->setCurrentIndex(2);
    form->Arrays().OsiValue[2]->setText(QStringLiteral("untouched"));
    form->Arrays().OsiAxisValue[2]->setText(QStringLiteral("untouched"));
    sim->with([](SimController& c) { c.live() = SampleLiveData(); });

    form->TmrGetRawDataTimer();

    EXPECT_EQ(Find<QComboBox>(QStringLiteral("joy_hardware"))->currentIndex(), 2);
    EXPECT_EQ(Find<QComboBox>(QStringLiteral("joy_hardware_mcu"))->currentText(),
              QStringLiteral("AT90USB646"));
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("joy_uptime"))->text(), QStringLiteral("1:2:3"));
    EXPECT_EQ(form->Arrays().OsiValue[1]->text(), QStringLiteral("4660"));
    EXPECT_EQ(form->Arrays().OsiAxisValue[1]->text(), QStringLiteral("512"));
    EXPECT_EQ(form->Arrays().OsiValue[2]->text(), QStringLiteral("untouched"));
    EXPECT_EQ(form->Arrays().OsiAxisValue[2]->text(), QStringLiteral("untouched"));
    EXPECT_EQ(Indicator(*form, "joy_knp_01"), ToQColor(clRed));
    EXPECT_EQ(Indicator(*form, "joy_knp_02"), ToQColor(clBtnFace));
    EXPECT_EQ(Indicator(*form, "joy_knp_96"), ToQColor(clRed));
    EXPECT_TRUE(Find<QLineEdit>(QStringLiteral("DebugText"))
                    ->text()
                    .startsWith(QStringLiteral("d[5] b[0000000000000101]   d[0] ")));
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("adc_error_1"))->text(), QStringLiteral("9"));
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("adc_error_10"))->text(), QStringLiteral("255"));
}

TEST_F(ExchangeTest, ALampIsTouchedOnlyWhenItsButtonChanges) {
    Connect();
    auto* lamp = form->findChild<QLabel*>(QStringLiteral("joy_knp_01"));
    const auto paint = [&](TColor color) {
        QPalette palette = lamp->palette();
        palette.setColor(QPalette::Window, ToQColor(color));
        lamp->setPalette(palette);
    };
    const struct {
        const char* name;
        bool pressed;
        TColor shown;
    } polls[] = {
        {"pressed", true, clRed},       {"still pressed: left as it is", true, clGreen},
        {"released", false, clBtnFace}, {"still released: left as it is", false, clGreen},
        {"pressed again", true, clRed},
    };
    for (const auto& poll : polls) {
        SCOPED_TRACE(poll.name);
        sim->with([&](SimController& c) {
            c.live().board = 1;
            c.live().buttons[0] = poll.pressed;
        });
        form->TmrGetRawDataTimer();
        EXPECT_EQ(Indicator(*form, "joy_knp_01"), ToQColor(poll.shown));
        // Marks the lamp, so the next poll shows whether it set the colour again.
        paint(clGreen);
    }
}

TEST_F(ExchangeTest, ABoardByteOutsideTheKnownBoardsLeavesTheBoardBoxes) {
    Connect();
    auto* board = Find<QComboBox>(QStringLiteral("joy_hardware"));
    auto* chip = Find<QComboBox>(QStringLiteral("joy_hardware_mcu"));
    sim->with([](SimController& c) { c.live().board = 3; });
    form->TmrGetRawDataTimer();
    ASSERT_EQ(board->currentIndex(), 3);

    sim->with([](SimController& c) {
        c.live().board = 4;
        c.live().uptime = {7, 8, 9};
    });
    form->TmrGetRawDataTimer();

    EXPECT_EQ(board->currentIndex(), 3);
    EXPECT_EQ(chip->currentText(), QStringLiteral("AT90USB1286"));
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("joy_uptime"))->text(), QStringLiteral("7:8:9"));
}

TEST_F(ExchangeTest, ANoBoardOrFailedReadKeepsTheDisplay) {
    struct Case {
        const char* name;
        int board;
        bool fails;
    };
    const Case cases[] = {{"no board", 0, false}, {"failed read", 1, true}};
    Connect();
    auto* uptime = Find<QLineEdit>(QStringLiteral("joy_uptime"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        uptime->setText(QStringLiteral("before"));
        logBus.failingGets = c.fails ? std::set<int>{7} : std::set<int>{};
        sim->with([&](SimController& controller) {
            controller.live().board = c.board;
            controller.live().uptime = {1, 1, 1};
        });

        form->TmrGetRawDataTimer();

        EXPECT_EQ(uptime->text(), QStringLiteral("before"));
        EXPECT_EQ(State().LastTransferOk, !c.fails);
    }
}

TEST_F(ExchangeTest, TheCurvePageFollowsTheChosenAxis) {
    Connect();
    Find<QTabWidget>(QStringLiteral("WkPageControl"))->setCurrentIndex(TMForm::TabOSI_SF);
    Find<QComboBox>(QStringLiteral("CurveVisualAxis"))->setCurrentIndex(2);
    form->Arrays().OsiSrc[2]->setCurrentIndex(2);
    sim->with([](SimController& c) { c.live().axisValues[1] = 321; });

    form->TmrGetRawDataTimer();

    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("CurveVisualAxisValue"))->text(),
              QStringLiteral("321"));
}
