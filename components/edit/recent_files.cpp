#include "components/edit/recent_files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>
#include <QXmlStreamReader>
#include <algorithm>
#include <vector>

namespace {

// A desktop's list holds some hundreds of entries; a file far beyond that is no such list.
constexpr qint64 MaxRecentFileBytes = 8 * 1024 * 1024;
constexpr int MaxRecentEntries = 4096;

struct RecentEntry {
    QString path;
    QDateTime used;
};

// The latest of the times the entry was added, changed or visited.
QDateTime lastUsed(const QXmlStreamAttributes& attributes) {
    QDateTime latest;
    for (const char* name : {"added", "modified", "visited"}) {
        const QDateTime time =
            QDateTime::fromString(attributes.value(QLatin1String(name)).toString(), Qt::ISODate);
        if (time.isValid() && (!latest.isValid() || time > latest))
            latest = time;
    }
    return latest;
}

// The local path an entry's address names; empty for anything else or a path holding control
// characters (a line break would cut the edit's text).
QString localPath(QStringView href) {
    const QUrl url(href.toString(), QUrl::StrictMode);
    if (!url.isValid() || !url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    const bool control = std::any_of(path.begin(), path.end(), [](QChar character) {
        return character.category() == QChar::Other_Control;
    });
    return control ? QString() : path;
}

} // namespace

QString RecentlyUsedFilePath() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/recently-used.xbel");
}

QStringList ParseRecentlyUsed(const QByteArray& document) {
    QXmlStreamReader reader(document);
    std::vector<RecentEntry> entries;
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("xbel"))
        return {};
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("bookmark")) {
            if (int(entries.size()) == MaxRecentEntries)
                return {};
            const QXmlStreamAttributes attributes = reader.attributes();
            const QString path = localPath(attributes.value(QLatin1String("href")));
            if (!path.isEmpty())
                entries.push_back({path, lastUsed(attributes)});
        }
        reader.skipCurrentElement();
    }
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError())
        return {};
    std::stable_sort(entries.begin(), entries.end(),
                     [](const RecentEntry& a, const RecentEntry& b) { return a.used > b.used; });
    QStringList paths;
    QSet<QString> seen;
    for (const RecentEntry& entry : entries) {
        if (!seen.contains(entry.path)) {
            seen.insert(entry.path);
            paths << entry.path;
        }
    }
    return paths;
}

// Only a plain file is read: a pipe or device put in its place would block or never end.
QStringList ReadRecentlyUsed(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray document = file.read(MaxRecentFileBytes + 1);
    if (document.size() > MaxRecentFileBytes)
        return {};
    return ParseRecentlyUsed(document);
}
