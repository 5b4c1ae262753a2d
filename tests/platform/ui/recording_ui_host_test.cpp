#include "tests/support/recording_ui_host.h"

#include <QDialog>
#include <gtest/gtest.h>

TEST(UiHost, ScopedHostReplacesAndRestoresTheCurrentHost) {
    UiHost* before = &uiHost();
    {
        RecordingUiHost host;
        ScopedUiHost guard(host);
        EXPECT_EQ(&uiHost(), &host);
        uiHost().sleep(250);
        EXPECT_EQ(uiHost().messageBox(QStringLiteral("Ok?"), QStringLiteral("T"), MB_YESNO), IDYES);
        EXPECT_EQ(host.log, QStringList({QStringLiteral("sleep: 250"),
                                         QStringLiteral("messageBox: T | Ok?")}));
    }
    EXPECT_EQ(&uiHost(), before);
}

TEST(UiHost, RecordingHostRunsNoDialogAndAnswersWithTheSetResult) {
    RecordingUiHost host;
    host.dialogResult = QDialog::Accepted;
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("About"));
    EXPECT_EQ(host.execDialog(dialog), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(host.log, QStringList{QStringLiteral("dialog: About")});
}

TEST(UiHost, RecordingHostAnswersColourDialogsFromItsQueue) {
    RecordingUiHost host;
    host.colorAnswers.push_back(ColorDialogAnswer{0x123456, {QStringLiteral("ColorA=654321")}});
    const auto first = host.colorDialog(ColorDialogRequest{0x00FF80, {}});
    ASSERT_TRUE(first);
    EXPECT_EQ(first->color, 0x123456);
    EXPECT_FALSE(host.colorDialog(ColorDialogRequest{clRed, {}})) << "an empty queue cancels";
    EXPECT_EQ(host.log, QStringList({QStringLiteral("colorDialog: 00ff80"),
                                     QStringLiteral("colorDialog: 0000ff")}));
    ASSERT_EQ(host.colorRequests.size(), 2u);
    EXPECT_EQ(host.colorRequests[1].color, clRed);
}
