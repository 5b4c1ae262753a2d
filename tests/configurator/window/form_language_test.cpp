#include "components/edit/file_name_edit.h"
#include "components/grid/string_grid.h"
#include "components/label/label.h"
#include "configurator/sim/sim_controller_device.h"
#include "platform/hidbus/sim_hid_bus.h"
#include "platform/modules/standard_modules.h"
#include "tests/configurator/files/numbered_language_captions.h"
#include "tests/configurator/window/wiring_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

// What a control shows as its caption: its tab's text, a group's title, a button's or label's
// text, a library label's caption.
QString CaptionOf(const QWidget* widget) {
    for (QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
            const int index = tabs->indexOf(const_cast<QWidget*>(widget));
            if (index >= 0) {
                return tabs->tabText(index);
            }
        }
    }
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) {
        return group->title();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (auto* label = qobject_cast<const TWkLabel*>(widget)) {
        return label->Caption();
    }
    return QStringLiteral("<no caption>");
}

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

class LanguageTest : public WiringTest {
protected:
    // Starts with the "Lines" language chosen, beside a second language "Other".
    TMForm& OpenWithLanguages() {
        WriteLanguage("Lines", "L");
        WriteLanguage("Other", "O");
        WriteSettings({"Lines", "NoDebug", "COM7", "fw.hex", "2", "0", "0"});
        return Open();
    }
    void ChooseLanguage(const QString& language) {
        auto* translate = Find<QComboBox>("Translate");
        translate->setCurrentIndex(translate->findText(language));
        form->TranslateChange();
    }
};

TEST_F(LanguageTest, EveryCaptionShowsItsLine) {
    OpenWithLanguages();
    EXPECT_EQ(Find<QComboBox>("Translate")->currentText(), "Lines");
    for (const ExpectedCaption& caption : NumberedLanguageCaptions) {
        const auto* control = form->findChild<QWidget*>(QString::fromLatin1(caption.objectName));
        ASSERT_NE(control, nullptr) << caption.objectName;
        EXPECT_EQ(CaptionOf(control), QString::fromLatin1(caption.text)) << caption.objectName;
    }
}

TEST_F(LanguageTest, ListsGridsAndEditorsComeFromTheLines) {
    TMForm& window = OpenWithLanguages();
    const ControlArrays& rows = window.Arrays();
    for (int n = 1; n <= AxisRows; ++n) {
        const QStringList sources = Items(rows.OsiSrc[n]);
        ASSERT_EQ(sources.size(), 12) << n;
        EXPECT_EQ(sources.mid(0, 4), QStringList({"--", "L45", "L44", "KMA200"})) << n;
        EXPECT_EQ(sources.last(), "S/C-TLE5010/5011");
        EXPECT_EQ(Items(rows.OsiAcal[n]), QStringList({"---", "L86", "L87", "L88", "L89"}));
        const QStringList filters = Items(rows.OsiFilter[n]);
        ASSERT_EQ(filters.size(), 14);
        EXPECT_EQ(filters.first(), "---");
        EXPECT_EQ(filters.last(), "x14");
    }
    auto* knp = Find<TWkStringGrid>("KnpGrid");
    auto* kbms = Find<TWkStringGrid>("KbMsGrid");
    const QStringList headerTail = {"L134", "L136", "L132", "L133 L138", "L133 L139"};
    for (int col = 1; col <= 5; ++col) {
        EXPECT_EQ(knp->Cells(col, 0), headerTail[col - 1]) << col;
        EXPECT_EQ(kbms->Cells(col, 0), headerTail[col - 1]) << col;
    }
    EXPECT_EQ(knp->Cells(0, 0), "L78");
    EXPECT_EQ(kbms->Cells(0, 0), "L151");
    EXPECT_EQ(knp->Cells(0, 1), "L135 1");
    EXPECT_EQ(knp->Cells(0, 64), "L135 64");
    const QString blank = QStringLiteral("----------");
    EXPECT_EQ(Items(Find<QComboBox>("KnpGrid_CB_Mode")),
              QStringList({blank, "L137", "L137 L138", "L137 L139", "L140"}));
    EXPECT_EQ(Items(Find<QComboBox>("KnpGrid_CB_Shift")),
              QStringList({blank, "L132 1", "L132 2", "L132 3"}));
    EXPECT_EQ(Items(Find<QComboBox>("KnpGrid_CB_TimOn")),
              QStringList({blank, "L133 1", "L133 2", "L133 3"}));
    EXPECT_EQ(Items(Find<QComboBox>("KnpGrid_CB_TimOf")), QStringList({"L143", "L142"}));
    const QStringList numbers = Items(Find<QComboBox>("KnpGrid_CB_Number"));
    ASSERT_EQ(numbers.size(), 97);
    EXPECT_EQ(numbers.first(), blank);
    EXPECT_EQ(numbers.last(), "96");
}

