#include "platform/win32/device_file.h"

#include "platform/win32/last_error.h"
#include "platform/win32/overlapped_io.h"

#include <QRegularExpression>
#include <cerrno>
#include <poll.h>

namespace {

HidAccess accessForm(DWORD access) {
    const bool read = access & GENERIC_READ;
    const bool write = access & GENERIC_WRITE;
    if (read && write)
        return HidAccess::ReadWrite;
    if (read)
        return HidAccess::Read;
    return write ? HidAccess::Write : HidAccess::Query;
}

BOOL fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

} // namespace

QString DeviceInterfacePath(const QString& nodePath, int collection, int collectionCount) {
    if (collectionCount <= 1)
        return nodePath;
    return nodePath + QStringLiteral("&col%1").arg(collection + 1, 2, 10, QLatin1Char('0'));
}

std::shared_ptr<DeviceFile> DeviceFileFromHandle(HANDLE handle) {
    auto file = std::dynamic_pointer_cast<DeviceFile>(LookupHandle(handle));
    if (!file)
        SetLastError(ERROR_INVALID_HANDLE);
    return file;
}

HANDLE CreateFileW(LPCWSTR path, DWORD access, DWORD, LPSECURITY_ATTRIBUTES, DWORD creation,
                   DWORD flags, HANDLE) {
    if (!path || creation != OPEN_EXISTING) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    QString nodePath = QString::fromUtf16(path);
    int collection = 0;
    static const QRegularExpression suffix(QStringLiteral("&col(\\d\\d)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = suffix.match(nodePath);
    if (match.hasMatch()) {
        collection = match.captured(1).toInt() - 1;
        nodePath.chop(match.capturedLength());
        if (collection < 0) {
            SetLastError(ERROR_FILE_NOT_FOUND);
            return INVALID_HANDLE_VALUE;
        }
    }
    DWORD error = ERROR_SUCCESS;
    auto channel = currentHidBus().open(nodePath, accessForm(access), error);
    if (!channel) {
        SetLastError(error);
        return INVALID_HANDLE_VALUE;
    }
    auto file = std::make_shared<DeviceFile>();
    file->channel = std::move(channel);
    file->collection = collection;
    file->overlapped = flags & FILE_FLAG_OVERLAPPED;
    return InsertHandle(std::move(file));
}

BOOL CloseHandle(HANDLE handle) {
    if (!RemoveHandle(handle))
        return fail(ERROR_INVALID_HANDLE);
    AbortPendingIo(handle);
    return TRUE;
}

BOOL ReadFile(HANDLE handle, LPVOID buffer, DWORD toRead, LPDWORD bytesRead,
              LPOVERLAPPED overlapped) {
    const auto file = DeviceFileFromHandle(handle);
    if (!file)
        return FALSE;
    if (overlapped)
        return fail(ERROR_NOT_SUPPORTED);
    if (!buffer || toRead == 0)
        return fail(ERROR_INVALID_PARAMETER);
    if (!accessReads(file->channel->access()))
        return fail(ERROR_ACCESS_DENIED);
    if (bytesRead)
        *bytesRead = 0;
    const std::span<BYTE> target(static_cast<BYTE*>(buffer), toRead);
    for (;;) {
        DWORD got = 0;
        if (const DWORD error = file->channel->readReport(target, got))
            return fail(error);
        if (got > 0) {
            if (bytesRead)
                *bytesRead = got;
            return TRUE;
        }
        pollfd waitFor{file->channel->pollFd(), POLLIN, 0};
        if (poll(&waitFor, 1, -1) < 0 && errno != EINTR)
            return fail(Win32ErrorFromErrno(errno));
    }
}

BOOL WriteFile(HANDLE handle, LPCVOID buffer, DWORD toWrite, LPDWORD bytesWritten,
               LPOVERLAPPED overlapped) {
    const auto file = DeviceFileFromHandle(handle);
    if (!file)
        return FALSE;
    if (overlapped)
        return fail(ERROR_NOT_SUPPORTED);
    if (!buffer || toWrite == 0)
        return fail(ERROR_INVALID_PARAMETER);
    if (!accessWrites(file->channel->access()))
        return fail(ERROR_ACCESS_DENIED);
    if (bytesWritten)
        *bytesWritten = 0;
    if (const DWORD error = file->channel->writeReport({static_cast<const BYTE*>(buffer), toWrite}))
        return fail(error);
    if (bytesWritten)
        *bytesWritten = toWrite;
    return TRUE;
}

BOOL DeviceIoControl(HANDLE handle, DWORD, LPVOID, DWORD, LPVOID, DWORD, LPDWORD bytesReturned,
                     LPOVERLAPPED) {
    if (!DeviceFileFromHandle(handle))
        return FALSE;
    if (bytesReturned)
        *bytesReturned = 0;
    return fail(ERROR_INVALID_FUNCTION);
}
