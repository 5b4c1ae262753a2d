#include "configurator/model/edit_filters.h"
#include "configurator/model/report_codec.h"
#include "tests/configurator/expect_same_config.h"
#include "tests/configurator/window/window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <functional>
#include <optional>

namespace {

// What the user does: picks an item of a combo box.
void Pick(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Type(QWidget* edit, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

struct EnablingCase {
    const char* name;
    int source;
    bool usage, port, channel, deadZones, calibration, virtualAxis;
};

// Source list: 0 "--", 1 virtual, 2 internal ADC, 3 KMA200, 4 MCP3201, 5 MCP3202,
// 6 MCP3204s/MCP3208s, 7 MCP3204d/MCP3208d, 8 KMZ60+MCP3202, 9 KMZ60+MCP3208d, 10 TLE5010/5011,
// 11 S/C-TLE5010/5011.
const EnablingCase EnablingCases[] = {
    {"no source", 0, false, false, false, false, false, false},
    {"virtual axis", 1, true, false, false, true, true, true},
    {"internal ADC", 2, true, true, false, true, true, false},
    {"single-channel chip", 4, true, true, false, true, true, false},
    {"two-channel chip", 5, true, true, true, true, true, false},
    {"eight-channel chip", 7, true, true, true, true, true, false},
    {"magnetic sensor", 8, true, true, false, true, true, false},
    {"chip with channels", 9, true, true, true, true, true, false},
    {"angle sensor", 10, true, true, false, true, true, false},
    {"angle sensor with channels", 11, true, true, true, true, true, false},
};

TEST_F(WindowTest, AxisRowControlsFollowTheSource) {
    Open();
    for (int row : {1, 10}) {
        for (const EnablingCase& c : EnablingCases) {
            SCOPED_TRACE(std::string(c.name) + " row " + std::to_string(row));
            const QString n = QString::number(row);
            Pick(Find<QComboBox>("osi_" + n + "_src"), c.source);
            EXPECT_EQ(Find<QComboBox>("osi_" + n + "_name")->isEnabled(), c.usage);
            EXPECT_EQ(Find<QComboBox>("osi_" + n + "_src_port")->isEnabled(), c.port);
            EXPECT_EQ(Find<QComboBox>("osi_" + n + "_src_chnl")->isEnabled(), c.channel);
            EXPECT_EQ(Find<QSpinBox>("osi_" + n + "_dzd")->isEnabled(), c.deadZones);
            EXPECT_EQ(Find<QLineEdit>("osi_" + n + "_acal_cen")->isEnabled(), c.calibration);
            EXPECT_EQ(Find<QLineEdit>("osi_" + n + "_ms_step")->isEnabled(), c.virtualAxis);
            EXPECT_EQ(Find<QComboBox>("osi_" + n + "_ms_btn_u")->isEnabled(), c.virtualAxis);
        }
    }
}

TEST_F(WindowTest, SourceForcesRowValues) {
    Open();
    auto* source = Find<QComboBox>("osi_2_src");
    auto* acal = Find<QComboBox>("osi_2_acal");
    auto* filter = Find<QComboBox>("osi_2_filter");
    auto* invert = Find<QCheckBox>("osi_2_invert");
    auto* precision = Find<QComboBox>("osi_2_prcsn");
    auto* channel = Find<QComboBox>("osi_2_src_chnl");

    Pick(source, 3); // KMA200 calibrates by itself
    EXPECT_EQ(acal->currentIndex(), 2);

    Pick(source, 5);
    Pick(channel, 4);
    filter->setCurrentIndex(3);
    invert->setChecked(true);
    precision->setCurrentIndex(6);
    Pick(source, 4); // no channels on this chip
    EXPECT_EQ(channel->currentIndex(), 0);
    EXPECT_TRUE(invert->isChecked());

    Pick(source, 1); // a virtual axis has no sensor settings
    EXPECT_EQ(acal->currentIndex(), 0);
    EXPECT_EQ(filter->currentIndex(), 0);
    EXPECT_FALSE(invert->isChecked());
    EXPECT_EQ(precision->currentIndex(), 6);

    Pick(source, 0); // no source clears the whole row
    EXPECT_EQ(precision->currentIndex(), 0);
    EXPECT_EQ(Find<QComboBox>("osi_2_name")->currentIndex(), 0);

    Pick(Find<QComboBox>("osi_3_src"), 4);
    Find<QSpinBox>("osi_3_dzc")->setValue(3);
    EXPECT_EQ(Find<QComboBox>("osi_3_acal")->currentIndex(), 1) << "a centre dead zone";
    Find<QSpinBox>("osi_3_dzc")->setValue(0);
    Pick(Find<QComboBox>("osi_3_acal"), 0);
    Find<QSpinBox>("osi_3_dzh")->setValue(1);
    EXPECT_EQ(Find<QComboBox>("osi_3_acal")->currentIndex(), 2) << "a high dead zone";
}

TEST_F(WindowTest, DefaultsAfterStartAndReset) {
    TMForm& window = Open();
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "start" : "reset button");
        EXPECT_EQ(Find<QLineEdit>("dev_vid")->text(), "8888");
        EXPECT_EQ(Find<QLineEdit>("dev_pid")->text(), "8888");
        EXPECT_EQ(Find<QLineEdit>("dev_name")->text(), "Tavro2");
        EXPECT_EQ(Find<QComboBox>("dev_poll")->currentText(), "2");
        EXPECT_EQ(Find<QLineEdit>("osi_6_zm_del")->text(), "2");
        EXPECT_EQ(Find<QLineEdit>("osi_6_zm_spd")->text(), "1");
        EXPECT_EQ(Find<QSpinBox>("osi_4_curve_07")->value(), 100);
        EXPECT_FALSE(Find<QCheckBox>("hat_1_on")->isChecked());
        EXPECT_FALSE(Find<QComboBox>("hat_1_up")->isEnabled());
        EXPECT_EQ(Find<QComboBox>("led_color_init")->currentIndex(), 0);
        EXPECT_FALSE(window.State().ConfigError);
        EXPECT_EQ(Find<QLineEdit>("chk_report_info")->text(), " 0 0.");
        EXPECT_EQ(window.CurrentConfig().axes[0].source, 0);

        Pick(Find<QComboBox>("osi_1_src"), 2);
        Find<QLineEdit>("dev_name")->setText("Other");
        Find<QCheckBox>("hat_2_on")->setChecked(true);
        Find<QLineEdit>("osi_6_zm_del")->setText("50");
        window.btnClrConfigClick();
    }
}

struct KeyCase {
    const char* name;
    const char* edit;
    const char* typed;
    const char* shown;
};

const KeyCase KeyCases[] = {
    {"hex id takes upper-case digits", "dev_vid", "aA1g", "A1"},
    {"name takes its character set", "dev_name", "x![]_ -(9)", "x[]_ -(9)"},
    {"calibration takes digits", "osi_1_acal_max", "1a2.3", "123"},
    {"button timer takes digits", "btn_timer_2", "+12", "12"},
    {"range bound takes digits", "ab_03_h", "7x", "7"},
};

TEST_F(WindowTest, EditsSwallowKeysTheyDoNotTake) {
    Open();
    Pick(Find<QComboBox>("osi_1_src"), 2); // calibration edits take input with a source
    for (const KeyCase& c : KeyCases) {
        SCOPED_TRACE(c.name);
        auto* edit = Find<QLineEdit>(c.edit);
        edit->clear();
        edit->setText(QString());
        Type(edit, QString::fromUtf8(c.typed));
        const QString shown = QString::fromUtf8(c.shown);
        // Emptied number edits show "0" again; the typed digits follow it.
        EXPECT_TRUE(edit->text() == shown || edit->text() == "0" + shown)
            << edit->text().toStdString();
    }
}

// The key handlers are the window's own: called directly they swallow a key by setting it to 0
// and run the check; a key typed into their control reaches them.
TEST_F(WindowTest, KeyHandlersSwallowWhatTheirEditsDoNotTake) {
    TMForm& window = Open();
    Pick(Find<QComboBox>("osi_1_src"), 2); // calibration edits take input with a source
    Pick(Find<QComboBox>("osi_1_name"), 1);
    using Handler = void (TMForm::*)(QObject*, QChar&);
    const struct {
        const char* edit;
        Handler handler;
        char16_t key;
        bool kept;
    } cases[] = {
        {"osi_1_acal_min", &TMForm::DigitControl, u'7', true},
        {"osi_1_acal_min", &TMForm::DigitControl, u'a', false},
        {"btn_timer_1", &TMForm::DigitControl, 8, true},
        {"ab_02_l", &TMForm::DigitControl, u'-', false},
        {"dev_vid", &TMForm::HexDigitControl, u'F', true},
        {"dev_pid", &TMForm::HexDigitControl, u'f', false},
        {"dev_name", &TMForm::dev_nameKeyPress, u'_', true},
        {"dev_name", &TMForm::dev_nameKeyPress, u'\u0416', false},
    };
    auto* vendor = Find<QLineEdit>("dev_vid");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " " + std::to_string(int(c.key)));
        auto* edit = Find<QLineEdit>(c.edit);
        {
            const QSignalBlocker quiet(vendor);
            vendor->setText("12");
        }
        QChar key(c.key);
        (window.*c.handler)(edit, key);
        EXPECT_EQ(key.isNull(), !c.kept);
        EXPECT_TRUE(window.State().ConfigError) << "the check ran";
        vendor->setText("8888");
        ASSERT_FALSE(window.State().ConfigError);

