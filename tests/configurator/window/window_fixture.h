#pragma once
// Runs the real main window offscreen with a recording UI host and a temporary program folder.

#include "configurator/window/main_form.h"
#include "tests/support/recording_ui_host.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// One QApplication for the whole test program.
void EnsureApplication();

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window; tests add files to folder first when they need them.
    TMForm& Open();
    template <typename Control> Control* Find(const QString& name) {
        auto* control = form->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }

    RecordingUiHost host;
    std::unique_ptr<ScopedUiHost> hostGuard;
    QTemporaryDir folder;
    std::unique_ptr<TMForm> form;
};
