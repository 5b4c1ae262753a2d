#include "components/edit/combo_edit_error.h"
#include "components/edit/edit_button.h"
#include "components/edit/edit_glyphs.h"
#include "components/edit/file_name_edit.h"
#include "tests/support/classic_style.h"
#include "tests/support/recording_ui_host.h"

#include <QApplication>
#include <QCompleter>
#include <QDeadlineTimer>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QStyle>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class FilenameEdit : public ::testing::Test {
protected:
    FilenameEdit() {
        edit->setGeometry(10, 10, 644, 21);
        edit->SetFilter("Hex|*.hex");
        edit->setText("-");
    }

    // Drops the URLs on the edit as the desktop does; returns whether the drop was taken.
    bool drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(20, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(20, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &dropped);
        return dropped.isAccepted();
    }

    QWidget window;
    TWkFilenameEdit* edit = new TWkFilenameEdit(&window);
    RecordingUiHost host;
    ScopedUiHost scopedHost{host};
};

TEST_F(FilenameEdit, ButtonBrowsesWithTheFilterFromTheDesignText) {
    edit->DoClick();
    ASSERT_EQ(host.fileRequests.size(), 1u);
    EXPECT_EQ(host.fileRequests[0].title, "Browse");
    EXPECT_EQ(host.fileRequests[0].filter, "Hex|*.hex");
    EXPECT_EQ(host.fileRequests[0].fileName, "-");
    EXPECT_EQ(host.fileRequests[0].initialDir, "");
    EXPECT_EQ(edit->text(), "-") << "a cancelled dialog changes nothing";

    QKeyEvent altDown(QEvent::KeyPress, Qt::Key_Down, Qt::AltModifier);
    QCoreApplication::sendEvent(edit, &altDown);
    EXPECT_EQ(host.fileRequests.size(), 2u) << "Alt+Down opens the dialog as a click does";
}

TEST_F(FilenameEdit, ChosenNameIsShownQuotedWhenItHoldsABlank) {
    QTemporaryDir dir;
    const struct {
        QString chosen;
        QString shown;
    } cases[] = {
        {dir.filePath("joy.hex"), dir.filePath("joy.hex")},
        {dir.filePath("my joy.hex"), "\"" + dir.filePath("my joy.hex") + "\""},
    };
    for (const auto& c : cases) {
        host.fileAnswers.push_back(c.chosen);
        edit->DoClick();
        EXPECT_EQ(edit->text(), c.shown);
        EXPECT_EQ(edit->InitialDir(), dir.path() + "/");
    }
    // The next dialog opens in the folder of the name shown, with the bare name.
    QFile(dir.filePath("my joy.hex")).open(QIODevice::WriteOnly);
    edit->DoClick();
    EXPECT_EQ(host.fileRequests.back().initialDir, dir.path() + "/");
    EXPECT_EQ(host.fileRequests.back().fileName, "my joy.hex");
}

TEST_F(FilenameEdit, DialogEventsCanStopOrOverruleTheDialog) {
    edit->OnBeforeDialog = [](QObject*, QString&, bool& action) {
        action = false;
    };
    edit->DoClick();
    EXPECT_TRUE(host.fileRequests.empty());

    edit->OnBeforeDialog = nullptr;
    edit->OnAfterDialog = [](QObject*, QString& name, bool& action) {
        name = "/fw/chosen.hex";
        action = true;
    };
    edit->DoClick(); // cancelled, but the handler decides otherwise
    EXPECT_EQ(edit->text(), "/fw/chosen.hex");
}

TEST_F(FilenameEdit, DroppedFilesLandInTheField) {
    const QString longName = "/data/" + QString(300, QLatin1Char('f')) + ".hex";
    EXPECT_TRUE(drop({QUrl::fromLocalFile(longName)}));
    EXPECT_EQ(edit->text(), longName) << "long Linux paths are not cut";

    EXPECT_TRUE(drop({QUrl::fromLocalFile("/fw/a b.hex"), QUrl::fromLocalFile("/fw/c.hex")}));
    EXPECT_EQ(edit->text(), "\"/fw/a b.hex\"") << "only the first without multi-select";
    EXPECT_TRUE(edit->DialogFiles().isEmpty());

    edit->SetDialogOptions(ofHideReadOnly | ofAllowMultiSelect);
    EXPECT_TRUE(drop({QUrl::fromLocalFile("/fw/c.hex"), QUrl::fromLocalFile("/fw/d.hex")}));
    EXPECT_EQ(edit->text(), "/fw/c.hex");
    EXPECT_EQ(edit->DialogFiles(), QStringList({"/fw/c.hex", "/fw/d.hex"}));

    EXPECT_FALSE(drop({QUrl("https://example.org/fw.hex")}));
    EXPECT_EQ(edit->text(), "/fw/c.hex");
    EXPECT_TRUE(host.log.isEmpty());
}