        const QString original = edit->text();
        edit->setText("1");
        edit->setCursorPosition(1);
        QKeyEvent press(QEvent::KeyPress, c.key == 8 ? Qt::Key_Backspace : 0, Qt::NoModifier,
                        QString(QChar(c.key)));
        QApplication::sendEvent(edit, &press);
        EXPECT_EQ(edit->text() != "1", c.kept) << edit->text().toStdString();
        edit->setText(original);
    }
}

// One edit of each filter and binding group that takes typing (the live values are read-only).
const char* const FilteredEdits[] = {"dev_vid",        "dev_pid",       "dev_name",
                                     "osi_1_acal_min", "osi_4_ms_step", "osi_3_zm_del",
                                     "osi_5_zm_spd",   "btn_timer_2",   "ab_03_h"};

// What a key that types no printable character does in an edit holding "100" with the cursor
// after the first character.
enum class KeyEffect {
    MovesFocus,
    DeletesAfterCursor,
    EndsEditing,
    PassesOn,
    CursorLeft,
    CursorRight,
    CursorHome,
    CursorEnd
};

struct DesktopKeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text; // what X11 and Wayland give the key
    KeyEffect effect;
    const char* shown;
    int cursor;
};

const DesktopKeyCase DesktopKeyCases[] = {
    {"Tab", Qt::Key_Tab, Qt::NoModifier, "\t", KeyEffect::MovesFocus, "100", 1},
    {"Backtab", Qt::Key_Backtab, Qt::ShiftModifier, "\t", KeyEffect::MovesFocus, "100", 1},
    {"Delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", KeyEffect::DeletesAfterCursor, "10", 1},
    {"Return", Qt::Key_Return, Qt::NoModifier, "\r", KeyEffect::EndsEditing, "100", 1},
    {"Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", KeyEffect::EndsEditing, "100", 1},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", KeyEffect::PassesOn, "100", 1},
    {"Left", Qt::Key_Left, Qt::NoModifier, "", KeyEffect::CursorLeft, "100", 0},
    {"Right", Qt::Key_Right, Qt::NoModifier, "", KeyEffect::CursorRight, "100", 2},
    {"Home", Qt::Key_Home, Qt::NoModifier, "", KeyEffect::CursorHome, "100", 0},
    {"End", Qt::Key_End, Qt::NoModifier, "", KeyEffect::CursorEnd, "100", 3},
    {"Up", Qt::Key_Up, Qt::NoModifier, "", KeyEffect::PassesOn, "100", 1},
    {"Down", Qt::Key_Down, Qt::NoModifier, "", KeyEffect::PassesOn, "100", 1},
};

