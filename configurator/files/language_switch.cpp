#include "configurator/files/language_switch.h"

#include "configurator/files/language_file.h"
#include "configurator/files/record_file.h"
#include "platform/ui/ui_host.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <utility>

Q_LOGGING_CATEGORY(lcLanguageSwitch, "tavro.files.language")

namespace {

void showFileError(const QString& error) {
    uiHost().messageBox(error, QStringLiteral("Tavro2"), MB_OK | MB_ICONERROR);
}

// The general configuration written to the temporary file for the length of a switch. The
// switch itself works from the image in memory, so a failed write only costs the copy on disk;
// the file is removed when the switch ends, also when the window's rebuild throws.
class TempConfigFile {
public:
    TempConfigFile(QString path, const ReportImage& image) : path_(std::move(path)) {
        QString error;
        if (!writeTemporaryRecordFile(path_, image, &error))
            qCWarning(lcLanguageSwitch) << error;
    }
    ~TempConfigFile() {
        if (QFileInfo(path_).isFile())
            QFile::remove(path_);
    }
    TempConfigFile(const TempConfigFile&) = delete;
    TempConfigFile& operator=(const TempConfigFile&) = delete;

private:
    QString path_;
};

} // namespace

QString tempConfigFilePath(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("Brantuse.tmp"));
}

bool switchLanguage(const LanguageSwitchRequest& request, const ReportImage& configBuffer,
                    const std::function<void(const LanguageLines&)>& apply) {
    const auto languageFile = findLanguageFile(request.programFolder, request.language);
    if (!languageFile)
        return false;
    QString error;
    const auto lines = readLanguageFile(*languageFile, &error);
    if (!lines) {
        showFileError(error);
        return false;
    }
    const TempConfigFile parked(tempConfigFilePath(request.programFolder), configBuffer);
    if (!writeSettingsFile(settingsFilePath(request.programFolder), request.settings, &error))
        showFileError(error);
    apply(*lines);
    return true;
}