TEST_F(FilenameEdit, BadDroppedNameIsRefusedWithAMessage) {
    int drops = 0;
    edit->OnDropFiles = TNotifyEvent::FromCallable([&](QObject*) { ++drops; });
    const QString bad = QStringLiteral("/fw/a") + QChar(u'\0') + QStringLiteral("b.hex");
    EXPECT_NO_THROW(drop({QUrl::fromLocalFile(bad)}));
    EXPECT_EQ(edit->text(), "-");
    ASSERT_EQ(host.log.size(), 1);
    EXPECT_TRUE(host.log[0].startsWith("messageBox:"));
    EXPECT_TRUE(host.log[0].contains("Invalid file name - /fw/a"));
    EXPECT_EQ(drops, 1);
}

TEST_F(FilenameEdit, FileNameChecksWhatIsAssignedButTypedTextIsTaken) {
    const QString bad = QStringLiteral("x") + QChar(u'\0');
    try {
        edit->SetFileName(bad);
        FAIL() << "no error";
    } catch (const EComboEditError& error) {
        EXPECT_EQ(error.Message(), "Invalid file name - " + bad);
    }
    EXPECT_EQ(edit->text(), "-");
    edit->SetFileName("/fw/my joy.hex");
    EXPECT_EQ(edit->text(), "\"/fw/my joy.hex\"");
    edit->SetFileName("");
    EXPECT_EQ(edit->text(), "");
    edit->setText("a|b?*.hex");
    EXPECT_EQ(edit->text(), "a|b?*.hex");
}

TEST_F(FilenameEdit, PastedSecondLineIsDropped) {
    edit->setText("/fw/one.hex\n/fw/two.hex");
    EXPECT_EQ(edit->text(), "/fw/one.hex");
    edit->setText("/fw/three.hex\r");
    EXPECT_EQ(edit->text(), "/fw/three.hex");
}

TEST_F(FilenameEdit, ButtonShowsTheDefaultFolderGlyph) {
    EXPECT_EQ(edit->ImageKind(), ikDefault);
    EXPECT_EQ(edit->Button()->Images(), &DefaultEditImages());
    EXPECT_GE(edit->Button()->ImageIndex(), 0);
    EXPECT_EQ(edit->ButtonWidth(), 21);
    EXPECT_TRUE(edit->AlwaysEnableButton());
    edit->SetReadOnly(true);
    edit->DoClick();
    EXPECT_EQ(host.fileRequests.size(), 1u) << "read-only file fields still browse";
}

TEST_F(FilenameEdit, CompletesNamesFromTheFileSystem) {
    QTemporaryDir dir;
    for (const char* name : {"firmware.hex", "fonts.txt", "other.hex"})
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    QCompleter* completer = edit->AutoComplete();
    ASSERT_NE(completer, nullptr);
    EXPECT_EQ(qobject_cast<QFileSystemModel*>(completer->model()), nullptr)
        << "the file system is read only once the user comes to the edit";
    QFocusEvent entered(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &entered);
    ASSERT_NE(qobject_cast<QFileSystemModel*>(completer->model()), nullptr);
    edit->setText(dir.path() + "/f"); // as typed
    completer->setCompletionPrefix(dir.path() + "/f");
    // The file system model reads folders on its own thread.
    QDeadlineTimer deadline(10000);
    while (completer->completionCount() < 2 && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        completer->setCompletionPrefix(dir.path() + "/f");
    }
    QStringList found;
    for (int row = 0; completer->setCurrentRow(row); ++row)
        found << completer->currentCompletion();
    found.sort();
    EXPECT_EQ(found, QStringList({dir.filePath("firmware.hex"), dir.filePath("fonts.txt")}));
}

// Sets XDG_DATA_HOME for the test's lifetime.
class ScopedDataHome {
public:
    explicit ScopedDataHome(const QString& folder) : saved(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
    }
    ~ScopedDataHome() { qputenv("XDG_DATA_HOME", saved); }

private:
    QByteArray saved;
};

