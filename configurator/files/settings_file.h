#pragma once
// The tool's settings file "Brantuse.ini" in the program folder: seven text lines, in order the
// language name, "Debug" or "NoDebug", the serial port, the firmware file, the loader kind (list
// index in decimal), and the selected controller's vendor id and product id in decimal.

#include <QString>
#include <QStringList>
#include <optional>

struct SettingsRecord {
    static constexpr int LineCount = 7;

    QString language;
    QString debug;
    QString comPort;
    QString firmwareFile;
    QString loaderKind;
    QString vendorId;
    QString productId;

    // The debug line is shown only for exactly "Debug" (case matters).
    bool debugView() const { return debug == QLatin1String("Debug"); }
    // The ids as numbers; text that is no decimal number in 0..65535 gives 0 (no controller).
    quint16 filterVid() const;
    quint16 filterPid() const;

    static QString debugLine(bool debugView);
    static QString idLine(quint16 id);

    // Lines 1..7; missing lines are empty, lines past the seventh are ignored.
    static SettingsRecord fromLines(const QStringList& lines);
    QStringList toLines() const;
};

// Program folder + "Brantuse.ini".
QString settingsFilePath(const QString& programFolder);

// Reads the settings file; nothing when it cannot be read (*error says why).
std::optional<SettingsRecord> readSettingsFile(const QString& path, QString* error);

// Creates or replaces the settings file with the seven lines, a line break inside a value written
// as a blank; false with *error on failure.
bool writeSettingsFile(const QString& path, const SettingsRecord& settings, QString* error);
