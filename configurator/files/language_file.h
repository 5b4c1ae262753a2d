#pragma once
// Language files: one "<language>.lng" per language in the program folder, 151 text lines whose
// meaning is their number.

#include "configurator/model/language_lines.h"

#include <QString>
#include <QStringList>
#include <optional>

// The languages offered: the names of the folder's "*.lng" files (extension matched ignoring
// case) with every ".lng" removed (ignoring case), sorted by file name.
QStringList listLanguageNames(const QString& programFolder);

// The file of the named language: the folder's entry named language + ".lng", compared ignoring
// case as the names were listed; nothing when there is none.
std::optional<QString> findLanguageFile(const QString& programFolder, const QString& language);

// Reads a language file: its first LanguageLines::LineCount lines (missing lines read as empty
// texts, further lines are ignored). Nothing when it cannot be read (*error says why).
std::optional<LanguageLines> readLanguageFile(const QString& path, QString* error);
