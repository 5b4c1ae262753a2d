#pragma once
// The window's "save to file" and "load from file" commands: the file dialogs (through the UI
// host) around the file set. The window encodes its controls into the images before a save and
// decodes the loaded images afterwards.

#include "configurator/files/config_file_set.h"
#include "configurator/model/language_lines.h"
#include "platform/ui/ui_host.h"

#include <optional>

// The configuration a save writes, as the window holds it after checking and encoding.
struct ConfigSaveInput {
    bool configError = false; // the check failed: its verdict is shown, the save goes on
    QString checkText;        // the check's verdict line
    ReportImage config{};
    ReportImage axis{};
    ReportImage hid{};
    QStringList hidDebugLines;
};

// The file dialogs of both commands: "Tavro Config file|*.tavro", default extension "tavro",
// starting in folder; the title is language line 5 (open) or 6 (save).
FileDialogRequest configFileDialogRequest(const QString& title, const QString& folder);

// Both commands start their dialog in folder and, once the file set is saved or loaded, set
// folder to the folder of its file, so that the next dialog starts there. The process's current
// folder is left alone.

// Shows the check verdict when the configuration is invalid, asks for a file name and writes
// the file set. A write failure is shown in a message box. Returns true when all four files
// were written; false when cancelled or failed.
bool saveConfigurationToFile(const LanguageLines& lines, const ConfigSaveInput& input,
                             QString& folder);

// Asks for a file name and reads both images. A missing or short file is shown in a message
// box and nothing is returned, so the caller's configuration stays as it was; a cancel also
// returns nothing.
std::optional<ConfigFileSetImages> loadConfigurationFromFile(const LanguageLines& lines,
                                                             QString& folder);
