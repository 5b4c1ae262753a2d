#include "util/unit_version.h"

#include <QStringList>
#include <optional>

namespace {

QString Trimmed(const char16_t* text) {
    return text ? QString::fromUtf16(text).trimmed() : QString();
}

// Drops the keyword in front and the " $" behind it.
QString KeywordValue(const QString& text, QLatin1String keyword) {
    QString value = text.mid(keyword.size());
    value.chop(2);
    return value;
}

std::optional<int> Number(QStringView text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QDate ReadDate(const QString& text) {
    QStringView year, month, day;
    const auto separator = [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('-');
    };
    if (text.size() >= 5 && separator(text[4])) {
        year = QStringView(text).mid(0, 4);
        month = QStringView(text).mid(5, 2);
        day = QStringView(text).mid(8, 2);
    } else if (text.contains(QLatin1Char('/')) || text.contains(QLatin1Char('-')) ||
               text.contains(QLatin1Char('.'))) {
        const bool dayFirst = !text.contains(QLatin1Char('/')) && !text.contains(QLatin1Char('-'));
        (dayFirst ? day : month) = QStringView(text).mid(0, 2);
        (dayFirst ? month : day) = QStringView(text).mid(3, 2);
        year = QStringView(text).mid(6, 4);
    } else {
        return {};
    }
    const auto y = Number(year), m = Number(month), d = Number(day);
    return y && m && d ? QDate(*y, *m, *d) : QDate();
}

// The time after the first blank: hours, minutes and seconds separated by ":" (or by "/" when
// the text has no ":"); no blank means midnight.
std::optional<QTime> ReadTime(const QString& text) {
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return QTime(0, 0);
    const QString time = text.mid(blank + 1);
    const QChar separator = time.contains(QLatin1Char(':')) ? QLatin1Char(':') : QLatin1Char('/');
    const QStringList parts = time.split(separator);
    if (parts.size() < 3)
        return std::nullopt;
    const auto h = Number(parts[0]), m = Number(parts[1]), s = Number(parts[2]);
    if (!h || !m || !s)
        return std::nullopt;
    const QTime result(*h, *m, *s);
    return result.isValid() ? std::optional<QTime>(result) : std::nullopt;
}

} // namespace

QString TUnitVersion::RCSfile() const {
    const QString text = Trimmed(FInfo->RCSfile);
    if (text.startsWith(QLatin1String("$RCSfile: "))) {
        const QString value = KeywordValue(text, QLatin1String("$RCSfile: "));
        const qsizetype comma = value.lastIndexOf(QLatin1Char(','));
        return comma < 0 ? QString() : value.left(comma);
    }
    if (text.startsWith(QLatin1String("$URL: "))) {
        const QString value = KeywordValue(text, QLatin1String("$URL: "));
        return value.mid(value.lastIndexOf(QLatin1Char('/')) + 1);
    }
    return text;
}

QString TUnitVersion::Revision() const {
    const QString text = Trimmed(FInfo->Revision);
    if (text.startsWith(QLatin1String("$Revision: ")))
        return KeywordValue(text, QLatin1String("$Revision: "));
    return text;
}

QString TUnitVersion::Date() const {
    const QString text = Trimmed(FInfo->Date);
    if (text.startsWith(QLatin1String("$Date: ")))
        return KeywordValue(text, QLatin1String("$Date: "));
    return text;
}

QString TUnitVersion::LogPath() const {
    return Trimmed(FInfo->LogPath);
}

QString TUnitVersion::Extra() const {
    return Trimmed(FInfo->Extra);
}

QDateTime TUnitVersion::DateTime() const {
    const QString text = Date();
    const QDate date = ReadDate(text);
    const std::optional<QTime> time = ReadTime(text);
    if (!date.isValid() || !time)
        return {};
    return QDateTime(date, *time, Qt::UTC);
}

QString TUnitVersion::Summary() const {
    QString summary = LogPath() + QLatin1Char('\t') + RCSfile() + QLatin1Char('\t') + Revision() +
                      QLatin1Char('\t') + Date();
    const QString extra = Extra();
    if (!extra.isEmpty())
        summary += QLatin1Char('\t') + extra;
    return summary;
}
