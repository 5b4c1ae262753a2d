#include "configurator/loader/about_box.h"
#include "configurator/loader/tool_launchers.h"
#include "tests/configurator/files/qt_print.h"
#include "tests/support/recording_ui_host.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(AboutBox, ShowsAddressAndCreditsAndClosesWithOk) {
    RecordingUiHost host;
    ScopedUiHost scoped(host);
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), "Tavro2");
    EXPECT_EQ(box.size(), QSize(760, 376));
    EXPECT_EQ(box.addressButton()->text(), projectPageAddress());
    const auto credits = box.findChildren<QPlainTextEdit*>();
    ASSERT_EQ(credits.size(), 2);
    for (const QPlainTextEdit* text : credits) {
        EXPECT_FALSE(text->isEnabled());
        EXPECT_FALSE(text->toPlainText().isEmpty());
    }
    EXPECT_TRUE(credits[0]->toPlainText().contains(QStringLiteral(u"Спасибо")));
    EXPECT_TRUE(credits[1]->toPlainText().contains("Thanks"));

    box.addressButton()->click();
    EXPECT_EQ(host.log, QStringList({"shellOpen: " + projectPageAddress() + " |  | "}));

    box.okButton()->click();
    EXPECT_EQ(box.result(), 1);
}

TEST(AboutBox, RunsModallyThroughTheHostAndIsFreedAfterwards) {
    RecordingUiHost host;
    ScopedUiHost scoped(host);
    host.dialogResult = 1;
    QWidget window;
    EXPECT_EQ(showAboutBox(&window), 1);
    EXPECT_EQ(host.log, QStringList({"dialog: Tavro2"}));
    EXPECT_TRUE(window.findChildren<TAboutBox*>().isEmpty());
}

} // namespace
