#pragma once
// Starting a firmware loader: the loader kind chosen on the firmware page picks a template in a
// loader folder next to the program; the script made from it is run with /bin/sh in that folder,
// its output shown in a loader console.

#include <QString>

class LoaderConsole;

// select_bootloader's items: "--" (the template named in command_file, no loader folder),
// "Atmel FLIP", "Arduino", "Teensy2".
enum class LoaderKind : int { Custom = 0, AtmelFlip = 1, Arduino = 2, Teensy2 = 3 };

struct FirmwareLoaderRequest {
    QString programFolder;
    int loaderKind = 0;   // select_bootloader index; unknown indexes count as Custom
    QString commandFile;  // text of command_file: the template of the Custom kind
    QString chip;         // text of joy_hardware_mcu
    QString firmwareFile; // the name itself, without the quotes the file field shows it in
    QString port;
};

// The loader folder with its trailing "/": program folder + "Plexivane_atmeldfu/",
// "Plexivane_arduino/" or "Plexivane_teensy2/"; empty for Custom (the current folder).
QString loaderFolder(const QString& programFolder, int loaderKind);

// The template the kind uses, which the window shows in command_file: the folder's
// "atmeldfu.cmd", "arduino.cmd" or "teensy2.cmd"; for Custom the command_file text itself.
QString loaderTemplatePath(const QString& programFolder, int loaderKind,
                           const QString& commandFile);

// Writes folder + "Plexivane_temp.cmd" from the template and runs it in console. No firmware file
// chosen (an empty name or the field's "-"), a value holding a line break, a firmware file that
// is not there (a relative name counts from the loader folder), a template that cannot be read or
// a script that cannot be written is shown in a message box and nothing is started.
// Returns true when the script was started; how it ends shows in the console.
bool startFirmwareLoader(const FirmwareLoaderRequest& request, LoaderConsole& console);