TEST_F(LanguageTest, MessagesComeFromTheLines) {
    OpenWithLanguages();
    EXPECT_EQ(Find<QLabel>("connect_status")->text(), "L8");
    EXPECT_TRUE(Find<QLineEdit>("chk_report_info")->text().startsWith("L68 0L69 "))
        << Find<QLineEdit>("chk_report_info")->text().toStdString();

    struct MessageCase {
        const char* name;
        void (*change)(Config&);
        const char* message;
    };
    const MessageCase cases[] = {
        {"sensor used twice",
         [](Config& c) {
             c.axes[0] = {.source = 2, .port = 1, .channel = 1, .usage = 1};
             c.axes[1] = {.source = 2, .port = 1, .channel = 1, .usage = 2};
         },
         "L47 L44#A0#-- L48 2"},
        {"axis without usage", [](Config& c) { c.axes[0] = {.source = 2, .port = 1}; }, "L49 1"},
        {"usage used twice",
         [](Config& c) {
             c.axes[0] = {.source = 2, .port = 1, .usage = 1};
             c.axes[1] = {.source = 2, .port = 2, .usage = 1};
         },
         "L50 X L48 2"},
        {"hat direction missing",
         [](Config& c) {
             c.hats[1] = {.on = true, .directions = {11, 12, 0, 14}};
         },
         "L542"},
        {"hat button used twice",
         [](Config& c) {
             c.hats[0] = {.on = true, .directions = {11, 12, 13, 14}};
             c.hats[1] = {.on = true, .directions = {21, 11, 23, 24}};
         },
         "L5611 L582"},
        {"virtual axis without its up button",
         [](Config& c) { c.axes[0] = {.source = 1, .usage = 1, .buttonDown = 5}; }, "L64 1"},
        {"virtual axis without its down button",
         [](Config& c) { c.axes[0] = {.source = 1, .usage = 1, .buttonUp = 5}; }, "L63 1"},
        {"configuration in order", [](Config& c) { c.axes[0] = {.source = 2, .usage = 1}; },
         "L68 1L69 0."},
    };
    for (const MessageCase& test : cases) {
        Config config = DefaultConfig();
        test.change(config);
        LoadThroughWindow(config);
        EXPECT_EQ(Find<QLineEdit>("chk_report_info")->text(), QString::fromLatin1(test.message))
            << test.name;
    }
}

TEST_F(LanguageTest, FileDialogsTakeTheirTitlesFromTheLines) {
    OpenWithLanguages();
    Click("btnRead_PC");
    Click("btnWrite_PC");
    ASSERT_EQ(host.fileRequests.size(), 2u);
    EXPECT_EQ(host.fileRequests[0].title, "L5");
    EXPECT_EQ(host.fileRequests[1].title, "L6");
}

TEST_F(LanguageTest, SwitchRewritesTheStatusLineInTheNewLanguage) {
    SimHidBus bus;
    const ScopedHidBus busGuard(bus);
    RegisterStandardModules();
    SimControllerDevice controller(bus);
    WriteLanguage("Lines", "L");
    WriteLanguage("Other", "O");
    WriteSettings({"Lines", "NoDebug", "", "", "", "34952", "34952"});
    Open();
    QCoreApplication::sendPostedEvents();
    auto* status = Find<QLabel>("connect_status");
    ASSERT_EQ(status->text(), "L46 VID[8888] PID[8888] Tavro2");

    ChooseLanguage("Other");
    EXPECT_EQ(status->text(), "O46 VID[8888] PID[8888] Tavro2");

    Find<QPushButton>("btn_clr_dev_list")->click();
    ChooseLanguage("Lines");
    EXPECT_EQ(status->text(), "L8");
}

