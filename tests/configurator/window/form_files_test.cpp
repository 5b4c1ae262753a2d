#include "tests/configurator/window/wiring_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace {

class FilesTest : public WiringTest {
protected:
    TMForm& OpenWithLanguage() {
        WriteLanguage("Lines", "L");
        WriteSettings({"Lines"});
        return Open();
    }
    qint64 SizeOf(const QString& name) const { return QFileInfo(Path(name)).size(); }
};

TEST_F(FilesTest, SaveThenLoadRestoresTheConfiguration) {
    TMForm& window = OpenWithLanguage();
    LoadThroughWindow(RichConfig());
    const Config saved = window.CurrentConfig();
    ASSERT_EQ(saved.kbMsTable[2].type, 7);
    ASSERT_EQ(saved.specialFunctions[1].points[8], 90);

    host.fileAnswers.push_back(Path("cfg.tavro"));
    Click("btnWrite_PC");
    EXPECT_EQ(SizeOf("cfg.tavro"), 1001);
    EXPECT_EQ(SizeOf("cfg.tavro_axis"), 1001);
    EXPECT_EQ(SizeOf("cfg.tavro_HID_raw"), 1001);
    EXPECT_EQ(ReadLines("cfg.tavro_HID_txt").size(), 1000);

    Click("btnClrConfig");
    ASSERT_NE(window.CurrentConfig(), saved);
    // Loading needs neither the raw descriptor image nor its text dump.
    QFile::remove(Path("cfg.tavro_HID_raw"));
    QFile::remove(Path("cfg.tavro_HID_txt"));
    host.fileAnswers.push_back(Path("cfg.tavro"));
    Click("btnRead_PC");

    EXPECT_EQ(window.CurrentConfig(), saved);
    EXPECT_TRUE(host.entries("messageBox").isEmpty()) << host.log.join('\n').toStdString();
    EXPECT_TRUE(host.entries("exception").isEmpty()) << host.log.join('\n').toStdString();
}

TEST_F(FilesTest, FailedOrCancelledLoadChangesNothing) {
    struct Case {
        const char* name;
        void (*spoil)(const QString& base);
        bool cancel;
        int messages;
    };
    const Case cases[] = {
        {"missing axis file", [](const QString& base) { QFile::remove(base + "_axis"); }, false, 1},
        {"short main file", [](const QString& base) { QFile(base).resize(1000); }, false, 1},
        {"missing main file", [](const QString& base) { QFile::remove(base); }, false, 1},
        {"cancelled dialog", [](const QString&) {}, true, 0},
    };
    TMForm& window = OpenWithLanguage();
    for (const Case& test : cases) {
        SaveFileSet("other.tavro", RichConfig());
        test.spoil(Path("other.tavro"));
        Click("btnClrConfig");
        const Config before = window.CurrentConfig();
        const FormState images = window.State();
        host.log.clear();

        host.fileAnswers.push_back(test.cancel ? std::nullopt
                                               : std::optional<QString>(Path("other.tavro")));
        Click("btnRead_PC");

        EXPECT_EQ(window.CurrentConfig(), before) << test.name;
        EXPECT_EQ(window.State().Images, images.Images) << test.name;
        EXPECT_EQ(host.entries("messageBox").size(), test.messages)
            << test.name << "\n"
            << host.log.join('\n').toStdString();
    }
}

TEST_F(FilesTest, IdentityComesFromTheImageInMemory) {
    // Without a language nothing has been encoded yet: the window's own identity stays.
    TMForm& window = Open();
    ASSERT_EQ(window.State().Images.hid[0], 0);
    Config config = RichConfig();
    LoadThroughWindow(config);
    const DeviceIdentity shown = window.CurrentConfig().identity;
    EXPECT_EQ(shown.vendorId, "8888");
    EXPECT_EQ(shown.productId, "8888");
    EXPECT_EQ(shown.name, "Tavro2");
    EXPECT_EQ(window.CurrentConfig().axes[0].source, config.axes[0].source);

    // Once saved, the saved identity is the one in memory; loading does not read it from file.
    Find<QLineEdit>("dev_vid")->setText("4321");
    host.fileAnswers.push_back(Path("saved.tavro"));
    Click("btnWrite_PC");
    Find<QLineEdit>("dev_vid")->setText("1111");
    LoadThroughWindow(config);
    EXPECT_EQ(window.CurrentConfig().identity.vendorId, "4321");
}

TEST_F(FilesTest, InvalidConfigurationIsShownThenSavedAnyway) {
    OpenWithLanguage();
    Config config = DefaultConfig();
    config.axes[0].source = 2; // no usage: the check fails
    LoadThroughWindow(config);
    host.log.clear();

    host.fileAnswers.push_back(Path("bad.tavro"));
    Click("btnWrite_PC");

    EXPECT_EQ(host.log,
              QStringList({"showMessage: L49 1", "saveFileName: Tavro Config file|*.tavro"}));
    EXPECT_EQ(SizeOf("bad.tavro"), 1001);
}

TEST_F(FilesTest, UnencodableValueIsShownAndNothingIsSaved) {
    OpenWithLanguage();
    // A vendor id of two digits has no encoding.
    Find<QLineEdit>("dev_vid")->setText("12");
    host.log.clear();

    host.fileAnswers.push_back(Path("none.tavro"));
    Click("btnWrite_PC");

    ASSERT_EQ(host.log.size(), 1) << host.log.join('\n').toStdString();
    EXPECT_TRUE(host.log[0].startsWith("messageBox: "));
    EXPECT_FALSE(QFileInfo::exists(Path("none.tavro")));
}

// The window's file dialogs start where the program started, then in the folder of the file set
// last saved or loaded; the process's current folder stays.
TEST_F(FilesTest, FileDialogsStartInTheFolderOfTheLastFileSet) {
    OpenWithLanguage();
    ASSERT_TRUE(QDir(Path("")).mkpath("saved"));
    ASSERT_TRUE(QDir(Path("")).mkpath("other"));
    const QString startFolder = QDir::currentPath();
    const struct {
        const char* button;
        std::optional<QString> answer;
        QString dialogStart;
    } steps[] = {
        {"btnRead_PC", std::nullopt, startFolder},
        {"btnWrite_PC", Path("saved/cfg.tavro"), startFolder},
        {"btnRead_PC", std::nullopt, QFileInfo(Path("saved")).absoluteFilePath()},
        {"btnWrite_PC", Path("other/cfg.tavro"), QFileInfo(Path("saved")).absoluteFilePath()},
        {"btnRead_PC", Path("saved/cfg.tavro"), QFileInfo(Path("other")).absoluteFilePath()},
        {"btnWrite_PC", std::nullopt, QFileInfo(Path("saved")).absoluteFilePath()},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step.button) + " " +
                     step.answer.value_or("(cancel)").toStdString());
        host.fileRequests.clear();
        host.fileAnswers = {step.answer};
        Click(step.button);
        ASSERT_EQ(host.fileRequests.size(), 1u);
        EXPECT_EQ(host.fileRequests[0].initialDir, step.dialogStart);
        EXPECT_EQ(QDir::currentPath(), startFolder);
    }
}

} // namespace
