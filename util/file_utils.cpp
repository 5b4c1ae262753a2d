#include "util/file_utils.h"

#include "platform/win32/last_error.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <dlfcn.h>
#include <optional>
#include <sys/auxv.h>
#include <sys/stat.h>

namespace {

// The entry's mode, looked up by the path's bytes as the file system sees them; nullopt when
// nothing is there.
std::optional<mode_t> EntryMode(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return info.st_mode;
}

bool HasDrive(const QString& path) {
    return path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter();
}

HMODULE ModuleBase(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0)
        return nullptr;
    return info.dli_fbase;
}

HMODULE ProgramModule() {
    return ModuleBase(reinterpret_cast<const void*>(getauxval(AT_PHDR)));
}

} // namespace

bool FilePresent(const QString& fileName) {
    const auto mode = EntryMode(fileName);
    return mode && !S_ISDIR(*mode);
}

bool DirectoryPresent(const QString& path) {
    const auto mode = EntryMode(path);
    return mode && S_ISDIR(*mode);
}

QString PathToDisplayPath(const QString& path) {
    if (path.startsWith(QLatin1String("\\\\")) || !HasDrive(path))
        return path;
    QString result = path.left(2);
    QStringView rest = QStringView(path).sliced(2);
    if (rest.startsWith(QLatin1Char('\\')))
        rest = rest.sliced(1);
    while (!rest.isEmpty()) {
        const qsizetype slash = rest.indexOf(QLatin1Char('\\'));
        const QStringView component = slash < 0 ? rest : rest.first(slash);
        rest = slash < 0 ? QStringView() : rest.sliced(slash + 1);
        result += QLatin1Char('\\') + component.toString();
    }
    return result;
}

QByteArray BufferToAnsiString(std::span<const BYTE> buffer) {
    return QByteArray(reinterpret_cast<const char*>(buffer.data()),
                      static_cast<qsizetype>(buffer.size()));
}

HMODULE CurrentModule() {
    return ModuleBase(reinterpret_cast<const void*>(&CurrentModule));
}

QString ModuleFileName(HMODULE module) {
    Dl_info info{};
    if (!module || dladdr(module, &info) == 0 || info.dli_fbase != module) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return {};
    }
    if (module == ProgramModule())
        return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return QFileInfo(QFile::decodeName(info.dli_fname)).absoluteFilePath();
}

bool VersionFixedFileInfo(const QString& fileName, VS_FIXEDFILEINFO& info) {
    return ModuleVersionValue(fileName, QStringLiteral("\\"), [&](const void* value, UINT length) {
        if (length == sizeof info)
            std::memcpy(&info, value, sizeof info);
    });
}
