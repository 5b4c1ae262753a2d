// The window's configuration files: saving the file set and loading the configuration from it.

#include "configurator/files/config_file_commands.h"
#include "configurator/model/report_codec.h"
#include "configurator/window/event_guard.h"
#include "configurator/window/find_control.h"
#include "configurator/window/main_form.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

void ShowError(const QString& text) {
    uiHost().messageBox(text, QStringLiteral("Tavro2"), MB_OK | MB_ICONERROR);
}

} // namespace

void TMForm::ConnectFileHandlers() {
    connect(FindControl<QPushButton>(*this, "btnWrite_PC"), &QPushButton::clicked, this,
            Guarded([this] { btnWrite_PCClick(); }));
    connect(FindControl<QPushButton>(*this, "btnRead_PC"), &QPushButton::clicked, this,
            Guarded([this] { btnRead_PCClick(); }));
}

// Encodes the shown configuration into the three images and the descriptor dump. A value that
// has no encoding is shown and leaves the images as they were.
bool TMForm::ConfigToReport() {
    const EncodeResult encoded = ::ConfigToReport(CurrentConfig());
    if (!encoded.ok()) {
        ShowError(EncodeErrorText(*encoded.error));
        return false;
    }
    state_.ConfigAxisBuffer = encoded.images.axis;
    state_.ConfigBuffer = encoded.images.general;
    state_.ConfigHidBuffer = encoded.images.hid;
    state_.HidDebugLines = encoded.descriptor.debugLines;
    if (encoded.descriptor.exceedsLimit()) {
        state_.ConfigError = true;
        checkInfo_->setText(DescriptorTooLongMessage());
    }
    return true;
}

// Shows a whole configuration: every control, the button tables with their grids, the shown
// curve, then the check.
void TMForm::ShowWholeConfig(const Config& config) {
    state_.KnpTable = config.knpTable;
    state_.KbMsTable = config.kbMsTable;
    ShowButtonTables();
    ShowRules(config);
    CurveVisualRefrash();
    CheckConfig();
}

void TMForm::btnWrite_PCClick() {
    CheckConfig();
    if (!ConfigToReport()) {
        return;
    }
    ConfigSaveInput input;
    input.configError = state_.ConfigError;
    input.checkText = checkInfo_->text();
    input.config = state_.ConfigBuffer;
    input.axis = state_.ConfigAxisBuffer;
    input.hid = state_.ConfigHidBuffer;
    input.hidDebugLines = state_.HidDebugLines;
    saveConfigurationToFile(state_.LngStrings, input);
}

// Both files are read whole before anything changes, so a cancel, a missing or a short file
// leaves the window's configuration and images as they were.
void TMForm::btnRead_PCClick() {
    const auto images = loadConfigurationFromFile(state_.LngStrings);
    if (!images) {
        return;
    }
    state_.ConfigBuffer = images->config;
    state_.ConfigAxisBuffer = images->axis;
    Config config =
        ReportToConfig(state_.ConfigAxisBuffer, state_.ConfigBuffer, state_.ConfigHidBuffer);
    // The identity comes from the report 6 image in memory; before one was ever built or read
    // the window's own identity stays.
    if (state_.ConfigHidBuffer[0] != HidReportId) {
        config.identity = CurrentConfig().identity;
    }
    ShowWholeConfig(config);
}
