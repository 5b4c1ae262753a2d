#include "tests/configurator/window/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <functional>

namespace {

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

void WriteLines(const QString& path, const QStringList& lines) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(lines.join('\n').toUtf8() + '\n');
}

QStringList ReadLines(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast(); // after the last line break
    }
    return lines;
}

struct SettingsCase {
    const char* name;
    QStringList lines;
    const char* language;
    bool debug;
    std::uint16_t vid;
    std::uint16_t pid;
};

TEST_F(WindowTest, StartAppliesTheSettingsFile) {
    Touch(folder.filePath("English.lng"));
    Touch(folder.filePath("Russian.lng"));
    const SettingsCase cases[] = {
        {"all lines",
         {"Russian", "Debug", "COM3", "fw.hex", "2", "1240", "4660"},
         "Russian",
         true,
         1240,
         4660},
        {"debug in lower case", {"English", "debug", "", "", "", "1", "2"}, "English", false, 1, 2},
        {"short file", {"English"}, "English", false, 0, 0},
        {"unknown language, bad ids",
         {"Klingon", "Debug", "", "", "", "x", "70000"},
         "",
         true,
         0,
         0},
    };
    for (const SettingsCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteLines(folder.filePath("Brantuse.ini"), c.lines);
        TMForm& window = Open();
        EXPECT_EQ(Find<QComboBox>("Translate")->currentText().toStdString(), c.language);
        EXPECT_EQ(Find<QCheckBox>("DebugView")->isChecked(), c.debug);
        EXPECT_EQ(Find<QLineEdit>("DebugText")->isHidden(), !c.debug);
        EXPECT_EQ(window.State().FilterVid, c.vid);
        EXPECT_EQ(window.State().FilterPid, c.pid);
        EXPECT_TRUE(window.TmrGetRawData().isActive());
        form.reset();
    }
}

TEST_F(WindowTest, CloseWritesTheSettingsFile) {
    Touch(folder.filePath("English.lng"));
    WriteLines(folder.filePath("Brantuse.ini"),
               {"English", "NoDebug", "COM7", "old.hex", "3", "1240", "4660"});
    TMForm& window = Open();
    Find<QLineEdit>("com_port")->setText("COM9");
    Find<QCheckBox>("DebugView")->setChecked(true);
    window.show();
    ASSERT_TRUE(window.close());
    EXPECT_EQ(ReadLines(folder.filePath("Brantuse.ini")),
              (QStringList{"English", "Debug", "COM9", "old.hex", "3", "1240", "4660"}))
        << "what the firmware page showed from the settings is written back";
}

