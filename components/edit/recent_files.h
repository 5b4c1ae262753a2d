#pragma once
// The desktop's list of recently used files: the freedesktop bookmark file recently-used.xbel.
// The file is written by other programs and read as untrusted input.

#include <QByteArray>
#include <QString>
#include <QStringList>

// Where the desktop keeps the list: $XDG_DATA_HOME/recently-used.xbel, else
// ~/.local/share/recently-used.xbel.
QString RecentlyUsedFilePath();

// The local files a recently-used document lists, most recently used first, each once. A
// document that is not well-formed, has no xbel root, or passes the caps yields nothing.
QStringList ParseRecentlyUsed(const QByteArray& document);

// ParseRecentlyUsed of the file at path; nothing when it cannot be read or is too big.
QStringList ReadRecentlyUsed(const QString& path);
