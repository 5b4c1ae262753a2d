#include "platform/win32/last_error.h"

#include <cerrno>

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

struct ErrnoMapping {
    int errnoValue;
    DWORD code;
};

constexpr ErrnoMapping errnoMappings[] = {
    {EPERM, ERROR_ACCESS_DENIED},
    {ENOENT, ERROR_FILE_NOT_FOUND},
    {ESRCH, ERROR_FILE_NOT_FOUND},
    {EINTR, ERROR_OPERATION_ABORTED},
    {EIO, ERROR_GEN_FAILURE},
    {ENXIO, ERROR_DEVICE_NOT_CONNECTED},
    {E2BIG, ERROR_INSUFFICIENT_BUFFER},
    {EBADF, ERROR_INVALID_HANDLE},
    {EAGAIN, ERROR_IO_PENDING},
    {ENOMEM, ERROR_NOT_ENOUGH_MEMORY},
    {EACCES, ERROR_ACCESS_DENIED},
    {EFAULT, ERROR_NOACCESS},
    {EBUSY, ERROR_BUSY},
    {EEXIST, ERROR_FILE_EXISTS},
    {ENODEV, ERROR_DEVICE_NOT_CONNECTED},
    {ENOTDIR, ERROR_PATH_NOT_FOUND},
    {EISDIR, ERROR_ACCESS_DENIED},
    {EINVAL, ERROR_INVALID_PARAMETER},
    {ENFILE, ERROR_TOO_MANY_OPEN_FILES},
    {EMFILE, ERROR_TOO_MANY_OPEN_FILES},
    {ENOTTY, ERROR_INVALID_FUNCTION},
    {ENOSPC, ERROR_GEN_FAILURE},
    {EROFS, ERROR_WRITE_PROTECT},
    {EPIPE, ERROR_GEN_FAILURE},
    {ENAMETOOLONG, ERROR_INVALID_NAME},
    {ENOSYS, ERROR_CALL_NOT_IMPLEMENTED},
    {EOPNOTSUPP, ERROR_NOT_SUPPORTED},
    {ETIMEDOUT, ERROR_SEM_TIMEOUT},
    {ESHUTDOWN, ERROR_DEVICE_NOT_CONNECTED},
    {ECANCELED, ERROR_OPERATION_ABORTED},
    {EMSGSIZE, ERROR_INVALID_PARAMETER},
    {EPROTO, ERROR_GEN_FAILURE},
};

struct ErrorText {
    DWORD code;
    const char* text;
};

constexpr ErrorText errorTexts[] = {
    {ERROR_SUCCESS, "The operation completed successfully."},
    {ERROR_INVALID_FUNCTION, "Incorrect function."},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
    {ERROR_TOO_MANY_OPEN_FILES, "The system cannot open the file."},
    {ERROR_ACCESS_DENIED, "Access is denied."},
    {ERROR_INVALID_HANDLE, "The handle is invalid."},
    {ERROR_NOT_ENOUGH_MEMORY, "Not enough memory resources are available to process this command."},
    {ERROR_INVALID_DATA, "The data is invalid."},
    {ERROR_OUTOFMEMORY, "Not enough memory resources are available to complete this operation."},
    {ERROR_NO_MORE_FILES, "There are no more files."},
    {ERROR_WRITE_PROTECT, "The media is write protected."},
    {ERROR_GEN_FAILURE, "A device attached to the system is not functioning."},
    {ERROR_SHARING_VIOLATION,
     "The process cannot access the file because it is being used by another process."},
    {ERROR_HANDLE_EOF, "Reached the end of the file."},
    {ERROR_NOT_SUPPORTED, "The request is not supported."},
    {ERROR_FILE_EXISTS, "The file exists."},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
    {ERROR_BROKEN_PIPE, "The pipe has been ended."},
    {ERROR_CALL_NOT_IMPLEMENTED, "This function is not supported on this system."},
    {ERROR_SEM_TIMEOUT, "The semaphore timeout period has expired."},
    {ERROR_INSUFFICIENT_BUFFER, "The data area passed to a system call is too small."},
    {ERROR_INVALID_NAME, "The filename, directory name, or volume label syntax is incorrect."},
    {ERROR_MOD_NOT_FOUND, "The specified module could not be found."},
    {ERROR_PROC_NOT_FOUND, "The specified procedure could not be found."},
    {ERROR_BUSY, "The requested resource is in use."},
    {ERROR_BAD_PATHNAME, "The specified path is invalid."},
    {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists."},
    {ERROR_MORE_DATA, "More data is available."},
    {WAIT_TIMEOUT_ERROR, "The wait operation timed out."},
    {ERROR_NO_MORE_ITEMS, "No more data is available."},
    {ERROR_NOT_OWNER, "Attempt to release mutex not owned by caller."},
    {ERROR_OPERATION_ABORTED,
     "The I/O operation has been aborted because of either a thread exit or an application "
     "request."},
    {ERROR_IO_INCOMPLETE, "Overlapped I/O event is not in a signaled state."},
    {ERROR_IO_PENDING, "Overlapped I/O operation is in progress."},
    {ERROR_NOACCESS, "Invalid access to memory location."},
    {ERROR_INVALID_FLAGS, "Invalid flags."},
    {ERROR_FILE_INVALID, "The volume for a file has been externally altered so that the opened "
                         "file is no longer valid."},
    {ERROR_DEVICE_NOT_CONNECTED, "The device is not connected."},
    {ERROR_NOT_FOUND, "Element not found."},
    {ERROR_TIMEOUT, "This operation returned because the timeout period expired."},
    {ERROR_UNKNOWN_REVISION, "The revision level is unknown."},
    {ERROR_INVALID_WINDOW_HANDLE, "Invalid window handle."},
    {ERROR_INVALID_USER_BUFFER,
     "The supplied user buffer is not valid for the requested operation."},
};

} // namespace

DWORD GetLastError() {
    return lastError;
}

void SetLastError(DWORD code) {
    lastError = code;
}

DWORD Win32ErrorFromErrno(int errnoValue) {
    for (const auto& m : errnoMappings) {
        if (m.errnoValue == errnoValue)
            return m.code;
    }
    return errnoValue == 0 ? ERROR_SUCCESS : ERROR_GEN_FAILURE;
}

DWORD SetLastErrorFromErrno(int errnoValue) {
    const DWORD code = Win32ErrorFromErrno(errnoValue);
    SetLastError(code);
    return code;
}

QString SysErrorMessage(DWORD code) {
    for (const auto& t : errorTexts) {
        if (t.code == code)
            return QString::fromLatin1(t.text);
    }
    return QStringLiteral("Unknown error %1.").arg(code);
}
