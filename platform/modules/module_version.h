#pragma once
// Version records of the in-process modules, read the way callers read a library file's version
// resource: the size, a copy of the whole block, then one value by its path, such as
// "\StringFileInfo\040904E4\FileVersion". A module without a record answers as a file without a
// version resource.

#include "platform/win32/types.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

constexpr DWORD ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;

// The fixed part of a version record, the value "\" of every block.
struct VS_FIXEDFILEINFO {
    DWORD dwSignature; // FixedFileInfoSignature
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS; // major << 16 | minor
    DWORD dwFileVersionLS; // release << 16 | build
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};
static_assert(sizeof(VS_FIXEDFILEINFO) == 52);
constexpr DWORD FixedFileInfoSignature = 0xFEEF04BD;

// Value paths and their texts. The fixed part's file and product versions are read from the
// "FileVersion" and "ProductVersion" texts ("1.2.3.4"; the product's is the file's when absent).
using ModuleVersionRecord = std::vector<std::pair<QString, QString>>;

// Gives the module called name (case-insensitive) its record, replacing any earlier one.
void SetModuleVersion(const QString& name, ModuleVersionRecord record);

// Bytes of the module's version block; 0 with ERROR_RESOURCE_TYPE_NOT_FOUND when it has none.
// handle is set to 0.
DWORD GetFileVersionInfoSizeW(const QString& name, DWORD* handle);
// Copies the block into data; FALSE with ERROR_INSUFFICIENT_BUFFER when length is short of the
// size above, ERROR_RESOURCE_TYPE_NOT_FOUND when there is no record.
BOOL GetFileVersionInfoW(const QString& name, DWORD handle, DWORD length, void* data);
// Points *buffer at the NUL-terminated UTF-16 text of subBlock inside block and sets *length to
// its characters including the NUL; for subBlock "\\" at the block's VS_FIXEDFILEINFO, *length
// its 52 bytes. FALSE when block holds no such value. Every read stays
// inside the block's own recorded size.
BOOL VerQueryValueW(const void* block, const QString& subBlock, void** buffer, UINT* length);

// Reads the module's record through the three calls above and hands take the value subBlock
// names, as VerQueryValueW points at it; false, take not called, when there is none.
bool ModuleVersionValue(const QString& name, const QString& subBlock,
                        const std::function<void(const void* value, UINT length)>& take);

// The module's "\StringFileInfo\040904E4\FileVersion" text read through the three calls above;
// empty when it has none.
QString ModuleFileVersion(const QString& name);
