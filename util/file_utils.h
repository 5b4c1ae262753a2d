#pragma once
// File, folder and module look-ups of the utility library.

#include "platform/modules/module_version.h"
#include "platform/win32/types.h"

#include <QByteArray>
#include <QString>
#include <span>

// True when the name is not empty and names an existing entry that is not a folder.
bool FilePresent(const QString& fileName);
// True when the path names an existing folder.
bool DirectoryPresent(const QString& path);

// The path as the desktop shows it. Folder names are shown as they are on Linux, so only
// Windows-style drive paths change: "C:\dir\" becomes "C:\dir" and "C:\" becomes "C:". Network
// paths ("\\server\share") and paths without a drive come back unchanged.
QString PathToDisplayPath(const QString& path);

// All bytes of the buffer as an 8-bit string, zero bytes included.
QByteArray BufferToAnsiString(std::span<const BYTE> buffer);

// The module (the program or a loaded library) that holds the utility library's code.
HMODULE CurrentModule();
// The full file name of a loaded module; empty, with last error ERROR_MOD_NOT_FOUND, when the
// handle names no loaded module (one that has been unloaded, for instance).
QString ModuleFileName(HMODULE module);

// The fixed part of a module's version record: true when the module has a record with a fixed
// part, which is copied into info only when it has exactly the 52 bytes of the structure.
bool VersionFixedFileInfo(const QString& fileName, VS_FIXEDFILEINFO& info);