TEST_F(WindowTest, KeysThatTypeNoCharacterWorkInFilteredEdits) {
    Open();
    form->show();
    QApplication::setActiveWindow(form.get());
    Pick(Find<QComboBox>("osi_1_src"), 2); // calibration edits take input with a source
    Pick(Find<QComboBox>("osi_4_src"), 1); // the step takes input on a virtual axis
    for (const char* name : FilteredEdits) {
        for (const DesktopKeyCase& c : DesktopKeyCases) {
            SCOPED_TRACE(std::string(name) + ": " + c.name);
            auto* edit = Find<QLineEdit>(name);
            ASSERT_TRUE(edit->isEnabled());
            edit->setFocus();
            ASSERT_TRUE(edit->hasFocus());
            edit->setText("100");
            edit->setCursorPosition(1);
            int finished = 0;
            const QMetaObject::Connection counting =
                QObject::connect(edit, &QLineEdit::editingFinished, [&] { ++finished; });

            QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
            QApplication::sendEvent(edit, &press);
            QObject::disconnect(counting);

            const bool movesFocus = c.effect == KeyEffect::MovesFocus;
            EXPECT_EQ(edit->hasFocus(), !movesFocus);
            if (movesFocus) {
                EXPECT_NE(QApplication::focusWidget(), nullptr);
            }
            EXPECT_EQ(edit->text().toStdString(), c.shown);
            EXPECT_EQ(edit->cursorPosition(), c.cursor);
            EXPECT_EQ(finished > 0, c.effect == KeyEffect::EndsEditing || movesFocus);
            if (c.effect == KeyEffect::PassesOn) {
                EXPECT_FALSE(press.isAccepted()) << "the edit leaves the key to its window";
            }
        }
    }
}

