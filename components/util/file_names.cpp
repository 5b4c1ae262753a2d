#include "components/util/file_names.h"

#include <QDir>
#include <QFileInfo>

bool ContainsAnyChar(const QString& text, const QString& chars) {
    for (const QChar c : chars) {
        if (text.contains(c))
            return true;
    }
    return false;
}

bool IsValidFileName(const QString& fileName) {
    return !fileName.isEmpty() && !fileName.contains(QChar(u'\0'));
}

QString GetLongFileName(const QString& path) {
    if (!IsValidFileName(path))
        return {};
    const QFileInfo entry(QDir::cleanPath(path));
    // A dangling link is still an entry of its folder.
    if (!entry.exists() && !entry.isSymLink())
        return {};
    return entry.fileName();
}

QString GetShortFileName(const QString& path) {
    return GetLongFileName(path);
}
