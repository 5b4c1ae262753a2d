#pragma once
// The window's shared state: what the handlers of the device list, the controller exchange,
// the live data and the editors read and write. Zero at start.

#include "configurator/files/settings_file.h"
#include "configurator/model/config.h"
#include "configurator/model/language_lines.h"
#include "configurator/model/report_codec.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

class TWkHidDevice;

// Where the in-place editor of a button grid stands: open or not, and the selected cell.
struct GridEditorState {
    bool open = false;
    int col = 0;
    int row = 0;
};

struct GridEditState {
    GridEditorState knp;
    GridEditorState kbms;
};

struct FormState {
    TWkHidDevice* ConfigDevice = nullptr;   // configuration interface (usage 1) of the selection
    TWkHidDevice* JoystickDevice = nullptr; // joystick interface (usage 4) of the selection
    std::uint16_t FilterVid = 0;
    std::uint16_t FilterPid = 0;
    QString FilterVidText; // set by a click in the device list only
    QString FilterPidText;
    bool PollingEnabled = false;
    bool ConfigError = false;
    bool LastTransferOk = false; // result of the last feature transfer with the controller
    QString LastErrorText;       // the platform's text for the last error after that transfer
    std::array<int, 5> ReportLengths{}; // payload lengths of reports 4, 5, 6, 7, 8
    LanguageLines LngStrings;
    int ChartCursor = 0;
    int SelectedCurve = 0;
    GridEditState GridEdit;
    std::array<KnpRow, LogicalButtonCount> KnpTable{}; // behind KnpGrid rows 1..64
    std::array<KbMsRow, KbMsRowCount> KbMsTable{};     // behind KbMsGrid rows 1..15
    SettingsRecord Settings;                           // the settings file as read at start
    // ConfigAxisBuffer (axis), ConfigBuffer (general) and ConfigHidBuffer (hid): what the
    // transfers, the configuration files and the language switch share.
    ReportImages Images;
    QStringList HidDebugLines; // text dump of the last built descriptor
    // Where the configuration file dialogs start: the folder of the file set last saved or
    // loaded, the program's start folder before that.
    QString ConfigFolder;
};
