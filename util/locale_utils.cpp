#include "util/locale_utils.h"

#include "util/char_tables.h"

#include <QLocale>

QChar CurrentDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

QString FloatToText(double value) {
    QString text = QString::number(value, 'g', 15);
    const QChar separator = CurrentDecimalSeparator();
    if (separator != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), separator);
    return text;
}

int CompareTextRange(QStringView s1, QStringView s2, int index, int count, bool caseSensitive) {
    if (count > 0 && s1.data() == s2.data() && s1.size() == s2.size())
        return 0;
    if (s1.isEmpty() != s2.isEmpty())
        return -1;
    const qsizetype first = qsizetype{index} - 1;
    if (count <= 0 || first < 0 || first + count > s1.size())
        return -2;
    for (qsizetype i = first; i < first + count; ++i) {
        char16_t c1 = s1[i].unicode();
        char16_t c2 = i < s2.size() ? s2[i].unicode() : u'\0';
        if (!caseSensitive) {
            c1 = WideLowerCase(c1);
            c2 = WideLowerCase(c2);
        }
        if (c1 != c2)
            return int{c1} - int{c2};
    }
    return 0;
}

int CompareTextLocale(QStringView s1, QStringView s2) {
    const int result =
        QString::localeAwareCompare(s1.toString().toCaseFolded(), s2.toString().toCaseFolded());
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}
