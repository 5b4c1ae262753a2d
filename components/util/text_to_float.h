#pragma once
// Lenient number entry: a typed text is read as a number after dropping every character that
// cannot belong to one, with the user's decimal separator or a point.

#include <QChar>
#include <QLocale>
#include <QString>

// decimalSeparator ' ' stands for the locale's separator. A text with a point but without the
// decimal separator takes the point as separator. False for an empty text, a text that keeps no
// character, or one that still is not a number; never throws.
bool TryTextToFloat(const QString& text, QChar decimalSeparator, double& value,
                    const QLocale& locale = QLocale());

// The number, or fallback when TryTextToFloat fails.
double TextToFloatDef(const QString& text, QChar decimalSeparator, double fallback,
                      const QLocale& locale = QLocale());

// A currency amount (four decimal places) read from the signs, digits and
// CurrentDecimalSeparator() of text, every other character dropped; fallback for an empty text,
// a text that is no number or an amount out of the currency range. Never throws.
double TextToCurrencyDef(const QString& text, double fallback);
