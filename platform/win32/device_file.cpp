#include "platform/win32/device_file.h"

#include "platform/hidparser/preparsed_data.h"
#include "platform/win32/last_error.h"
#include "platform/win32/overlapped_io.h"

#include <QRegularExpression>
#include <algorithm>
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

// Reads which input reports belong to the file's collection. False when the node's descriptor
// has no such collection.
bool assignCollection(DeviceFile& file) {
    const std::vector<BYTE>& descriptor = file.channel->node().reportDescriptor;
    std::vector<PHIDP_PREPARSED_DATA> collections;
    if (HidParserParse(descriptor.data(), static_cast<ULONG>(descriptor.size()), collections) !=
        HIDP_STATUS_SUCCESS)
        return true; // no descriptor to go by: the node is read as one interface
    const auto index = static_cast<std::size_t>(file.collection);
    const bool exists = index < collections.size();
    if (exists && collections.size() > 1) {
        const HidpPreparsedData* data = preparsedData(collections[index]);
        file.sharesNode = true;
        for (const auto& [id, bytes] : data->kinds[HidP_Input].reportBytes)
            file.ownInputIds.set(id);
    }
    for (PHIDP_PREPARSED_DATA collection : collections)
        HidParserFree(collection);
    return exists;
}

} // namespace

DWORD DeviceFile::readReport(std::span<BYTE> buffer, DWORD& bytesRead) {
    if (!sharesNode)
        return channel->readReport(buffer, bytesRead);
    // Another collection's report is read aside, so the caller's buffer only ever sees its own.
    std::vector<BYTE> report(buffer.size());
    for (;;) {
        if (const DWORD error = channel->readReport(report, bytesRead))
            return error;
        if (bytesRead == 0)
            return ERROR_SUCCESS;
        if (ownInputIds.test(report[0])) {
            bytesRead = std::min<DWORD>(bytesRead, static_cast<DWORD>(report.size()));
            std::copy_n(report.begin(), bytesRead, buffer.begin());
            return ERROR_SUCCESS;
        }
    }
}

QString DeviceInterfacePath(const QString& nodePath, int collection, int collectionCount) {
    if (collectionCount <= 1)
        return nodePath;
    return nodePath + QStringLiteral("&col%1").arg(collection + 1, 2, 10, QLatin1Char('0'));
}

InterfaceOfNode SplitDeviceInterfacePath(const QString& path) {
    static const QRegularExpression suffix(QStringLiteral("&col(\\d\\d)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = suffix.match(path);
    if (!match.hasMatch())
        return {path, 0};
    return {path.chopped(match.capturedLength()), match.captured(1).toInt() - 1};
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
    const auto [nodePath, collection] = SplitDeviceInterfacePath(QString::fromUtf16(path));
    if (collection < 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
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
    if (!assignCollection(*file)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
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
        if (const DWORD error = file->readReport(target, got))
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