TEST_F(FilenameEdit, CompletesFromTheDesktopsRecentFiles) {
    QTemporaryDir home;
    ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRO_RECENT_FIXTURES "/recently-used.xbel"),
                            home.filePath("recently-used.xbel")));
    QTemporaryDir folder;
    for (const char* name : {"firmware.hex", "fonts.txt", "other.hex"})
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    const ScopedDataHome dataHome(home.path());
    const auto completions = [this](const QString& typed) {
        QCompleter* completer = edit->AutoComplete();
        completer->setCompletionPrefix(typed);
        QStringList found;
        for (int row = 0; completer->setCurrentRow(row); ++row)
            found << completer->currentCompletion();
        return found;
    };
    const QStringList recent{"/home/user/new firmware.hex", "/srv/middle.hex", "/tmp/old.hex"};
    const struct {
        const char* name;
        unsigned options;
        QString typed;
        QStringList found;
    } cases[] = {
        {"recent files", acfURLMRU, "/", recent},
        {"recent files, narrowed", acfURLMRU, "/tmp", {"/tmp/old.hex"}},
        {"with the typed folder",
         acfURLMRU | acfFileSystem,
         folder.path() + "/f",
         {folder.filePath("firmware.hex"), folder.filePath("fonts.txt")}},
        {"with a recent file",
         acfURLMRU | acfFileSystem,
         "/home/user/new",
         {"/home/user/new firmware.hex"}},
        {"typed addresses: none kept here", acfURLHistory, "/", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        edit->SetAutoCompleteFileOptions(c.options);
        edit->setText(c.typed);
        EXPECT_EQ(completions(c.typed), c.found);
    }
}

TEST_F(FilenameEdit, DialogGetsFilterIndexHistoryAndMultiSelectAndFillsDialogFiles) {
    edit->SetFilter("Hex|*.hex|Binary|*.bin");
    edit->SetFilterIndex(2);
    edit->SetHistoryList({"/fw/old", "/fw/older"});
    host.fileDialogAnswers.push_back(FileDialogAnswer{{"/fw/one.hex"}, 1});
    edit->DoClick();
    ASSERT_EQ(host.fileRequests.size(), 1u);
    EXPECT_EQ(host.fileRequests[0].filterIndex, 2);
    EXPECT_EQ(host.fileRequests[0].history, QStringList({"/fw/old", "/fw/older"}));
    EXPECT_FALSE(host.fileRequests[0].multiSelect);
    EXPECT_EQ(edit->FilterIndex(), 1) << "the dialog leaves the filter chosen in it";
    EXPECT_EQ(edit->DialogFiles(), QStringList({"/fw/one.hex"}));

    edit->SetDialogOptions(ofHideReadOnly | ofAllowMultiSelect);
    host.fileDialogAnswers.push_back(FileDialogAnswer{{"/fw/a b.hex", "/fw/c.hex"}, 2});
    edit->DoClick();
    EXPECT_EQ(host.fileRequests.back().filterIndex, 1);
    EXPECT_TRUE(host.fileRequests.back().multiSelect);
    EXPECT_EQ(edit->DialogFiles(), QStringList({"/fw/a b.hex", "/fw/c.hex"}));
    EXPECT_EQ(edit->text(), "\"/fw/a b.hex\"") << "the first chosen file is the field's";
    EXPECT_EQ(edit->FilterIndex(), 2);

    edit->DoClick(); // cancelled
    EXPECT_EQ(edit->DialogFiles(), QStringList({"/fw/a b.hex", "/fw/c.hex"}));
    EXPECT_EQ(edit->text(), "\"/fw/a b.hex\"");

    edit->SetDialogKind(dkSave);
    edit->DoClick();
    EXPECT_FALSE(host.fileRequests.back().multiSelect) << "a save dialog chooses one file";
    EXPECT_TRUE(host.log.back().startsWith("saveFileName:"));

    edit->SetDialogOptions(ofHideReadOnly);
    EXPECT_TRUE(edit->DialogFiles().isEmpty());
}

TEST_F(FilenameEdit, DialogSettingsTheDialogCannotShowAreKept) {
    EXPECT_EQ(edit->FileEditStyle(), fsEdit);
    edit->SetFileEditStyle(fsComboBox);
    edit->SetHelpContext(17);
    for (const TFileDialogKind kind : {dkSave, dkOpenPicture, dkOpen}) {
        SCOPED_TRACE(kind);
        edit->SetDialogKind(kind);
        edit->DoClick();
        EXPECT_EQ(edit->FileEditStyle(), fsComboBox);
        EXPECT_EQ(edit->Dialog().FileEditStyle, fsComboBox);
        EXPECT_EQ(edit->Dialog().HelpContext, 17) << "the dialog runs with the edit's topic";
    }
    edit->SetHelpContext(0);
    edit->DoClick();
    EXPECT_EQ(edit->Dialog().HelpContext, 0);
}