struct ClampCase {
    const char* name;
    const char* edit;
    const char* text;
    const char* shown;
};

const ClampCase ClampCases[] = {
    {"timer above 254", "btn_timer_1", "300", "254"},
    {"timer cleared", "btn_timer_3", "", "0"},
    {"step above 100", "osi_1_ms_step", "150", "100"},
    {"step of another row", "osi_7_ms_step", "101", "100"},
    {"vendor id cut to four", "dev_vid", "12345", "1234"},
    {"name cut to fifteen", "dev_name", "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNO"},
    {"delay below 2", "osi_2_zm_del", "1", "2"},
    {"delay above 200", "osi_2_zm_del", "250", "200"},
    {"speed below 1", "osi_5_zm_spd", "0", "1"},
};

TEST_F(WindowTest, EditsAreHeldToTheirRange) {
    Open();
    for (const ClampCase& c : ClampCases) {
        SCOPED_TRACE(c.name);
        auto* edit = Find<QLineEdit>(c.edit);
        edit->setText(QString::fromUtf8(c.text));
        EXPECT_EQ(edit->text().toStdString(), c.shown);
    }
}

TEST_F(WindowTest, DelayBeingTypedIsClampedWhenEditingEnds) {
    Open();
    form->show();
    QApplication::setActiveWindow(form.get());
    auto* delay = Find<QLineEdit>("osi_3_zm_del");
    delay->setFocus();
    ASSERT_TRUE(delay->hasFocus());
    delay->clear();
    Type(delay, "15");
    EXPECT_EQ(delay->text(), "15");
    delay->setText("1");
    EXPECT_EQ(delay->text(), "1");
    Find<QLineEdit>("dev_name")->setFocus();
    EXPECT_EQ(delay->text(), "2");
}

TEST_F(WindowTest, HatSwitchClearsAndDisablesItsDirections) {
    Open();
    auto* on = Find<QCheckBox>("hat_2_on");
    auto* up = Find<QComboBox>("hat_2_up");
    on->setChecked(true);
    EXPECT_TRUE(up->isEnabled());
    Pick(up, 5);
    on->setChecked(false);
    EXPECT_EQ(up->currentIndex(), 0);
    EXPECT_FALSE(up->isEnabled());
    EXPECT_FALSE(Find<QComboBox>("hat_2_rt")->isEnabled());
}

