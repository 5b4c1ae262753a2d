#include "platform/win32/registry.h"

#include "platform/win32/last_error.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <utility>

namespace {

// The key path split into names, or nothing when a part is empty, "." or "..", or holds a
// character a folder name cannot carry.
std::optional<QStringList> keyNames(const QString& key) {
    const QStringList names = key.split(QLatin1Char('\\'));
    for (const QString& name : names) {
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
            name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
            return std::nullopt;
    }
    return names;
}

bool isKeyFolder(const QFileInfo& info) {
    return info.isDir() && !info.isSymLink();
}

// The child folder of parent whose name equals name ignoring case; an exact match wins, then
// the first by name.
std::optional<QString> findChild(const QString& parent, const QString& name) {
    const QFileInfo exact(QDir(parent), name);
    if (isKeyFolder(exact))
        return exact.filePath();
    const QFileInfoList children =
        QDir(parent).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QFileInfo& child : children) {
        if (isKeyFolder(child) && child.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return child.filePath();
    }
    return std::nullopt;
}

} // namespace

QString registryRootName(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? QStringLiteral("HKEY_LOCAL_MACHINE")
                                              : QStringLiteral("HKEY_CURRENT_USER");
}

Registry::Registry(QString rootFolder) : rootFolder_(std::move(rootFolder)) {}

std::optional<QString> Registry::existingKeyFolder(const QString& key) const {
    const auto names = keyNames(key);
    if (!names) {
        SetLastError(ERROR_BAD_PATHNAME);
        return std::nullopt;
    }
    std::optional<QString> folder = findChild(rootFolder_, registryRootName(root_));
    for (const QString& name : *names) {
        if (!folder)
            break;
        folder = findChild(*folder, name);
    }
    if (!folder)
        SetLastError(ERROR_FILE_NOT_FOUND);
    return folder;
}

bool Registry::createKey(const QString& key) {
    SetLastError(ERROR_SUCCESS);
    const auto names = keyNames(key);
    if (!names) {
        SetLastError(ERROR_BAD_PATHNAME);
        return false;
    }
    QString folder = rootFolder_;
    for (const QString& name : QStringList{registryRootName(root_)} + *names) {
        if (const auto child = findChild(folder, name)) {
            folder = *child;
            continue;
        }
        // Something that is not a key folder (a file, a link) holds the name: never write
        // through it.
        const QFileInfo taken(QDir(folder), name);
        if (taken.exists() || taken.isSymLink() || !QDir(folder).mkpath(name)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return false;
        }
        folder = QDir(folder).filePath(name);
    }
    return true;
}

bool Registry::keyExists(const QString& key) const {
    SetLastError(ERROR_SUCCESS);
    return existingKeyFolder(key).has_value();
}

bool Registry::deleteKey(const QString& key) {
    SetLastError(ERROR_SUCCESS);
    const auto folder = existingKeyFolder(key);
    if (!folder)
        return false;
    if (!QDir(*folder).removeRecursively()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    return true;
}
