#pragma once
// The configuration file set: under one name F chosen by the user, F holds the general
// configuration image (report 5), F + "_axis" the axis image (report 4), F + "_HID_raw" the USB
// identity and descriptor image (report 6), one 1001-byte record each, and F + "_HID_txt" the
// 1000-line text dump of the descriptor. Loading reads back F and F + "_axis" only.

#include "configurator/model/report_image.h"

#include <QString>
#include <QStringList>
#include <optional>

inline constexpr int HidDumpLineCount = 1000;

struct ConfigFileSetImages {
    ReportImage config{}; // report 5
    ReportImage axis{};   // report 4
};

// Writes the four files in the order F, "_axis", "_HID_raw", "_HID_txt". The dump is written as
// exactly 1000 lines: missing lines are empty, lines beyond are left out. Each file is replaced
// only when it was written whole; the first failure stops the save (files written before stay)
// and sets *error. Returns true when all four were written.
bool saveConfigFileSet(const QString& fileName, const ReportImage& config, const ReportImage& axis,
                       const ReportImage& hid, const QStringList& hidDebugLines, QString* error);

// Reads both records completely before returning them; a missing or short file is an error
// (*error set) and nothing is returned.
std::optional<ConfigFileSetImages> loadConfigFileSet(const QString& fileName, QString* error);