TEST_F(WindowTest, StartShowsTheFirmwarePageSettings) {
    const struct {
        const char* name;
        QStringList lines;
        const char* port;
        const char* file;
        int loader;
    } cases[] = {
        {"all three",
         {"", "", "/dev/ttyACM0", "/home/u/fw 2.hex", "2"},
         "/dev/ttyACM0",
         "/home/u/fw 2.hex",
         2},
        {"empty lines keep the design values", {"", "", "", "", ""}, "COM1", "-", 0},
        {"a loader that is no number", {"", "", "COM4", "a.hex", "two"}, "COM4", "a.hex", 0},
        {"a loader past the list", {"", "", "COM4", "a.hex", "99"}, "COM4", "a.hex", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteLines(folder.filePath("Brantuse.ini"), c.lines);
        Open();
        EXPECT_EQ(Find<QLineEdit>("com_port")->text().toStdString(), c.port);
        EXPECT_EQ(Find<QLineEdit>("FileFirm")->text().toStdString(), c.file);
        EXPECT_EQ(Find<QComboBox>("select_bootloader")->currentIndex(), c.loader);
        form.reset();
    }
}

TEST_F(WindowTest, StartsWithoutSettingsLanguagesOrDevices) {
    TMForm& window = Open();
    EXPECT_EQ(window.size(), QSize(1175, 694));
    EXPECT_TRUE(window.TmrGetRawData().isActive());
    EXPECT_TRUE(window.TmrForVisual().isActive());
    EXPECT_TRUE(window.TmrPerSecond().isActive());
    EXPECT_EQ(window.TmrGetRawData().interval(), 100);
    EXPECT_EQ(window.TmrForVisual().interval(), 10);
    EXPECT_EQ(window.TmrPerSecond().interval(), 1000);
    EXPECT_EQ(Find<QTabWidget>("WkPageControl")->currentIndex(), 0);
    EXPECT_EQ(Find<QComboBox>("Translate")->count(), 0);
    EXPECT_EQ(Find<QListWidget>("lstHID_DeviceList")->count(), 0);
    EXPECT_FALSE(Find<QCheckBox>("DebugView")->isChecked());
    EXPECT_TRUE(Find<QLineEdit>("DebugText")->isHidden());
    const FormState& state = window.State();
    EXPECT_EQ(state.ReportLengths, (std::array<int, 5>{254, 246, 223, 169, 5}));
    EXPECT_EQ(state.FilterVid, 0);
    EXPECT_EQ(state.FilterPid, 0);
    EXPECT_EQ(state.ConfigDevice, nullptr);
    EXPECT_EQ(state.JoystickDevice, nullptr);
    EXPECT_EQ(state.SelectedCurve, 1);
    EXPECT_TRUE(host.entries(QStringLiteral("exception")).isEmpty())
        << host.log.join('\n').toStdString();
}

// The button lists of a page are one list; each combo keeps its own choice from it.
TEST_F(WindowTest, ButtonCombosShareTheirPagesListAndKeepTheirOwnChoice) {
    Open();
    auto* first = Find<QComboBox>("osi_1_ms_btn");
    auto* second = Find<QComboBox>("osi_2_ms_btn_u");
    auto* otherPage = Find<QComboBox>("enc_01_l");
    EXPECT_EQ(first->model(), second->model());
    EXPECT_NE(first->model(), otherPage->model()) << "a list belongs to its page";
    for (QComboBox* combo : {first, second, otherPage}) {
        ASSERT_EQ(combo->count(), 97) << combo->objectName().toStdString();
        EXPECT_EQ(combo->itemText(0), "--");
        EXPECT_EQ(combo->itemText(96), "96");
    }
    first->setCurrentIndex(5);
    second->setCurrentIndex(7);
    EXPECT_EQ(first->currentText(), "05");
    EXPECT_EQ(second->currentText(), "07");
    EXPECT_EQ(otherPage->currentIndex(), 0);
}

TEST_F(WindowTest, PagesInTheirOrder) {
    Open();
    auto* pages = Find<QTabWidget>("WkPageControl");
    const char* names[] = {"TabOSI", "TabOSI_SF", "TabKNP", "TabLED", "TabFMW", "TabJoyStat"};
    ASSERT_EQ(pages->count(), 6);
    for (int index = 0; index < 6; ++index) {
        EXPECT_EQ(pages->widget(index)->objectName().toStdString(), names[index]);
    }
}

// The matrix captions belong together: the heading stands over the rows and columns of pins it
// names, on the buttons page, and each row caption beside its own pins.
TEST_F(WindowTest, MatrixCaptionsStandOverTheMatrix) {
    Open();
    QWidget* buttonsPage = Find<QWidget>("TabKNP");
    const auto placeOn = [&](const char* name) {
        auto* control = Find<QWidget>(name);
        EXPECT_TRUE(buttonsPage->isAncestorOf(control)) << name;
        return control->geometry();
    };
    const QRect heading = placeOn("lbl_dev_btn");
    const QRect rows = placeOn("lbl_dev_btn_r");
    const QRect columns = placeOn("lbl_dev_btn_c");
    const QRect firstRowPin = placeOn("hw_br_1");
    const QRect firstColumnPin = placeOn("hw_bc_1");
    EXPECT_LE(heading.bottom(), firstRowPin.top());
    EXPECT_LT(firstRowPin.top() - heading.bottom(), firstRowPin.height()) << "right above";
    EXPECT_LE(heading.left(), rows.left());
    EXPECT_TRUE(rows.intersects(QRect(0, firstRowPin.top(), 2000, firstRowPin.height())));
    EXPECT_TRUE(columns.intersects(QRect(0, firstColumnPin.top(), 2000, firstColumnPin.height())));
    EXPECT_LE(rows.right(), firstRowPin.left());
}

TEST_F(WindowTest, ListsLanguageFilesByName) {
    Touch(folder.filePath("English.lng"));
    Touch(folder.filePath("Russian.LNG"));
    Touch(folder.filePath("Twice.lng.lng"));
    Touch(folder.filePath("readme.txt"));
    Open();
    auto* translate = Find<QComboBox>("Translate");
    QStringList items;
    for (int i = 0; i < translate->count(); ++i) {
        items << translate->itemText(i);
    }
    items.sort();
    EXPECT_EQ(items, (QStringList{"English", "Russian", "Twice"}));
    EXPECT_EQ(translate->currentIndex(), -1) << "no language chosen in the settings";
}

// Every slot of every array holds the control its name gives.
TEST_F(WindowTest, ArraysHoldTheNamedControls) {
    TMForm& window = Open();
    const ControlArrays& a = window.Arrays();
    struct ArrayCase {
        const char* pattern;
        int width;
        int count;
        std::function<QWidget*(int)> slot;
    };
    const ArrayCase cases[] = {
        {"osi_%1_src", 1, 10,
         [&](int n) {
             return a.OsiSrc[n];
         }},
        {"osi_%1_src_port", 1, 10,
         [&](int n) {
             return a.OsiSrcPort[n];
         }},
        {"osi_%1_src_chnl", 1, 10,
         [&](int n) {
             return a.OsiSrcChnl[n];
         }},
        {"osi_%1_name", 1, 10,
         [&](int n) {
             return a.OsiName[n];
         }},
        {"osi_%1_filter", 1, 10,
         [&](int n) {
             return a.OsiFilter[n];
         }},
        {"osi_%1_dzl", 1, 10,
         [&](int n) {
             return a.OsiDzl[n];
         }},
        {"osi_%1_dzc", 1, 10,
         [&](int n) {
             return a.OsiDzc[n];
         }},
        {"osi_%1_dzh", 1, 10,
         [&](int n) {
             return a.OsiDzh[n];
         }},
        {"osi_%1_dzd", 1, 10,
         [&](int n) {
             return a.OsiDzd[n];
         }},
        {"osi_%1_acal", 1, 10,
         [&](int n) {
             return a.OsiAcal[n];
         }},
        {"osi_%1_acal_min", 1, 10,
         [&](int n) {
             return a.OsiAcalMin[n];
         }},
        {"osi_%1_acal_cen", 1, 10,
         [&](int n) {
             return a.OsiAcalCen[n];
         }},
        {"osi_%1_acal_max", 1, 10,
         [&](int n) {
             return a.OsiAcalMax[n];
         }},
        {"osi_%1_invert", 1, 10,
         [&](int n) {
             return a.OsiInvert[n];
         }},
        {"osi_%1_ms_step", 1, 10,
         [&](int n) {
             return a.OsiMsStep[n];
         }},
        {"osi_%1_ms_btn_d", 1, 10,
         [&](int n) {
             return a.OsiMsBtnD[n];
         }},
        {"osi_%1_ms_btn", 1, 10,
         [&](int n) {
             return a.OsiMsBtn[n];
         }},
        {"osi_%1_ms_btn_u", 1, 10,
         [&](int n) {
             return a.OsiMsBtnU[n];
         }},
        {"osi_%1_specfunc", 1, 10,
         [&](int n) {
             return a.OsiSpecfunc[n];
         }},
        {"osi_%1_prcsn", 1, 10,
         [&](int n) {
             return a.OsiPrcsn[n];
         }},
        {"joy_osi_%1_t", 2, 10,
         [&](int n) {
             return a.OsiValue[n];
         }},
        {"joy_osi_%1_t_axis", 2, 10,
         [&](int n) {
             return a.OsiAxisValue[n];
         }},
        {"joy_osi_raw_%1", 2, 8,
         [&](int n) {
             return a.StatRaw[n];
         }},
        {"joy_osi_min_%1", 2, 8,
         [&](int n) {
             return a.StatMin[n];
         }},
        {"joy_osi_max_%1", 2, 8,
         [&](int n) {
             return a.StatMax[n];
         }},
        {"joy_osi_stp_%1", 2, 8,
         [&](int n) {
             return a.StatStp[n];
         }},
        {"joy_osi_fps_%1", 2, 8,
         [&](int n) {
             return a.StatFps[n];
         }},
        {"osi_%1_zm_knp", 1, 6,
         [&](int n) {
             return a.ZmKnp[n];
         }},
        {"osi_%1_zm_del", 1, 6,
         [&](int n) {
             return a.ZmDel[n];
         }},
        {"osi_%1_zm_spd", 1, 6,
         [&](int n) {
             return a.ZmSpd[n];
         }},
        {"osi_%1_curve_s", 1, 6,
         [&](int n) {
             return a.CurveSym[n];
         }},
    };
    for (const ArrayCase& c : cases) {
        for (int n = 1; n <= c.count; ++n) {
            const QString name =
                QString::fromLatin1(c.pattern).arg(n, c.width, 10, QLatin1Char('0'));
            QWidget* control = c.slot(n);
            ASSERT_NE(control, nullptr) << name.toStdString();
            EXPECT_EQ(control->objectName(), name);
        }
    }
    for (int slot = 1; slot <= 6; ++slot) {
        for (int point = 1; point <= 9; ++point) {
            QSpinBox* spin = a.CurvePoint[9 * (slot - 1) + point];
            ASSERT_NE(spin, nullptr);
            EXPECT_EQ(spin->objectName(), QStringLiteral("osi_%1_curve_0%2").arg(slot).arg(point));
        }
    }
    EXPECT_EQ(a.StatRaw[9], nullptr) << "statistics use axes 1..8 only";
}

TEST_F(WindowTest, EachTimerRestartsItselfAfterItsHandler) {
    TMForm& window = Open();
    struct TimerCase {
        const char* name;
        QTimer& timer;
        std::function<void()> handler;
    };
    const TimerCase cases[] = {
        {"raw data", window.TmrGetRawData(),
         [&] {
             window.TmrGetRawDataTimer();
         }},
        {"visual", window.TmrForVisual(),
         [&] {
             window.TmrForVisualTimer();
         }},
        {"per second", window.TmrPerSecond(),
         [&] {
             window.TmrPerSecondTimer();
         }},
    };
    auto* pages = Find<QTabWidget>("WkPageControl");
    for (int page : {0, 4, 5}) {
        pages->setCurrentIndex(page);
        for (const TimerCase& c : cases) {
            SCOPED_TRACE(c.name);
            c.handler();
            EXPECT_TRUE(c.timer.isActive());
        }
    }
}

TEST_F(WindowTest, ShowNoDeviceShowsTheRedStateWithoutADialog) {
    TMForm& window = Open();
    window.ShowNoDevice();
    EXPECT_FALSE(Find<QPushButton>("btnRead_MK")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("btnWrite_MK")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("btnRestart")->isEnabled());
    EXPECT_FALSE(Find<QLabel>("img_red")->isHidden());
    EXPECT_TRUE(Find<QLabel>("img_grn")->isHidden());
    EXPECT_TRUE(host.entries(QStringLiteral("messageBox")).isEmpty());
}

TEST_F(WindowTest, DebugBoxShowsAndClearsTheDebugLine) {
    Open();
    auto* view = Find<QCheckBox>("DebugView");
    auto* text = Find<QLineEdit>("DebugText");
    view->setChecked(true);
    EXPECT_FALSE(text->isHidden());
    text->setText(QStringLiteral("d[5]"));
    view->setChecked(false);
    EXPECT_TRUE(text->isHidden());
    EXPECT_TRUE(text->text().isEmpty());
}

TEST_F(WindowTest, ClosingAlwaysSucceedsAndStopsTheTimersForGood) {
    TMForm& window = Open();
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.TmrGetRawData().isActive());
    EXPECT_FALSE(window.TmrForVisual().isActive());
    EXPECT_FALSE(window.TmrPerSecond().isActive());
    EXPECT_EQ(host.entries(QStringLiteral("sleep: 100")).size(), 1) << "one pause per close";
    window.TmrGetRawDataTimer();
    EXPECT_FALSE(window.TmrGetRawData().isActive()) << "a late tick restarts nothing";
}

} // namespace
