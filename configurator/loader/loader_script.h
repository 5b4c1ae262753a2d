#pragma once
// Firmware loader scripts. A template's first two lines are shell command lines holding the
// placeholders "$CHIP$", "$FILE$", "$PORT$" and "$PATH$" (any case); the script made from it
// holds those two lines with the placeholders replaced. Values go in quoted for /bin/sh, so each
// stays one argument whatever characters it holds; templates therefore use placeholders bare,
// not inside quotes.

#include <QString>
#include <QStringList>
#include <optional>

struct LoaderValues {
    QString chip; // "$CHIP$": the board's microcontroller, e.g. "atmega32u4"
    QString file; // "$FILE$": the firmware file
    QString port; // "$PORT$": the serial port
    QString path; // "$PATH$": the loader folder, with its trailing "/"
};

// The value quoted for /bin/sh: in single quotes, each embedded single quote written as '\''.
QString shellQuote(const QString& value);

// Replaces every placeholder of line (case ignored) by its quoted value in one pass, so text
// brought in by a value is never taken for a placeholder.
QString substituteLoaderLine(const QString& line, const LoaderValues& values);

// The name of the first value holding a line break ("chip", "firmware file", "port",
// "loader folder"), which would end the command line early; nothing when all are single lines.
std::optional<QString> valueWithLineBreak(const LoaderValues& values);

// The script's two lines: the first two template lines substituted; a missing line is empty.
QStringList loaderScriptLines(const QStringList& templateLines, const LoaderValues& values);
