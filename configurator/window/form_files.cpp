// The window's configuration files: saving the file set and loading the configuration from it.

#include "configurator/files/config_file_commands.h"
#include "configurator/model/config_check.h"
#include "configurator/model/report_codec.h"
#include "configurator/window/event_guard.h"
#include "configurator/window/main_form.h"
#include "configurator/window/named_control.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace {

void ShowError(const QString& text) {
    uiHost().messageBox(text, QStringLiteral("Tavro2"), MB_OK | MB_ICONERROR);
}

} // namespace

// The configuration file dialogs start in the folder the program started in, until a file set
// is saved or loaded.
void TMForm::ConnectFileHandlers() {
    state_.ConfigFolder = QDir::currentPath();
    connect(FindNamed<QPushButton>(*this, "btnWrite_PC"), &QPushButton::clicked, this,
            Guarded([this] { btnWrite_PCClick(); }));
    connect(FindNamed<QPushButton>(*this, "btnRead_PC"), &QPushButton::clicked, this,
            Guarded([this] { btnRead_PCClick(); }));
}

bool TMForm::ConfigToReport() {
    const Config config = CurrentConfig();
    const EncodeResult encoded = ::ConfigToReport(config);
    if (!encoded.ok()) {
        // The check may have stopped at an earlier problem, which alone would not stop a save:
        // the line names what stopped the encoding.
        checkInfo_->setText(EncodeErrorMessage(*encoded.error, config, state_.LngStrings));
        state_.ConfigError = true;
        return false;
    }
    state_.Images = encoded.images;
    state_.HidDebugLines = encoded.descriptor.debugLines;
    if (encoded.descriptor.exceedsLimit()) {
        state_.ConfigError = true;
        checkInfo_->setText(DescriptorTooLongMessage());
    }
    return true;
}

void TMForm::btnWrite_PCClick() {
    CheckConfig();
    if (!ConfigToReport()) {
        ShowError(checkInfo_->text());
        return;
    }
    ConfigSaveInput input;
    input.configError = state_.ConfigError;
    input.checkText = checkInfo_->text();
    input.config = state_.Images.general;
    input.axis = state_.Images.axis;
    input.hid = state_.Images.hid;
    input.hidDebugLines = state_.HidDebugLines;
    saveConfigurationToFile(state_.LngStrings, input, state_.ConfigFolder);
}

// Both files are read whole before anything changes, so a cancel, a missing or a short file
// leaves the window's configuration and images as they were.
void TMForm::btnRead_PCClick() {
    const auto images = loadConfigurationFromFile(state_.LngStrings, state_.ConfigFolder);
    if (!images) {
        return;
    }
    state_.Images.general = images->config;
    state_.Images.axis = images->axis;
    Config config = ReportToConfig(state_.Images.axis, state_.Images.general, state_.Images.hid);
    // The identity comes from the report 6 image in memory; before one was ever built or read
    // the window's own identity stays.
    if (state_.Images.hid[0] != HidReportId) {
        config.identity = CurrentConfig().identity;
    }
    SetConfig(config);
}