TEST_F(LanguageTest, SwitchKeepsTheConfigurationAndRewritesTheSettings) {
    TMForm& window = OpenWithLanguages();
    LoadThroughWindow(RichConfig());
    Find<QLineEdit>("dev_pid")->setText("ABCD");
    const Config shown = window.CurrentConfig();
    ASSERT_EQ(shown.axes[0].source, 3);
    ASSERT_EQ(shown.axes[2].autoCalibration, 4);
    ASSERT_EQ(shown.knpTable[5].mode, 4);
    ASSERT_EQ(shown.identity.productId, "ABCD");
    Find<QLineEdit>("com_port")->setText("/dev/ttyACM3");

    ChooseLanguage("Other");

    EXPECT_EQ(window.CurrentConfig(), shown);
    EXPECT_EQ(Find<QPushButton>("btnRead_MK")->text(), "O3");
    EXPECT_EQ(window.Arrays().OsiSrc[1]->currentText(), "KMA200");
    EXPECT_EQ(window.Arrays().OsiAcal[3]->currentText(), "O89");
    EXPECT_EQ(Find<TWkStringGrid>("KnpGrid")->Cells(2, 6), "O140");
    EXPECT_EQ(Find<TWkStringGrid>("KnpGrid")->Cells(0, 6), "O135 6");
    // The firmware-page lines keep what was read at start; the language line changes at once.
    EXPECT_EQ(ReadLines("Brantuse.ini"),
              QStringList({"Other", "NoDebug", "COM7", "fw.hex", "2", "0", "0"}));
    EXPECT_FALSE(QFileInfo::exists(Path("Brantuse.tmp")));
    EXPECT_TRUE(host.entries("messageBox").isEmpty()) << host.log.join('\n').toStdString();
}

TEST_F(LanguageTest, SwitchWithAnUnencodableValueStillKeepsTheConfiguration) {
    TMForm& window = OpenWithLanguages();
    LoadThroughWindow(RichConfig());
    // A vendor id of two digits has no encoding, so the images cannot hold the configuration.
    Find<QLineEdit>("dev_vid")->setText("12");
    const Config shown = window.CurrentConfig();
    ASSERT_EQ(shown.identity.vendorId, "12");

    ChooseLanguage("Other");

    EXPECT_EQ(window.CurrentConfig(), shown);
    EXPECT_EQ(Find<QPushButton>("btnRead_MK")->text(), "O3");
}

TEST_F(LanguageTest, LanguageWithoutItsFileChangesNothing) {
    TMForm& window = OpenWithLanguages();
    LoadThroughWindow(RichConfig());
    const Config shown = window.CurrentConfig();
    ASSERT_TRUE(QFile::remove(Path("Other.lng")));

    ChooseLanguage("Other");

    EXPECT_EQ(window.CurrentConfig(), shown);
    EXPECT_EQ(Find<QPushButton>("btnRead_MK")->text(), "L3");
    EXPECT_EQ(ReadLines("Brantuse.ini").value(0), "Lines");
}

TEST_F(LanguageTest, WithoutLanguageFilesTheDesignTextsStay) {
    TMForm& window = Open();
    EXPECT_EQ(Find<QComboBox>("Translate")->count(), 0);
    EXPECT_TRUE(window.State().LngStrings.lines().isEmpty());
    EXPECT_EQ(Find<QPushButton>("btnRead_PC")->text(), "Load from file");
    EXPECT_EQ(Find<QLabel>("connect_status")->text(), "");
    // The grids are fitted to the language's texts; without one, to the design texts.
    window.show();
    Find<QTabWidget>("WkPageControl")->setCurrentIndex(TMForm::TabKNP);
    for (const char* name : {"KnpGrid", "KbMsGrid"}) {
        auto* grid = Find<TWkStringGrid>(name);
        EXPECT_GT(grid->width(), 0) << name;
        const QFontMetrics fixed(ToQFont(grid->FixedFont()));
        for (int col = 0; col < grid->ColCount(); ++col) {
            for (const QString& word : grid->Cells(col, 0).split(' ', Qt::SkipEmptyParts)) {
                EXPECT_LE(fixed.horizontalAdvance(word), grid->ColWidths(col)) << name << col;
            }
        }
    }
}

