#include "components/util/text_to_float.h"

namespace {

QChar localeDecimalSeparator(const QLocale& locale) {
    const QString separator = locale.decimalPoint();
    return separator.isEmpty() ? QChar('.') : separator.front();
}

bool keeps(QChar c, QChar decimal) {
    return c == '+' || c == '-' || (c >= '0' && c <= '9') || c == 'E' || c == 'e' || c == decimal;
}

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