TEST_F(FilenameEdit, FormsOfTheNameKeepItsFolder) {
    QTemporaryDir dir;
    QFile(dir.filePath("joy.hex")).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir("sub");
    const struct {
        QString text;
        QString form;
    } cases[] = {
        {dir.filePath("joy.hex"), dir.filePath("joy.hex")},
        {dir.path() + "/./joy.hex", dir.filePath("joy.hex")},
        {"\"" + dir.filePath("joy.hex") + "\"", dir.filePath("joy.hex")},
        {dir.filePath("sub"), dir.filePath("sub") + "/"},
        {"/fw/missing.hex", "/fw/missing.hex"},
        {"-", "-"},
    };
    for (const auto& c : cases) {
        edit->setText(c.text);
        EXPECT_EQ(edit->GetLongFormName(), c.form) << c.text.toStdString();
        EXPECT_EQ(edit->GetShortFormName(), c.form) << c.text.toStdString();
    }
    edit->setText("C:\\fw\\");
    EXPECT_EQ(edit->GetDisplayFormName(), "C:\\fw");
    edit->setText("/fw/joy.hex");
    EXPECT_EQ(edit->GetDisplayFormName(), "/fw/joy.hex");
}

class FocusedFilenameEdit : public FilenameEdit {
protected:
    FocusedFilenameEdit() {
        window.resize(700, 100);
        other->setGeometry(10, 50, 100, 21);
        window.show();
        QApplication::setActiveWindow(&window);
        other->setFocus(Qt::TabFocusReason);
    }
    ~FocusedFilenameEdit() override { QApplication::setActiveWindow(nullptr); }

    QLineEdit* other = new QLineEdit(&window);
};

TEST_F(FocusedFilenameEdit, DisplayNameShowsWhileTheFocusIsElsewhere) {
    edit->setText("C:\\fw\\");
    edit->SetDisplayLocalizedName(true);
    EXPECT_EQ(edit->text(), "C:\\fw");
    EXPECT_EQ(edit->PhysicalFileName(), "C:\\fw\\");
    EXPECT_EQ(edit->FileName(), "C:\\fw\\") << "the name is the physical one";

    edit->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->text(), "C:\\fw\\") << "entering shows the real name to edit";
    edit->setText("D:\\new\\");
    EXPECT_EQ(edit->FileName(), "D:\\new\\");
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->text(), "D:\\new");
    EXPECT_EQ(edit->PhysicalFileName(), "D:\\new\\");

    edit->SetFileName("E:\\a b\\");
    EXPECT_EQ(edit->text(), "\"E:\\a b\\\"") << "a display form of a quoted name is the name";
    EXPECT_EQ(edit->PhysicalFileName(), "\"E:\\a b\\\"");
    edit->SetFileName("F:\\x\\");
    EXPECT_EQ(edit->text(), "F:\\x");
    EXPECT_EQ(edit->FileName(), "F:\\x\\");

    edit->SetDisplayLocalizedName(false);
    EXPECT_EQ(edit->text(), "F:\\x\\");
    EXPECT_EQ(edit->PhysicalFileName(), "F:\\x\\");
}

TEST_F(FocusedFilenameEdit, WithoutDisplayNamesFocusLeavesTheTextAlone) {
    edit->setText("C:\\fw\\");
    edit->setFocus(Qt::TabFocusReason);
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->text(), "C:\\fw\\");
    EXPECT_EQ(edit->PhysicalFileName(), "C:\\fw\\");
    edit->setText("-");
    EXPECT_EQ(edit->PhysicalFileName(), "-") << "the physical name follows the text";
}

TEST_F(FilenameEdit, DefaultGlyphIsMadeAgainForANewThemeOrPalette) {
    const int themed = edit->DefaultImageIndex();
    {
        const ClassicStyle classicStyle;
        const int classic = edit->DefaultImageIndex();
        EXPECT_NE(classic, themed) << "the classic look has its own face";
        EXPECT_EQ(edit->Button()->ImageIndex(), classic);
    }
    EXPECT_EQ(edit->Button()->ImageIndex(), themed);

    edit->Button()->SetImageIndex(-1);
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Button, Qt::darkCyan);
    edit->setPalette(colours);
    EXPECT_EQ(edit->Button()->ImageIndex(), edit->DefaultImageIndex());
}

} // namespace
