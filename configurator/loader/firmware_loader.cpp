#include "configurator/loader/firmware_loader.h"

#include "configurator/files/text_file.h"
#include "configurator/loader/loader_console.h"
#include "configurator/loader/loader_script.h"
#include "platform/ui/ui_host.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Templates are a few command lines; anything far larger is not one.
constexpr qint64 MaxTemplateBytes = 1024 * 1024;

struct LoaderFolder {
    const char* folder;
    const char* templateName;
};

// Indexed by LoaderKind; Custom has no folder of its own.
const LoaderFolder LoaderFolders[] = {
    {"", ""},
    {"Plexivane_atmeldfu", "atmeldfu.cmd"},
    {"Plexivane_arduino", "arduino.cmd"},
    {"Plexivane_teensy2", "teensy2.cmd"},
};

bool hasFolder(int loaderKind) {
    return loaderKind >= static_cast<int>(LoaderKind::AtmelFlip) &&
           loaderKind <= static_cast<int>(LoaderKind::Teensy2);
}

void showLoaderError(const QString& text) {
    uiHost().messageBox(text, QStringLiteral("Tavro2"), MB_OK | MB_ICONERROR);
}

// The loader is told the name as it stands, in the folder it runs in: a relative name is looked
// for there. Empty when the file is there.
QString firmwareFileProblem(const QString& firmware, const QString& workingFolder) {
    const QFileInfo file(QDir(workingFolder.isEmpty() ? QDir::currentPath() : workingFolder),
                         firmware);
    if (file.isFile())
        return QString();
    const QString problem = file.exists()
                                ? QStringLiteral("The firmware file \"%1\" is a folder")
                                : QStringLiteral("The firmware file \"%1\" does not exist");
    return problem.arg(firmware) + QStringLiteral("; the loader is not started.");
}

} // namespace

QString loaderFolder(const QString& programFolder, int loaderKind) {
    if (!hasFolder(loaderKind))
        return QString();
    return QDir(programFolder).filePath(QLatin1String(LoaderFolders[loaderKind].folder)) +
           QLatin1Char('/');
}

QString loaderTemplatePath(const QString& programFolder, int loaderKind,
                           const QString& commandFile) {
    if (!hasFolder(loaderKind))
        return commandFile;
    return loaderFolder(programFolder, loaderKind) +
           QLatin1String(LoaderFolders[loaderKind].templateName);
}

bool startFirmwareLoader(const FirmwareLoaderRequest& request, LoaderConsole& console) {
    const QString firmware = request.firmwareFile.trimmed();
    if (firmware.isEmpty() || firmware == QLatin1String("-")) {
        showLoaderError(QStringLiteral("No firmware file is chosen; the loader is not started."));
        return false;
    }
    const QString folder = loaderFolder(request.programFolder, request.loaderKind);
    const LoaderValues values{request.chip, request.firmwareFile, request.port, folder};
    if (const auto name = valueWithLineBreak(values)) {
        showLoaderError(
            QStringLiteral("The %1 holds a line break; the loader is not started.").arg(*name));
        return false;
    }
    if (const QString problem = firmwareFileProblem(request.firmwareFile, folder);
        !problem.isEmpty()) {
        showLoaderError(problem);
        return false;
    }
    QString error;
    const QString templatePath =
        loaderTemplatePath(request.programFolder, request.loaderKind, request.commandFile);
    const auto templateLines = readTextLines(templatePath, MaxTemplateBytes, &error);
    if (!templateLines) {
        showLoaderError(error);
        return false;
    }
    const QString script =
        QFileInfo(folder + QStringLiteral("Plexivane_temp.cmd")).absoluteFilePath();
    if (!writeTextLines(script, loaderScriptLines(*templateLines, values), &error)) {
        showLoaderError(error);
        return false;
    }
    return console.start(QStringLiteral("/bin/sh"), {script}, folder);
}
