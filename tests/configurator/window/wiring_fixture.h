#pragma once
// Runs the real main window offscreen in a temporary program folder with a recording UI host,
// for the files, settings, language and loader handlers. The test entry provides the one
// QApplication.

#include "configurator/model/config.h"
#include "configurator/window/main_form.h"
#include "tests/configurator/files/qt_print.h"
#include "tests/support/recording_ui_host.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class WiringTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window; files it should find at start are written into the folder first.
    TMForm& Open();
    QString Path(const QString& name) const { return folder.filePath(name); }

    // A language file whose line k reads prefix + k, with count lines.
    void WriteLanguage(const QString& language, const QString& prefix, int count = 151);
    void WriteSettings(const QStringList& lines);
    QStringList ReadLines(const QString& name) const;

    // Saves config as the file set F (without going through the window).
    void SaveFileSet(const QString& name, const Config& config);
    // Shows config in the window the way a user would: by loading a saved file set.
    void LoadThroughWindow(const Config& config);
    // Clicks a button of the window by its name.
    void Click(const char* name);

    template <typename Control> Control* Find(const char* name) {
        auto* control = form->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    RecordingUiHost host;
    std::unique_ptr<ScopedUiHost> hostGuard;
    QTemporaryDir folder;
    std::unique_ptr<TMForm> form;
};

// A configuration that touches the lists a language rebuilds, the button tables, a hat, curves
// and the identity.
Config RichConfig();