TEST_F(WindowTest, AnIdThatIsNotFourHexDigitsIsReportedAtOnce) {
    TMForm& window = Open();
    const struct {
        const char* edit;
        const char* text;
        const char* shown;
    } cases[] = {
        {"dev_vid", "1A2", "[1A2] (4 × 0..9, A..F)"},
        {"dev_pid", "12G4", "[12G4] (4 × 0..9, A..F)"},
        {"dev_vid", "", "[] (4 × 0..9, A..F)"},
        {"dev_vid", "C8", "[C8] (4 × 0..9, A..F)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit + std::string(" ") + c.text);
        auto* edit = Find<QLineEdit>(c.edit);
        edit->setText(c.text);
        EXPECT_TRUE(window.State().ConfigError);
        EXPECT_TRUE(Find<QLineEdit>("chk_report_info")->text().endsWith(QString::fromUtf8(c.shown)))
            << Find<QLineEdit>("chk_report_info")->text().toStdString();

        // Saving shows the same verdict and writes nothing.
        host.log.clear();
        Find<QPushButton>("btnWrite_PC")->click();
        ASSERT_EQ(host.log.size(), 1);
        EXPECT_TRUE(host.log[0].contains(QString::fromUtf8(c.shown))) << host.log[0].toStdString();

        edit->setText("8888");
        EXPECT_FALSE(window.State().ConfigError);
    }
}

TEST_F(WindowTest, CalibrationHandlerRunsTheCheckOnValuesSetQuietly) {
    TMForm& window = Open();
    auto* vendor = Find<QLineEdit>("dev_vid");
    {
        const QSignalBlocker quiet(vendor);
        vendor->setText("12");
    }
    ASSERT_FALSE(window.State().ConfigError);

    window.osi_1_cal_01_sldrChange();
    EXPECT_TRUE(window.State().ConfigError);
    EXPECT_TRUE(Find<QLineEdit>("chk_report_info")->text().endsWith(u"[12] (4 × 0..9, A..F)"));
}

TEST_F(WindowTest, CheckLineShowsTheFirstProblem) {
    TMForm& window = Open();
    for (int row : {1, 2}) {
        const QString n = QString::number(row);
        Pick(Find<QComboBox>("osi_" + n + "_src"), 4);
        Pick(Find<QComboBox>("osi_" + n + "_src_port"), 1);
        Pick(Find<QComboBox>("osi_" + n + "_name"), row);
    }
    EXPECT_TRUE(window.State().ConfigError);
    EXPECT_TRUE(Find<QLineEdit>("chk_report_info")->text().endsWith(" 2"))
        << Find<QLineEdit>("chk_report_info")->text().toStdString();

    Pick(Find<QComboBox>("osi_2_src_port"), 2);
    EXPECT_FALSE(window.State().ConfigError);
    EXPECT_EQ(Find<QLineEdit>("chk_report_info")->text(), " 2 0.");
}

// The rules write only the texts they set; every other edit keeps what the user typed.
TEST_F(WindowTest, RulesWriteOnlyTheTextsTheySet) {
    Open();
    Pick(Find<QComboBox>("osi_2_src"), 2); // internal ADC: its calibration takes input
    Pick(Find<QComboBox>("osi_3_src"), 1); // virtual axis: its step takes input
    Pick(Find<QComboBox>("ab_01_b"), 5);   // a range with a button keeps its bounds
    const struct {
        const char* edit;
        const char* typed;
    } typed[] = {
        {"osi_2_acal_min", ""},   {"osi_2_acal_cen", "007"}, {"osi_2_acal_max", "0065535"},
        {"osi_3_ms_step", "007"}, {"ab_01_l", "007"},        {"ab_01_h", ""},
        {"osi_4_zm_del", "007"},  {"osi_5_zm_spd", "0012"},  {"btn_timer_1", "007"},
    };
    // Texts the row rule sets: calibration of a row without source and of a virtual axis, the
    // step of a row that is no virtual axis, the bounds of a range without a button.
    const char* const forced[] = {"osi_5_acal_min", "osi_3_acal_cen", "osi_6_ms_step",
                                  "osi_2_ms_step", "ab_02_h"};
    const struct {
        const char* name;
        std::function<void()> act;
        bool axisRules;
    } actions[] = {
        {"a combo of another row", [&] { Pick(Find<QComboBox>("osi_1_src"), 4); }, true},
        {"a dead-zone spin", [&] { Find<QSpinBox>("osi_2_dzl")->setValue(1); }, true},
        {"the board", [&] { Pick(Find<QComboBox>("joy_hardware"), 0); }, true},
        {"a hat switch", [&] { Find<QCheckBox>("hat_1_on")->setChecked(true); }, false},
        {"a hat direction", [&] { Pick(Find<QComboBox>("hat_1_up"), 3); }, false},
    };
    for (const auto& action : actions) {
        SCOPED_TRACE(action.name);
        for (const auto& t : typed) {
            Find<QLineEdit>(t.edit)->setText(t.typed);
            ASSERT_EQ(Find<QLineEdit>(t.edit)->text(), t.typed) << t.edit;
        }
        for (const char* edit : forced) {
            const QSignalBlocker quiet(Find<QLineEdit>(edit));
            Find<QLineEdit>(edit)->setText("12");
        }
        action.act();
        for (const auto& t : typed) {
            EXPECT_EQ(Find<QLineEdit>(t.edit)->text(), t.typed) << t.edit;
        }
        for (const char* edit : forced) {
            EXPECT_EQ(Find<QLineEdit>(edit)->text(), action.axisRules ? "0" : "12") << edit;
        }
    }
}

struct LimitCase {
    const char* edit;
    int limit;
    const char* hugeShows; // what a number too long for any field becomes
    std::function<std::optional<int>(const Config&)> field;
};

// Every digits-only edit that goes into the images, with the largest value its field holds.
const LimitCase LimitCases[] = {
    {"osi_2_acal_min", CalibrationMax, "65535",
     [](const Config& c) {
         return std::optional(c.axes[1].calibrationMin);
     }},
    {"osi_2_acal_cen", CalibrationMax, "65535",
     [](const Config& c) {
         return std::optional(c.axes[1].calibrationCentre);
     }},
    {"osi_9_acal_max", CalibrationMax, "65535",
     [](const Config& c) {
         return std::optional(c.axes[8].calibrationMax);
     }},
    {"osi_3_ms_step", StepMax, "100",
     [](const Config& c) {
         return c.axes[2].step;
     }},
    {"osi_10_ms_step", StepMax, "100",
     [](const Config& c) {
         return c.axes[9].step;
     }},
    {"ab_01_l", RangeBoundMax, "255",
     [](const Config& c) {
         return std::optional(c.axisButtonRanges[0].low);
     }},
    {"ab_04_h", RangeBoundMax, "255",
     [](const Config& c) {
         return std::optional(c.axisButtonRanges[3].high);
     }},
    {"btn_timer_2", ButtonTimerMax, "254",
     [](const Config& c) {
         return std::optional(c.buttonTimers[1]);
     }},
    // The check reads a delay or speed that is no int as 0, which it holds to 2 and 1.
    {"osi_1_zm_del", 200, "2",
     [](const Config& c) {
         return c.specialFunctions[0].delay;
     }},
    {"osi_6_zm_spd", 200, "1",
     [](const Config& c) {
         return c.specialFunctions[5].speed;
     }},
};

// A number beyond what the image holds shows what the image holds, so what the window shows
// is what a write sends and what a read brings back.
TEST_F(WindowTest, NumberEditsShowWhatTheImageHolds) {
    TMForm& window = Open();
    for (const char* row : {"osi_2_src", "osi_9_src"}) {
        Pick(Find<QComboBox>(row), 2);
    }
    for (const char* row : {"osi_3_src", "osi_10_src"}) {
        Pick(Find<QComboBox>(row), 1);
    }
    Pick(Find<QComboBox>("ab_01_b"), 5);
    Pick(Find<QComboBox>("ab_04_b"), 6);
    for (const LimitCase& c : LimitCases) {
        const QString limit = QString::number(c.limit);
        const std::pair<QString, QString> typed[] = {{QString::number(c.limit + 1), limit},
                                                     {"99999999999", c.hugeShows},
                                                     {limit, limit},
                                                     {"17", "17"}};
        for (const auto& [text, shown] : typed) {
            SCOPED_TRACE(std::string(c.edit) + " " + text.toStdString());
            auto* edit = Find<QLineEdit>(c.edit);
            edit->setText(text);
            EXPECT_EQ(edit->text(), shown);
            const EncodeResult encoded = ConfigToReport(window.CurrentConfig());
            ASSERT_TRUE(encoded.ok());
            const Config back =
                ReportToConfig(encoded.images.axis, encoded.images.general, encoded.images.hid);
            EXPECT_EQ(c.field(back), shown.toInt());
        }
    }
}

// A pasted name the image cannot hold is the check's problem; when another problem comes first
// in the line, a save stopped by the name names the name.
TEST_F(WindowTest, ANameTheImageCannotHoldIsTheReasonShown) {
    TMForm& window = Open();
    auto* name = Find<QLineEdit>("dev_name");
    auto* line = Find<QLineEdit>("chk_report_info");
    const QString refused = QString::fromUtf8("[Джойстик]: Д");
    name->setText(QString::fromUtf8("Джойстик"));
    EXPECT_TRUE(window.State().ConfigError);
    EXPECT_TRUE(line->text().endsWith(refused)) << line->text().toStdString();

    Pick(Find<QComboBox>("osi_1_src"), 2); // an axis without usage comes first
    const QString usage = line->text();
    EXPECT_FALSE(usage.contains(refused)) << usage.toStdString();
    host.log.clear();
    Find<QPushButton>("btnWrite_PC")->click();
    ASSERT_EQ(host.log.size(), 1) << host.log.join('\n').toStdString();
    EXPECT_TRUE(host.log[0].contains(refused)) << host.log[0].toStdString();
    EXPECT_TRUE(host.fileRequests.empty());

    // The other problem alone does not stop a save: its box comes, then the dialog.
    name->setText("Joy");
    EXPECT_EQ(line->text(), usage);
    host.log.clear();
    Find<QPushButton>("btnWrite_PC")->click();
    EXPECT_EQ(host.fileRequests.size(), 1u);
    ASSERT_FALSE(host.log.isEmpty());
    EXPECT_TRUE(host.log[0].contains(usage)) << host.log[0].toStdString();
}

} // namespace

