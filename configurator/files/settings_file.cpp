#include "configurator/files/settings_file.h"

#include "configurator/files/text_file.h"

#include <QDir>
#include <QRegularExpression>

namespace {

// Seven short lines; anything much larger is not a settings file.
constexpr qint64 MaxSettingsFileBytes = 64 * 1024;

quint16 decimalId(const QString& text) {
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok, 10);
    return ok && value <= 0xFFFF ? static_cast<quint16>(value) : 0;
}

} // namespace

quint16 SettingsRecord::filterVid() const {
    return decimalId(vendorId);
}

quint16 SettingsRecord::filterPid() const {
    return decimalId(productId);
}

QString SettingsRecord::debugLine(bool debugView) {
    return debugView ? QStringLiteral("Debug") : QStringLiteral("NoDebug");
}

QString SettingsRecord::idLine(quint16 id) {
    return QString::number(id);
}

SettingsRecord SettingsRecord::fromLines(const QStringList& lines) {
    const auto line = [&lines](int index) {
        return lines.value(index);
    };
    return {line(0), line(1), line(2), line(3), line(4), line(5), line(6)};
}

QStringList SettingsRecord::toLines() const {
    return {language, debug, comPort, firmwareFile, loaderKind, vendorId, productId};
}

QString settingsFilePath(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("Brantuse.ini"));
}

std::optional<SettingsRecord> readSettingsFile(const QString& path, QString* error) {
    const auto lines = readTextLines(path, MaxSettingsFileBytes, error);
    if (!lines)
        return std::nullopt;
    return SettingsRecord::fromLines(*lines);
}

bool writeSettingsFile(const QString& path, const SettingsRecord& settings, QString* error) {
    // Each value owns one line: a line break inside one (a pasted port name, a file name) would
    // push every later value onto the wrong line, so it is written as a blank.
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|[\\r\\n]"));
    QStringList lines = settings.toLines();
    for (QString& line : lines)
        line.replace(lineBreak, QStringLiteral(" "));
    return writeTextLines(path, lines, error);
}
