#include "configurator/files/language_file.h"

#include "configurator/files/text_file.h"

#include <QDir>
#include <QRegularExpression>

namespace {

// 151 lines of captions and messages; a file far larger than that is not a language file.
constexpr qint64 MaxLanguageFileBytes = 1024 * 1024;

QFileInfoList languageFiles(const QString& programFolder) {
    QDir folder(programFolder);
    folder.setNameFilters({QStringLiteral("*.lng")});
    folder.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    folder.setSorting(QDir::Name);
    return folder.entryInfoList();
}

} // namespace

QStringList listLanguageNames(const QString& programFolder) {
    static const QRegularExpression extension(QStringLiteral("\\.lng"),
                                              QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const QFileInfo& file : languageFiles(programFolder))
        names << file.fileName().remove(extension);
    return names;
}

std::optional<QString> findLanguageFile(const QString& programFolder, const QString& language) {
    const QString wanted = language + QStringLiteral(".lng");
    const QFileInfo exact(QDir(programFolder), wanted);
    if (exact.isFile())
        return exact.filePath();
    for (const QFileInfo& file : languageFiles(programFolder)) {
        if (file.fileName().compare(wanted, Qt::CaseInsensitive) == 0)
            return file.filePath();
    }
    return std::nullopt;
}

std::optional<LanguageLines> readLanguageFile(const QString& path, QString* error) {
    const auto lines = readTextLines(path, MaxLanguageFileBytes, error);
    if (!lines)
        return std::nullopt;
    return LanguageLines(lines->mid(0, LanguageLines::LineCount));
}
