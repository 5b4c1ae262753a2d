#include "components/edit/file_name_rules.h"

#include "components/util/command_line.h"

#include <QFileInfo>

QString ResolveFileName(const QString& name, bool addQuotes) {
    const QFileInfo entry(name);
    if (!name.isEmpty() && entry.isFile())
        return name;
    if (!name.isEmpty() && entry.isDir())
        return name.endsWith(QLatin1Char('/')) ? name : name + QLatin1Char('/');
    if (addQuotes)
        return SplitCommandLine(name).program;
    return name;
}

QString QuoteFileName(const QString& name) {
    if (name.contains(QLatin1Char(' ')) && !name.startsWith(QLatin1Char('"')))
        return QStringLiteral("\"%1\"").arg(name);
    return name;
}

QString UnquoteFileName(const QString& text) {
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        return text.mid(1, text.size() - 2);
    return text;
}

QString FileDirectoryPart(const QString& name) {
    return name.left(name.lastIndexOf(QLatin1Char('/')) + 1);
}

QString FileNamePart(const QString& name) {
    return name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
}
