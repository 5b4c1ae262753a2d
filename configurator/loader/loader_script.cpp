#include "configurator/loader/loader_script.h"

#include <array>

namespace {

struct Placeholder {
    QLatin1String name;
    QString LoaderValues::*value;
};

const std::array<Placeholder, 4> Placeholders = {{
    {QLatin1String("$CHIP$"), &LoaderValues::chip},
    {QLatin1String("$FILE$"), &LoaderValues::file},
    {QLatin1String("$PORT$"), &LoaderValues::port},
    {QLatin1String("$PATH$"), &LoaderValues::path},
}};

bool hasLineBreak(const QString& value) {
    return value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'));
}

} // namespace

QString shellQuote(const QString& value) {
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString substituteLoaderLine(const QString& line, const LoaderValues& values) {
    QString result;
    qsizetype position = 0;
    while (position < line.size()) {
        const Placeholder* found = nullptr;
        for (const Placeholder& placeholder : Placeholders) {
            if (QStringView(line).mid(position).startsWith(placeholder.name, Qt::CaseInsensitive)) {
                found = &placeholder;
                break;
            }
        }
        if (found) {
            result += shellQuote(values.*(found->value));
            position += found->name.size();
        } else {
            result += line.at(position);
            ++position;
        }
    }
    return result;
}

std::optional<QString> valueWithLineBreak(const LoaderValues& values) {
    if (hasLineBreak(values.chip))
        return QStringLiteral("chip");
    if (hasLineBreak(values.file))
        return QStringLiteral("firmware file");
    if (hasLineBreak(values.port))
        return QStringLiteral("port");
    if (hasLineBreak(values.path))
        return QStringLiteral("loader folder");
    return std::nullopt;
}

QStringList loaderScriptLines(const QStringList& templateLines, const LoaderValues& values) {
    return {substituteLoaderLine(templateLines.value(0), values),
            substituteLoaderLine(templateLines.value(1), values)};
}
