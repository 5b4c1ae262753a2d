#pragma once
// Overlapped reads and writes on device handles with completion routines, as Windows callers use
// them: ReadFileEx/WriteFileEx start an operation; it completes, and its completion routine runs,
// on the starting thread inside an alertable SleepEx, which then returns WAIT_IO_COMPLETION.
// A cancelled operation, or one whose handle was closed, ends with ERROR_OPERATION_ABORTED and
// never touches the caller's buffer afterwards. Closing a handle wakes the thread waiting on it.

#include "platform/win32/device_file.h"

constexpr DWORD WAIT_IO_COMPLETION = 192;
constexpr DWORD INFINITE = 0xFFFFFFFF;

// Starts reading one input report into buffer. The handle must be opened with
// FILE_FLAG_OVERLAPPED and read access; overlapped must not belong to a pending operation.
BOOL ReadFileEx(HANDLE handle, LPVOID buffer, DWORD toRead, LPOVERLAPPED overlapped,
                LPOVERLAPPED_COMPLETION_ROUTINE routine);
// Sends one output report; its completion routine runs at the next alertable wait.
BOOL WriteFileEx(HANDLE handle, LPCVOID buffer, DWORD toWrite, LPOVERLAPPED overlapped,
                 LPOVERLAPPED_COMPLETION_ROUTINE routine);

// Waits ms milliseconds (INFINITE: without end). Alertable, it ends early when operations of
// this thread completed: their routines run first, in order, and the result is
// WAIT_IO_COMPLETION; otherwise 0.
DWORD SleepEx(DWORD ms, BOOL alertable);

// The outcome of the operation overlapped describes: TRUE with the byte count once it completed
// successfully; FALSE with its error, or ERROR_IO_INCOMPLETE while it is pending. Waiting for a
// pending operation is not offered: wait must be FALSE (else ERROR_INVALID_PARAMETER).
BOOL GetOverlappedResult(HANDLE handle, LPOVERLAPPED overlapped, LPDWORD bytes, BOOL wait);

// Cancels the calling thread's pending operations on handle.
BOOL CancelIo(HANDLE handle);

// Ends every pending operation on a handle being closed, from any thread.
void AbortPendingIo(HANDLE handle);
