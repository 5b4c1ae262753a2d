// The window's configuration files and settings: saving and loading the file set, reading the
// settings at start and writing them at close.

#include "configurator/files/config_file_commands.h"
#include "configurator/files/settings_file.h"
#include "configurator/model/report_codec.h"
#include "configurator/window/event_guard.h"
#include "configurator/window/find_control.h"
#include "configurator/window/main_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
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

// A missing settings file reads as seven empty lines, so start-up goes on with no language, the
// debug line hidden and no controller chosen; one that exists but cannot be read is also shown.
void TMForm::ReadSettings() {
    const QString path = settingsFilePath(programFolder_);
    SettingsRecord settings;
    if (QFileInfo::exists(path)) {
        QString error;
        if (const auto read = readSettingsFile(path, &error)) {
            settings = *read;
        } else {
            ShowError(error);
        }
    }
    const QStringList lines = settings.toLines();
    for (int k = 0; k < SettingsLineCount; ++k) {
        state_.Settings[k] = lines.value(k);
    }
}

SettingsRecord TMForm::ClosingSettings() const {
    SettingsRecord settings;
    settings.language = translate_->currentText();
    settings.debug = SettingsRecord::debugLine(debugView_->isChecked());
    settings.comPort = FindControl<QLineEdit>(*this, "com_port")->text();
    settings.firmwareFile = FindControl<QLineEdit>(*this, "FileFirm")->text();
    settings.loaderKind =
        QString::number(FindControl<QComboBox>(*this, "select_bootloader")->currentIndex());
    settings.vendorId = SettingsRecord::idLine(state_.FilterVid);
    settings.productId = SettingsRecord::idLine(state_.FilterPid);
    return settings;
}

void TMForm::WriteSettings() {
    QString error;
    if (!writeSettingsFile(settingsFilePath(programFolder_), ClosingSettings(), &error)) {
        ShowError(error);
    }
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
