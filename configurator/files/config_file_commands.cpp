#include "configurator/files/config_file_commands.h"

#include "platform/ui/ui_host.h"

#include <QFileInfo>

namespace {

void showFileError(const QString& error) {
    uiHost().messageBox(error, QStringLiteral("Tavro2"), MB_OK | MB_ICONERROR);
}

QString folderOf(const QString& fileName) {
    return QFileInfo(fileName).absolutePath();
}

} // namespace

FileDialogRequest configFileDialogRequest(const QString& title, const QString& folder) {
    FileDialogRequest request;
    request.title = title;
    request.filter = QStringLiteral("Tavro Config file|*.tavro");
    request.defaultExtension = QStringLiteral("tavro");
    request.initialDir = folder;
    return request;
}

bool saveConfigurationToFile(const LanguageLines& lines, const ConfigSaveInput& input,
                             QString& folder) {
    // An invalid configuration is still saved: the user may want to keep it or report it.
    if (input.configError)
        uiHost().showMessage(input.checkText);
    const auto fileName = uiHost().saveFileName(configFileDialogRequest(lines.line(6), folder));
    if (!fileName)
        return false;
    QString error;
    if (!saveConfigFileSet(*fileName, input.config, input.axis, input.hid, input.hidDebugLines,
                           &error)) {
        showFileError(error);
        return false;
    }
    folder = folderOf(*fileName);
    return true;
}

std::optional<ConfigFileSetImages> loadConfigurationFromFile(const LanguageLines& lines,
                                                             QString& folder) {
    const auto fileName = uiHost().openFileName(configFileDialogRequest(lines.line(5), folder));
    if (!fileName)
        return std::nullopt;
    QString error;
    auto images = loadConfigFileSet(*fileName, &error);
    if (images)
        folder = folderOf(*fileName);
    else
        showFileError(error);
    return images;
}
