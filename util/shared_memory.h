#pragma once
// Named blocks of memory shared between processes (see NamedObject for the names). Within this
// process, opening a name that is open already gives the same view and counts the opening; the
// view goes when the last opening is closed. Those names are compared without regard to case.

#include "platform/win32/types.h"

#include <QString>

// Access to a view of a block.
constexpr DWORD FILE_MAP_COPY = 0x0001;
constexpr DWORD FILE_MAP_WRITE = 0x0002;
constexpr DWORD FILE_MAP_READ = 0x0004;
constexpr DWORD FILE_MAP_ALL_ACCESS = 0x000F001F;

// Opens the block name, made with size bytes (zeroed) when no process has it, and sets view to
// it: writable with FILE_MAP_WRITE (or all access), read-only with FILE_MAP_READ alone, and with
// FILE_MAP_COPY writable for this process alone. Returns 0 for a new block and
// ERROR_ALREADY_EXISTS (183) for one that was open here or in another process. A size of 0 opens
// an existing block whole. Raises ESharedMemError for an empty name, for a new block of size 0
// and for a block open here that is smaller than size; ECkWin32Error when the block can be
// neither opened nor made (a "\" after the name-space prefix, another kind of object or another
// user's under that name, an open block smaller than size).
DWORD SharedMemoryOpen(void*& view, const QString& name, DWORD size,
                       DWORD desiredAccess = FILE_MAP_ALL_ACCESS);

// Closes one opening of the block at view and sets view to null. True also for a null view;
// false when no open block starts at view.
bool SharedMemoryClose(void*& view);
