#pragma once
// 8-bit text files of the tool (language, settings, loader scripts, descriptor dump): read as
// UTF-8, or as Windows-1251 when the bytes are not valid UTF-8 (files written by older tools on
// Russian systems); always written as UTF-8 with "\n" line ends.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Decodes bytes as UTF-8 when they are valid UTF-8, otherwise as Windows-1251; the UTF-8
// byte-order marks the bytes begin with, however many, are skipped.
QString decodeText8(const QByteArray& bytes);

// Decodes Windows-1251 bytes; the one unassigned code (0x98) becomes U+FFFD.
QString decodeWindows1251(const QByteArray& bytes);

// Splits text into lines ended by "\r\n", "\n" or "\r"; a last line without an end counts,
// an empty text has no lines.
QStringList splitTextLines(const QString& text);

// Reads the file's lines (decoded as above). Files larger than maxBytes are refused, since
// nothing the tool reads this way is large. On failure returns nothing and sets *error to a
// text naming the operation, the path and the reason.
std::optional<QStringList> readTextLines(const QString& path, qint64 maxBytes, QString* error);

// Writes each line followed by "\n" as UTF-8, replacing the file only once everything is written;
// a file that already holds exactly that is left untouched. On failure leaves any old file as it
// was and sets *error.
bool writeTextLines(const QString& path, const QStringList& lines, QString* error);
