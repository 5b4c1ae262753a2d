#pragma once
// Switching the window's language. Rebuilding the lists whose items come from the language loses
// their selections, so the switch parks the general-configuration image while the window
// rebuilds and decodes the configuration from it afterwards.

#include "configurator/files/settings_file.h"
#include "configurator/model/language_lines.h"
#include "configurator/model/report_image.h"

#include <QString>
#include <functional>

struct LanguageSwitchRequest {
    QString programFolder;
    QString language;        // the chosen name, as listed by listLanguageNames
    SettingsRecord settings; // written to the settings file at once (its language line included)
};

// Program folder + "Brantuse.tmp".
QString tempConfigFilePath(const QString& programFolder);

// Does nothing and returns false when the language has no file in the program folder.
// Otherwise writes configBuffer (the freshly encoded general configuration) to the temporary
// file, writes the settings file, reads the language lines and calls apply(lines), which sets
// the captions, rebuilds the lists and decodes the configuration from configBuffer; then removes
// the temporary file. The configuration is kept in memory throughout, so a temporary file that
// cannot be written loses nothing and does not stop the switch. A settings
// or language file that cannot be read or written is shown in a message box; an unreadable
// language file ends the switch before anything changes.
bool switchLanguage(const LanguageSwitchRequest& request, const ReportImage& configBuffer,
                    const std::function<void(const LanguageLines&)>& apply);
