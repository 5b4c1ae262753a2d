#include "components/util/text_to_float.h"

#include "util/locale_utils.h"

#include <cmath>

namespace {

QChar localeDecimalSeparator(const QLocale& locale) {
    const QString separator = locale.decimalPoint();
    return separator.isEmpty() ? QChar('.') : separator.front();
}

bool keeps(QChar c, QChar decimal) {
    return c == '+' || c == '-' || (c >= '0' && c <= '9') || c == 'E' || c == 'e' || c == decimal;
}

// The largest amount a currency value (a 64-bit count of ten-thousandths) holds.
constexpr double MaxCurrency = 922337203685477.5807;
constexpr double CurrencyScale = 10000;

} // namespace

bool TryTextToFloat(const QString& text, QChar decimalSeparator, double& value,
                    const QLocale& locale) {
    if (text.isEmpty())
        return false;
    QChar decimal = decimalSeparator == ' ' ? localeDecimalSeparator(locale) : decimalSeparator;
    if (text.contains('.') && !text.contains(decimal))
        decimal = '.';
    QString kept;
    for (const QChar c : text)
        if (keeps(c, decimal))
            kept += c;
    if (kept.isEmpty())
        return false;
    if (kept.endsWith('-'))
        kept += '0';
    if (kept.endsWith(decimal))
        kept += '0';
    if (decimal != '.')
        kept.replace(decimal, '.');
    bool ok = false;
    const double result = QLocale::c().toDouble(kept, &ok);
    if (!ok)
        return false;
    value = result;
    return true;
}

double TextToFloatDef(const QString& text, QChar decimalSeparator, double fallback,
                      const QLocale& locale) {
    double value = 0;
    return TryTextToFloat(text, decimalSeparator, value, locale) ? value : fallback;
}

double TextToCurrencyDef(const QString& text, double fallback) {
    const QChar decimal = CurrentDecimalSeparator();
    QString kept;
    for (const QChar c : text) {
        if (c == '+' || c == '-' || (c >= '0' && c <= '9') || c == decimal)
            kept += c == decimal ? QChar('.') : c;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(kept, &ok);
    if (!ok || !(std::abs(value) <= MaxCurrency))
        return fallback;
    return std::round(value * CurrencyScale) / CurrencyScale;
}
