#pragma once
// Report images stored as raw 1001-byte records, the way the configuration files and the
// temporary file of a language switch keep them.

#include "configurator/model/report_image.h"

#include <QString>
#include <optional>

// Reads the first record of the file. A file shorter than one record is an error: nothing is
// returned and *error names the path and the reason. Bytes after the first record are ignored.
std::optional<ReportImage> readRecordFile(const QString& path, QString* error);

// Creates or replaces the file with exactly one record. The old file stays as it was when
// writing fails; *error then names the path and the reason.
bool writeRecordFile(const QString& path, const ReportImage& image, QString* error);

// The same for a file that lives only while the program works with it: written in place, without
// waiting for the disk to hold it.
bool writeTemporaryRecordFile(const QString& path, const ReportImage& image, QString* error);
