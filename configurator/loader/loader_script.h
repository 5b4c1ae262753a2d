#pragma once
// Firmware loader scripts. A template's first two lines are shell command lines holding the
// placeholders "$CHIP$", "$FILE$", "$PORT$" and "$PATH$" (any case); the script made from it
// holds those two lines with the placeholders replaced. Each value reaches the program exactly as
// it is, as one word or as part of the quoted text around it, whether its placeholder stands bare
// ($FILE$), inside double quotes ("$FILE$", "$PATH$avrdude.conf") or inside single quotes; no
// character of a value is ever taken as shell syntax.

#include <QString>
#include <QStringList>
#include <optional>

struct LoaderValues {
    QString chip; // "$CHIP$": the board's microcontroller, e.g. "atmega32u4"
    QString file; // "$FILE$": the firmware file
    QString port; // "$PORT$": the serial port
    QString path; // "$PATH$": the loader folder, with its trailing "/"
};

// The value as one word for /bin/sh outside quotes: every character other than letters, digits
// and "_./:,+=@%-" behind a backslash; an empty value as ''.
QString shellWord(const QString& value);

// Replaces every placeholder of line (case ignored) in one pass, so text brought in by a value is
// never taken for a placeholder. The quoting in effect where the placeholder stands decides how
// its value is written (line breaks in values are refused before, see valueWithLineBreak).
QString substituteLoaderLine(const QString& line, const LoaderValues& values);

// The name of the first value holding a line break ("chip", "firmware file", "port",
// "loader folder"), which would end the command line early; nothing when all are single lines.
std::optional<QString> valueWithLineBreak(const LoaderValues& values);

// The script's two lines: the first two template lines substituted; a missing line is empty.
QStringList loaderScriptLines(const QStringList& templateLines, const LoaderValues& values);
