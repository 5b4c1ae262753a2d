#pragma once
// Named blocks of memory shared by the code of this process. Opening a name that is open
// already gives the same block and counts the opening; the block goes when the last opening is
// closed. Names are compared without regard to case.

#include "platform/win32/types.h"

#include <QString>

// Opens or makes the block name with at least size bytes (a new block starts zeroed) and sets
// view to it. Returns 0 for a new block and ERROR_ALREADY_EXISTS (183) for an open one. Raises
// ESharedMemError for an empty name or one holding "\", for a new block of size 0 and for an
// open block smaller than size; ECkWin32Error when the memory cannot be had.
DWORD SharedMemoryOpen(void*& view, const QString& name, DWORD size);

// Closes one opening of the block at view and sets view to null. True also for a null view;
// false when no open block starts at view.
bool SharedMemoryClose(void*& view);
