#include "components/grid/grid_sort.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>

namespace {

// Currency amounts keep four decimal places.
constexpr double CurrencyScale = 10000.0;

// Time-only texts fall on the date the desktop's date-times count from.
const QDate TimeOnlyDate(1899, 12, 30);

template <typename T> int threeWay(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareClassic(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive);
}

// Texts that read as the kind come first, by value; the others after them, as text.
template <typename T, typename Parse>
int compareAsKind(const QString& a, const QString& b, Parse parse) {
    T va{}, vb{};
    const bool okA = parse(a, va);
    const bool okB = parse(b, vb);
    if (okA && okB)
        return threeWay(va, vb);
    if (okA != okB)
        return okA ? -1 : 1;
    return compareClassic(a, b);
}

bool toNumber(const QLocale& locale, const QString& text, double& value) {
    bool ok = false;
    value = locale.toDouble(text, &ok);
    return ok && std::isfinite(value);
}

// Sorts items[from, to), merging through scratch.
void mergeSort(std::vector<int>& items, std::vector<int>& scratch, size_t from, size_t to,
               const std::function<bool(int, int)>& less) {
    if (to - from < 2)
        return;
    const size_t middle = from + (to - from) / 2;
    mergeSort(items, scratch, from, middle, less);
    mergeSort(items, scratch, middle, to, less);
    size_t left = from, right = middle, out = from;
    while (left < middle && right < to)
        scratch[out++] = less(items[right], items[left]) ? items[right++] : items[left++];
    while (left < middle)
        scratch[out++] = items[left++];
    while (right < to)
        scratch[out++] = items[right++];
    std::copy(scratch.begin() + from, scratch.begin() + to, items.begin() + from);
}

} // namespace

bool SortTextToNumber(const QString& text, double& value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    const QString trimmed = text.trimmed();
    if (toNumber(locale, trimmed, value))
        return true;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    return toNumber(c, trimmed, value);
}

bool SortTextToCurrency(const QString& text, double& value) {
    const QLocale locale;
    QString amount = text;
    for (const auto format : {QLocale::CurrencySymbol, QLocale::CurrencyIsoCode}) {
        const QString sign = locale.currencySymbol(format);
        if (!sign.isEmpty())
            amount.remove(sign);
    }
    amount = amount.trimmed();
    if (amount.startsWith(u'(') && amount.endsWith(u')'))
        amount = u'-' + amount.mid(1, amount.size() - 2).trimmed();
    if (!toNumber(locale, amount, value) && !SortTextToNumber(amount, value))
        return false;
    value = std::round(value * CurrencyScale) / CurrencyScale;
    return true;
}

bool SortTextToDateTime(const QString& text, qint64& msecs) {
    const QLocale locale;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    QDateTime dateTime;
    for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat}) {
        if (!dateTime.isValid())
            dateTime = locale.toDateTime(trimmed, format);
        if (!dateTime.isValid()) {
            const QDate date = locale.toDate(trimmed, format);
            if (date.isValid())
                dateTime = QDateTime(date, QTime(0, 0), Qt::UTC);
        }
        if (!dateTime.isValid()) {
            const QTime time = locale.toTime(trimmed, format);
            if (time.isValid())
                dateTime = QDateTime(TimeOnlyDate, time, Qt::UTC);
        }
    }
    if (!dateTime.isValid())
        dateTime = QDateTime::fromString(trimmed, Qt::ISODate);
    if (!dateTime.isValid())
        return false;
    // Wall-clock texts compare as written, whatever the time zone.
    msecs = QDateTime(dateTime.date(), dateTime.time(), Qt::UTC).toMSecsSinceEpoch();
    return true;
}

int CompareSortTexts(const QString& a, const QString& b, TWkSortType sortType) {
    switch (sortType) {
    case stNone:
        return 0;
    case stClassic:
        return compareClassic(a, b);
    case stCaseSensitive:
        return QString::compare(a, b, Qt::CaseSensitive);
    case stNumeric:
        return compareAsKind<double>(a, b, SortTextToNumber);
    case stCurrency:
        return compareAsKind<double>(a, b, SortTextToCurrency);
    case stDate:
        return compareAsKind<qint64>(a, b, SortTextToDateTime);
    case stAutomatic:
        break;
    }
    double va = 0, vb = 0;
    if (SortTextToNumber(a, va) && SortTextToNumber(b, vb))
        return threeWay(va, vb);
    if (SortTextToCurrency(a, va) && SortTextToCurrency(b, vb))
        return threeWay(va, vb);
    qint64 da = 0, db = 0;
    if (SortTextToDateTime(a, da) && SortTextToDateTime(b, db))
        return threeWay(da, db);
    return compareClassic(a, b);
}

void SortStable(std::vector<int>& items, const std::function<bool(int, int)>& less) {
    std::vector<int> scratch(items.size());
    mergeSort(items, scratch, 0, items.size(), less);
}