// The grids' columns follow the language's captions: at once while their page shows, else when it
// next shows.
TEST_F(LanguageTest, ButtonGridsRefitToTheLanguagesCaptions) {
    WriteLanguage("Short", "L");
    WriteLanguage("Long", "Language line number ");
    WriteSettings({"Short", "NoDebug"});
    TMForm& window = Open();
    window.show();
    auto* pages = Find<QTabWidget>("WkPageControl");
    auto* grid = Find<TWkStringGrid>("KnpGrid");
    const auto captionColumn = [&] { return grid->ColWidths(2); };
    pages->setCurrentIndex(TMForm::TabKNP);
    const int shortWidth = captionColumn();
    ASSERT_GT(shortWidth, 0);

    ChooseLanguage("Long");
    const int longWidth = captionColumn();
    EXPECT_GT(longWidth, shortWidth) << "refitted while shown";

    pages->setCurrentIndex(TMForm::TabOSI);
    ChooseLanguage("Short");
    pages->setCurrentIndex(TMForm::TabKNP);
    EXPECT_EQ(captionColumn(), shortWidth) << "refitted when shown again";
}

TEST_F(LanguageTest, ShortFileLeavesTheMissingLinesEmpty) {
    WriteLanguage("Short", "S", 100);
    WriteSettings({"Short"});
    Open();
    EXPECT_EQ(Find<QPushButton>("btnResetCnf")->text(), "S96");
    EXPECT_EQ(Find<QLabel>("lbl_joy_osi_raw")->text(), "");
    EXPECT_EQ(Find<TWkStringGrid>("KbMsGrid")->Cells(0, 0), "");
}

TEST_F(LanguageTest, ShippedLanguagesSwitchBothWaysKeepingTheConfiguration) {
    for (const char* language : {"English.lng", "Russian.lng"}) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRO_PROGRAM_DIR "/") + language, Path(language)));
    }
    WriteSettings({"English"});
    TMForm& window = Open();
    LoadThroughWindow(RichConfig());
    const Config shown = window.CurrentConfig();
    const QString english = Find<QPushButton>("btnRead_MK")->text();
    ASSERT_FALSE(english.isEmpty());

    ChooseLanguage("Russian");
    EXPECT_EQ(window.CurrentConfig(), shown);
    EXPECT_NE(Find<QPushButton>("btnRead_MK")->text(), english);

    ChooseLanguage("English");
    EXPECT_EQ(window.CurrentConfig(), shown);
    EXPECT_EQ(Find<QPushButton>("btnRead_MK")->text(), english);
    EXPECT_TRUE(host.entries("messageBox").isEmpty()) << host.log.join('\n').toStdString();
}

// A vendor id of two digits and a name with Cyrillic letters are named in the window's language,
// with what is wrong: four hex digits needed, a letter the image cannot hold.
TEST_F(LanguageTest, IdentityProblemsReadRightInBothLanguages) {
    for (const char* language : {"English.lng", "Russian.lng"}) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRO_PROGRAM_DIR "/") + language, Path(language)));
    }
    WriteSettings({"English"});
    TMForm& window = Open();
    const struct {
        const char* language;
        const char* vendorId;
        const char* name;
    } cases[] = {
        {"English", "Configuration error: Vendor ID (VID) [C8] (4 × 0..9, A..F)",
         "Configuration error: USB device name [Джойстик]: Д"},
        {"Russian", "Ошибка настройки: Код производителя (VID) [C8] (4 × 0..9, A..F)",
         "Ошибка настройки: Имя USB-устройства [Джойстик]: Д"},
    };
    auto* line = Find<QLineEdit>("chk_report_info");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        ChooseLanguage(c.language);
        Find<QLineEdit>("dev_vid")->setText("C8");
        EXPECT_EQ(line->text(), QString::fromUtf8(c.vendorId));
        EXPECT_TRUE(window.State().ConfigError);
        Find<QLineEdit>("dev_vid")->setText("8888");
        Find<QLineEdit>("dev_name")->setText(QString::fromUtf8("Джойстик"));
        EXPECT_EQ(line->text(), QString::fromUtf8(c.name));
        EXPECT_TRUE(window.State().ConfigError);
        Find<QLineEdit>("dev_name")->setText("Tavro2");
        EXPECT_FALSE(window.State().ConfigError);
    }
}

