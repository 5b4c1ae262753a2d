#include "util/locale_utils.h"

#include "util/char_tables.h"

#include <QByteArray>
#include <QLocale>
#include <clocale>
#include <langinfo.h>

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

namespace {

// 0 for a name without a code page number.
unsigned NumberedCodePage(const QByteArray& codeset) {
    const QByteArray name = codeset.trimmed().toUpper();
    static const struct {
        const char* name;
        unsigned codePage;
    } named[] = {
        {"UTF-8", 65001},    {"UTF8", 65001},    {"ANSI_X3.4-1968", 20127}, {"ASCII", 20127},
        {"US-ASCII", 20127}, {"KOI8-R", 20866},  {"KOI8-U", 21866},         {"GB18030", 54936},
        {"EUC-JP", 20932},   {"SHIFT_JIS", 932}, {"EUC-KR", 51949},         {"BIG5", 950},
        {"BIG5-HKSCS", 950}, {"GBK", 936},       {"GB2312", 936},           {"EUC-CN", 936},
        {"TIS-620", 874},    {"TIS620", 874},
    };
    for (const auto& entry : named) {
        if (name == entry.name)
            return entry.codePage;
    }
    // Numbered sets: the code page is the number, or 28590 plus it for the ISO 8859 parts.
    static const struct {
        const char* prefix;
        unsigned base;
    } numbered[] = {{"ISO-8859-", 28590}, {"ISO8859-", 28590}, {"WINDOWS-", 0}, {"CP", 0}};
    for (const auto& entry : numbered) {
        if (!name.startsWith(entry.prefix))
            continue;
        bool ok = false;
        const unsigned number = name.mid(qsizetype(qstrlen(entry.prefix))).toUInt(&ok);
        if (ok && number > 0 && number <= 65535 - entry.base)
            return entry.base + number;
    }
    return 0;
}

} // namespace

unsigned CodePageOfCodeset(const QByteArray& codeset) {
    const unsigned codePage = NumberedCodePage(codeset);
    return codePage ? codePage : CkAnsiCodePage;
}

unsigned LocaleCodePage() {
    return CodePageOfCodeset(QByteArray(nl_langinfo(CODESET)));
}

unsigned CodePageOfLocale(const QByteArray& localeName) {
    const locale_t locale = newlocale(LC_CTYPE_MASK, localeName.constData(), locale_t(0));
    if (!locale)
        return LocaleCodePage();
    const unsigned codePage = NumberedCodePage(QByteArray(nl_langinfo_l(CODESET, locale)));
    freelocale(locale);
    return codePage ? codePage : LocaleCodePage();
}
