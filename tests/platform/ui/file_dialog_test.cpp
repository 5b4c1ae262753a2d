#include "platform/ui/qt_ui_host.h"
#include "tests/support/recording_ui_host.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(FileDialog, OneNameCallsTakeTheFirstChosenFile) {
    RecordingUiHost host;
    host.fileDialogAnswers.push_back(FileDialogAnswer{{"/a.hex", "/b.hex"}, 2});
    host.fileAnswers.push_back("/c.hex");
    FileDialogRequest request;
    request.filter = "Hex|*.hex";
    request.filterIndex = 3;
    EXPECT_EQ(host.openFileName(request), "/a.hex");
    const auto second = host.fileDialog(FileDialogMode::Save, request);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->files, QStringList{"/c.hex"});
    EXPECT_EQ(second->filterIndex, 3) << "a plain name keeps the filter asked for";
    EXPECT_EQ(host.saveFileName(request), std::nullopt) << "an empty queue cancels";
    EXPECT_EQ(host.log, QStringList({"openFileName: Hex|*.hex", "saveFileName: Hex|*.hex",
                                     "saveFileName: Hex|*.hex"}));
}

// Runs check on the Qt host's dialog once it is open, then closes it by accepting or rejecting.
void whenDialogOpens(const std::function<bool(QFileDialog&)>& check) {
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no file dialog";
            return;
        }
        // accept() is protected; its slot is reachable by name.
        if (check(*dialog))
            QMetaObject::invokeMethod(dialog, "accept");
        else
            dialog->reject();
    });
}

class QtFileDialog : public ::testing::Test {
protected:
    QtFileDialog() {
        for (const char* name : {"a.hex", "b.hex", "c.bin"})
            QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
        request.title = "Browse";
        request.filter = "Hex|*.hex|Binary|*.bin;*.img";
        request.initialDir = dir.path();
    }

    QTemporaryDir dir;
    FileDialogRequest request;
    QtUiHost host;
};

TEST_F(QtFileDialog, OpensWithTheFilterIndexAndHistoryAndChoosesSeveral) {
    request.filterIndex = 2;
    request.multiSelect = true;
    request.history = QStringList{dir.path(), "/tmp"};
    whenDialogOpens([this](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Browse");
        EXPECT_EQ(dialog.selectedNameFilter(), "Binary (*.bin *.img)");
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
        EXPECT_TRUE(dialog.history().contains("/tmp"));
        dialog.selectNameFilter("Hex (*.hex)");
        dialog.selectFile("\"a.hex\" \"b.hex\"");
        return true;
    });
    const auto answer = host.fileDialog(FileDialogMode::Open, request);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->files, QStringList({dir.filePath("a.hex"), dir.filePath("b.hex")}));
    EXPECT_EQ(answer->filterIndex, 1) << "the filter the user left selected";
}

TEST_F(QtFileDialog, SaveAddsTheDefaultExtensionAndCancelGivesNothing) {
    request.defaultExtension = "hex";
    request.filterIndex = 9; // out of range: the first filter
    whenDialogOpens([this](QFileDialog& dialog) {
        EXPECT_EQ(dialog.selectedNameFilter(), "Hex (*.hex)");
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        dialog.selectFile(dir.filePath("new"));
        return true;
    });
    EXPECT_EQ(host.saveFileName(request), dir.filePath("new.hex"));
    whenDialogOpens([](QFileDialog&) { return false; });
    EXPECT_EQ(host.openFileName(request), std::nullopt);
}

} // namespace
