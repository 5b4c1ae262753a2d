#pragma once
// File-name checks and look-ups shared by the file-name controls.

#include <QString>

// True when any character of chars occurs in text.
bool ContainsAnyChar(const QString& text, const QString& chars);

// A name the file system can take: not empty and without a NUL. Folder separators and every
// other character are allowed, as Linux allows them.
bool IsValidFileName(const QString& fileName);

// The name of the entry the path leads to, without its folder; empty when there is none.
QString GetLongFileName(const QString& path);
// The same: Linux file systems keep no second, short form of a name.
QString GetShortFileName(const QString& path);