// The firmware file field is no text of a language: it browses, shows and keeps its name alike
// in both.
TEST_F(LanguageTest, FirmwareFileFieldWorksAlikeInBothLanguages) {
    for (const char* language : {"English.lng", "Russian.lng"}) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRO_PROGRAM_DIR "/") + language, Path(language)));
    }
    WriteSettings({"English"});
    Open();
    auto* file = Find<TWkFilenameEdit>("FileFirm");
    ASSERT_NE(file, nullptr);
    QString kept = file->text();
    for (const char* language : {"Russian", "English"}) {
        ChooseLanguage(language);
        EXPECT_EQ(file->text(), kept) << language;
        host.fileRequests.clear();
        host.fileAnswers.push_back(Path(QStringLiteral("fw %1.hex").arg(language)));
        file->DoClick();
        ASSERT_EQ(host.fileRequests.size(), 1u) << language;
        EXPECT_EQ(host.fileRequests[0].title, "Browse") << language;
        EXPECT_EQ(host.fileRequests[0].filter, "Hex|*.hex") << language;
        EXPECT_EQ(host.fileRequests[0].filterIndex, 1) << language;
        EXPECT_FALSE(host.fileRequests[0].multiSelect) << language;
        kept = "\"" + Path(QStringLiteral("fw %1.hex").arg(language)) + "\"";
        EXPECT_EQ(file->text(), kept) << language;
        EXPECT_EQ(file->PhysicalFileName(), kept) << language;
    }
    EXPECT_TRUE(host.entries("messageBox").isEmpty()) << host.log.join('\n').toStdString();
}

// Each list whose items a language gives shows, before any language is chosen, the items the
// English file gives: a stored index names the same choice either way.
TEST_F(LanguageTest, DesignListsSayWhatTheEnglishFileSays) {
    for (const char* language : {"English.lng", "Russian.lng"}) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRO_PROGRAM_DIR "/") + language, Path(language)));
    }
    TMForm& window = Open();
    ASSERT_TRUE(window.State().LngStrings.lines().isEmpty());
    const char* lists[] = {"osi_1_src",        "osi_10_src",      "osi_1_acal",
                           "osi_1_filter",     "KnpGrid_CB_Mode", "KnpGrid_CB_Shift",
                           "KnpGrid_CB_TimOn", "KnpGrid_CB_TimOf"};
    QList<QStringList> design;
    for (const char* list : lists) {
        design << Items(Find<QComboBox>(list));
    }

    ChooseLanguage("English");

    ASSERT_FALSE(window.State().LngStrings.lines().isEmpty());
    for (std::size_t k = 0; k < std::size(lists); ++k) {
        EXPECT_EQ(design[k], Items(Find<QComboBox>(lists[k]))) << lists[k];
    }
}

TEST_F(LanguageTest, StartFindsTheSettingsLanguageIgnoringCase) {
    WriteLanguage("Lines", "L");
    WriteLanguage("lines", "l");
    WriteLanguage("Other", "O");
    const struct {
        const char* written;
        const char* chosen;
        const char* status;
    } cases[] = {
        {"other", "Other", "O8"},
        {"OTHER", "Other", "O8"},
        {"lines", "lines", "l8"},
        {"Lines", "Lines", "L8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        WriteSettings({c.written});
        TMForm& window = Open();
        EXPECT_EQ(Find<QComboBox>("Translate")->currentText(), c.chosen);
        EXPECT_EQ(window.State().LngStrings.line(8), c.status);
        EXPECT_EQ(Find<QLabel>("connect_status")->text(), c.status);
        form.reset();
    }
}

} // namespace
