#include "configurator/files/config_file_set.h"

#include "configurator/files/record_file.h"
#include "configurator/files/text_file.h"

namespace {

QString axisFileName(const QString& fileName) {
    return fileName + QStringLiteral("_axis");
}

} // namespace

bool saveConfigFileSet(const QString& fileName, const ReportImage& config, const ReportImage& axis,
                       const ReportImage& hid, const QStringList& hidDebugLines, QString* error) {
    QStringList dump = hidDebugLines.mid(0, HidDumpLineCount);
    while (dump.size() < HidDumpLineCount)
        dump << QString();
    return writeRecordFile(fileName, config, error) &&
           writeRecordFile(axisFileName(fileName), axis, error) &&
           writeRecordFile(fileName + QStringLiteral("_HID_raw"), hid, error) &&
           writeTextLines(fileName + QStringLiteral("_HID_txt"), dump, error);
}

std::optional<ConfigFileSetImages> loadConfigFileSet(const QString& fileName, QString* error) {
    const auto config = readRecordFile(fileName, error);
    if (!config)
        return std::nullopt;
    const auto axis = readRecordFile(axisFileName(fileName), error);
    if (!axis)
        return std::nullopt;
    return ConfigFileSetImages{*config, *axis};
}