namespace {

// A configuration that sets a field of every kind, kept consistent by the model's own rules.
Config RichConfig() {
    Config c = DefaultConfig();
    for (auto& slot : c.specialFunctions) {
        slot.delay = 2; // as the check leaves them
        slot.speed = 1;
    }
    c.axes[0] = {.source = 5,
                 .port = 9,
                 .channel = 3,
                 .usage = 1,
                 .filter = 4,
                 .invert = true,
                 .autoCalibration = 3,
                 .precision = 6,
                 .specialFunction = 2,
                 .deadZoneLow = 1,
                 .deadZoneCentre = 2,
                 .deadZoneHigh = 3,
                 .deadZoneSecond = 4,
                 .calibrationMin = 100,
                 .calibrationCentre = 30000,
                 .calibrationMax = 65535};
    c.axes[3].source = 1;
    c.axes[3].usage = 13;
    c.axes[3].step = 42;
    c.axes[3].buttonUp = 7;
    c.axes[3].buttonCentre = 8;
    c.axes[3].buttonDown = 9;
    c.axes[9].source = 2;
    c.axes[9].usage = 2;
    c.specialFunctions[1] = {{0, 25, 50, 75, 100, 125, 150, 175, 200}, true, 96, 20, 30};
    c.hats[1] = {true, {11, 12, 13, 14}};
    c.matrixRows[9] = 48;
    c.matrixColumns[0] = 1;
    c.knpTable[0] = {.number = 96, .mode = 4, .shift = 3, .timOn = 2, .timOf = 1};
    c.knpTable[63].number = 1;
    c.kbMsTable[14].type = 129;
    c.kbMsTable[14].number = 5;
    c.kbMsTable[0].timOn = 3;
    c.shiftButtons = {1, 2, 96};
    c.buttonTimers = {0, 100, 254};
    c.encoders[5] = {20, 21};
    c.shiftRegisters[1] = {47, 4};
    c.axisButtonRanges[2] = {3, 8, 10, 250};
    c.pollInterval = 4;
    c.ledPort = 17;
    c.ledColorInit = 0x123456;
    c.identity = {"1A2B", "00FF", "Stick [1]"};
    const EncodeResult encoded = ConfigToReport(c);
    EXPECT_TRUE(encoded.ok());
    Config normal = ReportToConfig(encoded.images.axis, encoded.images.general, encoded.images.hid);
    normal.hats = c.hats;
    return normal;
}

TEST_F(WindowTest, ConfigurationShownIsTheConfigurationRead) {
    TMForm& window = Open();
    const Config config = RichConfig();
    window.SetConfig(config);
    ExpectSameConfig(window.CurrentConfig(), config);
    EXPECT_FALSE(window.State().ConfigError)
        << Find<QLineEdit>("chk_report_info")->text().toStdString();

    window.btnClrConfigClick();
    Config cleared = DefaultConfig();
    for (auto& slot : cleared.specialFunctions) {
        slot.delay = 2;
        slot.speed = 1;
    }
    ExpectSameConfig(window.CurrentConfig(), cleared);
}

} // namespace
